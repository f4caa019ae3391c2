#include "datasets/datasetkm.h"

namespace {
const DatasetFamily& thisFamily()
{
    static const DatasetFamily table{10, "SV-KM 3D-File ", FieldInput::Length, 0, SensorControls::Off, false};
    return table;
}
} // namespace

PropertiesKM::PropertiesKM() : FamilyProperties(thisFamily().fieldInput) {}

DataSetKM::DataSetKM() : FamilyDataset(thisFamily(), std::make_unique<PropertiesKM>()) {}
