#include "datasets/datasetspanwell.h"

namespace {
const DatasetFamily& thisFamily()
{
    static const DatasetFamily table{2, "SV-Spanwell 3D-File ", FieldInput::WidthAndLength, 1, SensorControls::On, true};
    return table;
}
} // namespace

PropertiesSpanwell::PropertiesSpanwell() : FamilyProperties(thisFamily().fieldInput) {}

DataSetSpanwell::DataSetSpanwell() : FamilyDataset(thisFamily(), std::make_unique<PropertiesSpanwell>()) {}
