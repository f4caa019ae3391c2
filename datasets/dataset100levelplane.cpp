#include "datasets/dataset100levelplane.h"

namespace {
const DatasetFamily& thisFamily()
{
    static const DatasetFamily table{13, "SV-100Levelplane 3D-File ", FieldInput::WidthAndLength, 0, SensorControls::Settable, false};
    return table;
}
} // namespace

Properties100Levelplane::Properties100Levelplane() : FamilyProperties(thisFamily().fieldInput) {}

DataSet100Levelplane::DataSet100Levelplane() : FamilyDataset(thisFamily(), std::make_unique<Properties100Levelplane>()) {}
