#include "acquisition/devices/datarecorder100levelplane.h"

using namespace MessageFields;

namespace {
void decodeFields(const QByteArray& m, FamilyState& state, const MessageContext& context, DecodedMessage& out)
{
    // Reports "number of sensors" 2 like the 50 although it reads four.
    static const StatusLayout layout{SensorControlsSource::AlwaysFalse, 2, 34, {14, 20, 26, 32}};
    decodeStatusMessage(m, state, context, out, layout);
}
} // namespace

// Any change of the battery byte drops the message.
const RecorderFamily levelplane100RecorderFamily = {
    13, 38, ShortMessageReport::Silent, BatteryRule::AnyChange,
    SamplingGate::NotPaused, RecorderControls::PauseNextTrack, 4, decodeFields};
