#include "datasets/datasetbrolsensor.h"

namespace {
const DatasetFamily& thisFamily()
{
    static const DatasetFamily table{170, "SV-Brol_Sensor 3D-File ", FieldInput::Length, 1, SensorControls::Off, false};
    return table;
}
} // namespace

PropertiesBrolSensor::PropertiesBrolSensor() : FamilyProperties(thisFamily().fieldInput) {}

DataSetBrolSensor::DataSetBrolSensor() : FamilyDataset(thisFamily(), std::make_unique<PropertiesBrolSensor>()) {}
