#include "brolsensormessage.h"
#include "acquisition/xtea.h"

#include <benchmark/benchmark.h>

// One scanner message deciphered per iteration: the link's per-message cost.
static void decipherOneMessage(benchmark::State& state)
{
    BrolSensorMessage fields;
    fields.reading = 1234 * 256;
    const QByteArray sent = encodeBrolSensorMessage(fields, true);
    for (auto _ : state) {
        QByteArray message = sent;
        decipherPayload(message);
        benchmark::DoNotOptimize(message.data());
    }
    state.SetBytesProcessed(state.iterations() * sent.size());
}
BENCHMARK(decipherOneMessage);

// Large payloads, for the throughput of the cipher itself.
static void decipherPayloadBytes(benchmark::State& state)
{
    QByteArray sent(int(state.range(0)), '\x5a');
    sent[1] = char(encipheredFlag);
    for (auto _ : state) {
        QByteArray message = sent;
        decipherPayload(message);
        benchmark::DoNotOptimize(message.data());
    }
    state.SetBytesProcessed(state.iterations() * sent.size());
}
BENCHMARK(decipherPayloadBytes)->Arg(1 << 10)->Arg(1 << 16);
