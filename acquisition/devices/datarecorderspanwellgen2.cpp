#include "acquisition/devices/datarecorderspanwellgen2.h"

using namespace MessageFields;

namespace {
void decodeFields(const QByteArray& m, FamilyState& state, const MessageContext& context, DecodedMessage& out)
{
    static const StatusLayout layout{SensorControlsSource::None, -1, 16, {10}};
    decodeStatusMessage(m, state, context, out, layout);
}
} // namespace

const RecorderFamily spanwellGen2RecorderFamily = {
    3, 20, ShortMessageReport::WithLength, BatteryRule::ToleratesOne,
    SamplingGate::Trigger, RecorderControls::None, 10, decodeFields};
