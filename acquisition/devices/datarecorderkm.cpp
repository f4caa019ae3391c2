#include "acquisition/devices/datarecorderkm.h"

using namespace MessageFields;

namespace {
void decodeFields(const QByteArray& m, FamilyState&, const MessageContext& context, DecodedMessage& out)
{
    if (!addSingleSensorProperties(m, context, out))
        return;
    const std::int32_t reading = s24(m, 4);
    out.hasValue = true;
    out.value = std::int16_t(reading / 256);
    out.debugLines << QStringLiteral("Sensor1 (Original Data - 21bit): %1").arg(reading)
                   << QStringLiteral("Sensor1 (Mapped to 16bit): %1").arg(out.value);
}
} // namespace

const RecorderFamily kmRecorderFamily = {
    10, 7, ShortMessageReport::TransmissionError, BatteryRule::ToleratesOne,
    SamplingGate::NotPaused, RecorderControls::ValuePauseNextTrack, 4, decodeFields};
