#include "acquisition/probefamily.h"
#include "probemessage.h"

#include <benchmark/benchmark.h>

#include <string>

// Messages decoded per second for each family, the way the recorder decodes them while
// recording (dataset attached, recording active), enciphered or plain.
static void decodeFamilyMessages(benchmark::State& state, const ProbeFamily& family, bool encipher)
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

// One pair of benchmarks per family of the table, named after its recorder class.
[[maybe_unused]] static const bool registered = [] {
    for (const ProbeFamily& family : probeFamilies) {
        const std::string name = std::string("decodeFamilyMessages/DataRecorder") + family.name;
        benchmark::RegisterBenchmark((name + "_enciphered").c_str(), decodeFamilyMessages, family, true);
        benchmark::RegisterBenchmark((name + "_plain").c_str(), decodeFamilyMessages, family, false);
    }
    return true;
}();
