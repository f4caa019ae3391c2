#include "datasets/dataset50levelplane.h"

namespace {
const DatasetFamily& thisFamily()
{
    static const DatasetFamily table{11, "SV-50Levelplane 3D-File ", FieldInput::WidthAndLength, 0, SensorControls::Settable, false};
    return table;
}
} // namespace

Properties50Levelplane::Properties50Levelplane() : FamilyProperties(thisFamily().fieldInput) {}

DataSet50Levelplane::DataSet50Levelplane() : FamilyDataset(thisFamily(), std::make_unique<Properties50Levelplane>()) {}
