#include "datasets/datasetzseries.h"

namespace {
const DatasetFamily& thisFamily()
{
    static const DatasetFamily table{1, "SV-ZSeries 3D-File ", FieldInput::WidthAndLength, 0, SensorControls::Settable, false};
    return table;
}
} // namespace

PropertiesZSeries::PropertiesZSeries() : FamilyProperties(thisFamily().fieldInput) {}

DataSetZSeries::DataSetZSeries() : FamilyDataset(thisFamily(), std::make_unique<PropertiesZSeries>()) {}
