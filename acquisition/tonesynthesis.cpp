#include "acquisition/tonesynthesis.h"

#include <QtEndian>
#include <cmath>

QByteArray synthesizeTone(double fromHz, double toHz, int byteCount)
{
    constexpr int bytesPerFrame = 2; // 16 bits, one channel
    QByteArray samples(std::max(0, byteCount), '\0');
    const int frames = byteCount / bytesPerFrame;
    if (frames <= 0)
        return samples;

    const double twoPi = 2.0 * M_PI;
    const double k = twoPi / toneSampleRate;
    double phase = 0.0;
    double step = fromHz * k;
    double amplitude = 0.0;
    const double glide = (toHz - fromHz) * k / frames;
    const double envelopeStep = 0.375 / frames;

    char* out = samples.data();
    int remaining = byteCount;
    while (remaining >= bytesPerFrame) {
        const auto value = qint16(int(std::sin(phase) * amplitude * 32767));
        qToLittleEndian<qint16>(value, out);
        out += bytesPerFrame;
        remaining -= bytesPerFrame;

        phase += step;
        while (phase > twoPi)
            phase -= twoPi;
        step += glide;
        // The envelope's magnitude rises over the first half and falls over the second.
        amplitude += remaining < byteCount / 2 ? envelopeStep : -envelopeStep;
    }
    return samples;
}
