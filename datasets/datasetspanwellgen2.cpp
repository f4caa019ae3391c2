#include "datasets/datasetspanwellgen2.h"

namespace {
const DatasetFamily& thisFamily()
{
    static const DatasetFamily table{3, "SV-Spanwell 3D-File ", FieldInput::WidthAndLength, 1, SensorControls::On, true};
    return table;
}
} // namespace

PropertiesSpanwellGen2::PropertiesSpanwellGen2() : FamilyProperties(thisFamily().fieldInput) {}

DataSetSpanwellGen2::DataSetSpanwellGen2() : FamilyDataset(thisFamily(), std::make_unique<PropertiesSpanwellGen2>()) {}
