// Any bytes from the link, for any probe family and recorder state: the decoder neither
// reads past the message nor crashes, and only accepted messages carry values or properties.
#include "acquisition/probefamily.h"

#include <cstdint>
#include <cstdlib>

namespace {
// The decoders' debug lines would drown the fuzzer's own output.
const QtMessageHandler quiet = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the family (by its place in the table) and the context; the rest is
    // a run of messages separated by 0xFF 0xFE, decoded with one shared state as the link
    // would deliver them.
    const ProbeFamily& family = probeFamilies[data[0] % std::size(probeFamilies)];
    const MessageContext context{(data[0] & 0x10) != 0, (data[0] & 0x20) != 0};
    FamilyState state;
    const QByteArray stream(reinterpret_cast<const char*>(data + 1), int(size - 1));
    for (QByteArray message : stream.split(char(0xFF))) {
        const int length = message.size();
        const DecodedMessage decoded = decodeMessage(family, message, state, context);
        if (!decoded.accepted && (decoded.hasValue || !decoded.properties.empty()))
            std::abort();
        if (decoded.accepted && length < family.minimumLength)
            std::abort();
        if ((decoded.hasValue || !decoded.properties.empty()) && !context.datasetAttached)
            std::abort();
    }
    return 0;
}
