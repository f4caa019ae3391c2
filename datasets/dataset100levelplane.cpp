#include "datasets/dataset100levelplane.h"

static constexpr DatasetFamily table{13, "SV-100Levelplane 3D-File ", FieldInput::WidthAndLength, 0, SensorControls::Settable, false};

Properties100Levelplane::Properties100Levelplane() : FamilyProperties(table.fieldInput) {}
DataSet100Levelplane::DataSet100Levelplane() : FamilyDataset(table, std::make_unique<Properties100Levelplane>()) {}
