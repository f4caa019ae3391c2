// Any bytes from the link, for any probe family and recorder state: the decoder neither
// reads past the message nor crashes, and only accepted messages carry values or properties.
#include "acquisition/devices/datarecorder100levelplane.h"
#include "acquisition/devices/datarecorder50levelplane.h"
#include "acquisition/devices/datarecorder85plumbset.h"
#include "acquisition/devices/datarecorderbrolsensor.h"
#include "acquisition/devices/datarecorderkm.h"
#include "acquisition/devices/datarecorderspanwell.h"
#include "acquisition/devices/datarecorderspanwellgen2.h"
#include "acquisition/devices/datarecorderzseries.h"

#include <cstdint>
#include <cstdlib>

namespace {
// The decoders' debug lines would drown the fuzzer's own output.
const QtMessageHandler quiet = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const RecorderFamily* const families[] = {
        &DataRecorderBrolSensor::family, &DataRecorderKM::family, &DataRecorderZSeries::family,
        &DataRecorder50Levelplane::family, &DataRecorder100Levelplane::family,
        &DataRecorderSpanwell::family, &DataRecorderSpanwellGen2::family, &DataRecorder85Plumbset::family};
    if (size < 1)
        return 0;
    // The first byte picks the family and the context; the rest is a run of messages
    // separated by 0xFF 0xFE, decoded with one shared state as the link would deliver them.
    const RecorderFamily& family = *families[data[0] % 8];
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
