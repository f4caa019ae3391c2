#include "acquisition/devices/datarecorder100levelplane.h"
#include "acquisition/devices/datarecorder50levelplane.h"
#include "acquisition/devices/datarecorder85plumbset.h"
#include "acquisition/devices/datarecorderbrolsensor.h"
#include "acquisition/devices/datarecorderkm.h"
#include "acquisition/devices/datarecorderspanwell.h"
#include "acquisition/devices/datarecorderspanwellgen2.h"
#include "acquisition/devices/datarecorderzseries.h"
#include "probemessage.h"

#include <benchmark/benchmark.h>

// Messages decoded per second for each family, the way the recorder decodes them while
// recording (dataset attached, recording active), enciphered or plain.
static void decodeFamilyMessages(benchmark::State& state, const RecorderFamily& family, bool encipher)
{
    ProbeReading reading;
    reading.probeId = family.probeId;
    reading.value = 1234;
    reading.battery = 0;
    reading.trigger = true;
    const QByteArray sent = encodeProbeMessage(reading, encipher);
    const MessageContext context{true, true};
    FamilyState familyState;
    for (auto _ : state) {
        QByteArray message = sent;
        DecodedMessage decoded = decodeMessage(family, message, familyState, context);
        benchmark::DoNotOptimize(decoded.value);
    }
    state.SetItemsProcessed(state.iterations());
}

#define FAMILY_BENCHMARKS(Recorder)                                                              \
    BENCHMARK_CAPTURE(decodeFamilyMessages, Recorder##_enciphered, Recorder::family, true);     \
    BENCHMARK_CAPTURE(decodeFamilyMessages, Recorder##_plain, Recorder::family, false);

FAMILY_BENCHMARKS(DataRecorderBrolSensor)
FAMILY_BENCHMARKS(DataRecorderKM)
FAMILY_BENCHMARKS(DataRecorderZSeries)
FAMILY_BENCHMARKS(DataRecorder50Levelplane)
FAMILY_BENCHMARKS(DataRecorder100Levelplane)
FAMILY_BENCHMARKS(DataRecorderSpanwell)
FAMILY_BENCHMARKS(DataRecorderSpanwellGen2)
FAMILY_BENCHMARKS(DataRecorder85Plumbset)
