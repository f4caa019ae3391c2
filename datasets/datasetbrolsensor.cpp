#include "datasets/datasetbrolsensor.h"

static constexpr DatasetFamily table{170, "SV-Brol_Sensor 3D-File ", FieldInput::Length, 1, SensorControls::Off, false};

PropertiesBrolSensor::PropertiesBrolSensor() : FamilyProperties(table.fieldInput) {}
DataSetBrolSensor::DataSetBrolSensor() : FamilyDataset(table, std::make_unique<PropertiesBrolSensor>()) {}
