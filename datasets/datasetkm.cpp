#include "datasets/datasetkm.h"

static constexpr DatasetFamily table{10, "SV-KM 3D-File ", FieldInput::Length, 0, SensorControls::Off, false};

PropertiesKM::PropertiesKM() : FamilyProperties(table.fieldInput) {}
DataSetKM::DataSetKM() : FamilyDataset(table, std::make_unique<PropertiesKM>()) {}
