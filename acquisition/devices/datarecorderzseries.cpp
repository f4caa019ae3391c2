#include "acquisition/devices/datarecorderzseries.h"

using namespace MessageFields;

namespace {
// While the probe drives the recording it reports the difference of two sensor pairs.
std::int16_t difference(const QByteArray& m)
{
    return std::int16_t(s16(m, 10) - s16(m, 28));
}

void decodeFields(const QByteArray& m, FamilyState& state, const MessageContext& context, DecodedMessage& out)
{
    static const StatusLayout layout{SensorControlsSource::Computed, 0, 34, {14, 20, 26, 32}};
    decodeStatusMessage(m, state, context, out, layout, difference);
}
} // namespace

const RecorderFamily zSeriesRecorderFamily = {
    1, 38, ShortMessageReport::Silent, BatteryRule::ToleratesOne,
    SamplingGate::TriggerWithSensorControls, RecorderControls::PauseNextTrack, 10, decodeFields};
