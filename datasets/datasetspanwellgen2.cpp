#include "datasets/datasetspanwellgen2.h"

static constexpr DatasetFamily table{3, "SV-Spanwell 3D-File ", FieldInput::WidthAndLength, 1, SensorControls::On, true};

PropertiesSpanwellGen2::PropertiesSpanwellGen2() : FamilyProperties(table.fieldInput) {}
DataSetSpanwellGen2::DataSetSpanwellGen2() : FamilyDataset(table, std::make_unique<PropertiesSpanwellGen2>()) {}
