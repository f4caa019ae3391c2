#include "datasets/datasetspanwell.h"

static constexpr DatasetFamily table{2, "SV-Spanwell 3D-File ", FieldInput::WidthAndLength, 1, SensorControls::On, true};

PropertiesSpanwell::PropertiesSpanwell() : FamilyProperties(table.fieldInput) {}
DataSetSpanwell::DataSetSpanwell() : FamilyDataset(table, std::make_unique<PropertiesSpanwell>()) {}
