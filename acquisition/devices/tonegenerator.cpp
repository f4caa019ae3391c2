#include "acquisition/devices/tonegenerator.h"

#include "acquisition/tonesynthesis.h"

#include <QAudioOutput>

namespace {
ToneGenerator::DeviceLister& deviceLister()
{
    static ToneGenerator::DeviceLister lister;
    return lister;
}
} // namespace

void ToneGenerator::setDeviceLister(DeviceLister lister)
{
    deviceLister() = std::move(lister);
}

ToneGenerator::ToneGenerator()
{
    const QList<QAudioDeviceInfo> devices = deviceLister()
        ? deviceLister()()
        : QAudioDeviceInfo::availableDevices(QAudio::AudioOutput);
    // Without a device the generator stays silent; whoever made it tells the user (noDeviceText).
    if (devices.isEmpty())
        return;
    device = devices.first();
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setSampleType(QAudioFormat::SignedInt);
    format.setSampleSize(16);
    format.setSampleRate(toneSampleRate);
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setChannelCount(1);
    output = new QAudioOutput(device, format, this);
}

ToneGenerator::~ToneGenerator()
{
    if (output) {
        output->stop();
        output->setParent(nullptr);
        output->deleteLater();
    }
}

QString ToneGenerator::noDeviceText()
{
    return tr("No audio device found. Sound will not be available.");
}

void ToneGenerator::playTone(double frequency, int byteCount)
{
    if (!output)
        return;
    previousFrequency = currentFrequency;
    currentFrequency = frequency;
    samples = synthesizeTone(previousFrequency, currentFrequency, byteCount);

    output->stop();
    buffer.close();
    buffer.setBuffer(&samples);
    buffer.open(QIODevice::ReadOnly);
    output->start(&buffer);
}
