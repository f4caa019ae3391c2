#include "acquisition/devices/datarecorder50levelplane.h"

using namespace MessageFields;

namespace {
void decodeFields(const QByteArray& m, FamilyState& state, const MessageContext& context, DecodedMessage& out)
{
    static const StatusLayout layout{SensorControlsSource::AlwaysFalse, 2, 34, {14, 32}};
    decodeStatusMessage(m, state, context, out, layout);
}
} // namespace

const RecorderFamily levelplane50RecorderFamily = {
    11, 38, ShortMessageReport::Silent, BatteryRule::ToleratesOne,
    SamplingGate::NotPaused, RecorderControls::PauseNextTrack, 4, decodeFields};
