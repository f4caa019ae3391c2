#include "datasets/dataset85plumbset.h"

static constexpr DatasetFamily table{21, "SV-85Plum.P 3D-File ", FieldInput::WidthAndLength, 1, SensorControls::On, true};

Properties85Plumbset::Properties85Plumbset() : FamilyProperties(table.fieldInput) {}
DataSet85Plumbset::DataSet85Plumbset() : FamilyDataset(table, std::make_unique<Properties85Plumbset>()) {}
