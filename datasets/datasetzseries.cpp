#include "datasets/datasetzseries.h"

static constexpr DatasetFamily table{1, "SV-ZSeries 3D-File ", FieldInput::WidthAndLength, 0, SensorControls::Settable, false};

PropertiesZSeries::PropertiesZSeries() : FamilyProperties(table.fieldInput) {}
DataSetZSeries::DataSetZSeries() : FamilyDataset(table, std::make_unique<PropertiesZSeries>()) {}
