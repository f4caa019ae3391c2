#include "datasets/dataset50levelplane.h"

static constexpr DatasetFamily table{11, "SV-50Levelplane 3D-File ", FieldInput::WidthAndLength, 0, SensorControls::Settable, false};

Properties50Levelplane::Properties50Levelplane() : FamilyProperties(table.fieldInput) {}
DataSet50Levelplane::DataSet50Levelplane() : FamilyDataset(table, std::make_unique<Properties50Levelplane>()) {}
