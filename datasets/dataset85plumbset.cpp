#include "datasets/dataset85plumbset.h"

namespace {
const DatasetFamily& thisFamily()
{
    static const DatasetFamily table{21, "SV-85Plum.P 3D-File ", FieldInput::WidthAndLength, 1, SensorControls::On, true};
    return table;
}
} // namespace

Properties85Plumbset::Properties85Plumbset() : FamilyProperties(thisFamily().fieldInput) {}

DataSet85Plumbset::DataSet85Plumbset() : FamilyDataset(thisFamily(), std::make_unique<Properties85Plumbset>()) {}
