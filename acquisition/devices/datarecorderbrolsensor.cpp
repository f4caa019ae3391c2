#include "acquisition/devices/datarecorderbrolsensor.h"

#include <cmath>

using namespace MessageFields;

namespace {
void decodeFields(const QByteArray& m, FamilyState&, const MessageContext& context, DecodedMessage& out)
{
    if (!addSingleSensorProperties(m, context, out))
        return;
    const auto p = std::int16_t(s24(m, 4) / 256);
    out.debugLines << QStringLiteral("KM Sensor (Mapped to 16bit): %1").arg(p);
    const double x = s16(m, 10), y = s16(m, 12), z = s16(m, 14);
    const auto magnitude = std::int16_t(std::int64_t(std::sqrt(x * x + y * y + z * z)));
    out.debugLines << QStringLiteral("Magnetometer Value: %1").arg(magnitude);
    out.hasValue = true;
    out.value = std::int16_t(int(p) * int(magnitude));
    out.debugLines << QStringLiteral("Combined: %1").arg(out.value);
}
} // namespace

const RecorderFamily brolSensorRecorderFamily = {
    170, 18, ShortMessageReport::TransmissionError, BatteryRule::ToleratesOne,
    SamplingGate::NotPaused, RecorderControls::ValuePauseNextTrack, 4, decodeFields};
