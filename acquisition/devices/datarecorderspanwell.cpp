#include "acquisition/devices/datarecorderspanwell.h"

using namespace MessageFields;

void decodeSpanwellFields(const QByteArray& m, FamilyState& state, const MessageContext& context,
                          DecodedMessage& out)
{
    static const StatusLayout layout{SensorControlsSource::None, -1, 16, {14}};
    decodeStatusMessage(m, state, context, out, layout);
}

const RecorderFamily spanwellRecorderFamily = {
    2, 20, ShortMessageReport::WithLength, BatteryRule::ToleratesOne,
    SamplingGate::Trigger, RecorderControls::None, 10, decodeSpanwellFields};
