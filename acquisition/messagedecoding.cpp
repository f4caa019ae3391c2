#include "acquisition/messagedecoding.h"

#include "acquisition/probefamily.h"
#include "acquisition/xtea.h"

#include <cstdlib>

namespace {
bool batteryAccepted(const ProbeFamily& family, QByteArray& message, FamilyState& state)
{
    const int level = std::int8_t(message[3]);
    const int change = state.battery - level;
    state.battery = level;
    return family.batteryRule == BatteryRule::AnyChange ? change == 0 : std::abs(change) <= 1;
}

void reportShortMessage(const ProbeFamily& family, int length, DecodedMessage& out)
{
    switch (family.shortReport) {
    case ShortMessageReport::TransmissionError:
        out.debugLines << QStringLiteral("Wrong Data (Transmission errror)");
        break;
    case ShortMessageReport::WithLength:
        out.debugLines << QStringLiteral("Wrong Data: %1").arg(length);
        break;
    case ShortMessageReport::Silent:
        break;
    }
}
} // namespace

DecodedMessage decodeMessage(const ProbeFamily& family, QByteArray& message, FamilyState& state,
                             const MessageContext& context)
{
    DecodedMessage out;
    if (message.size() < family.minimumLength || message.size() < 4) {
        reportShortMessage(family, message.size(), out);
        return out;
    }
    if (isEnciphered(message))
        decipherPayload(message);
    if (!batteryAccepted(family, message, state))
        return out;
    out.accepted = true;
    family.decodeFields(family, message, state, context, out);
    return out;
}
