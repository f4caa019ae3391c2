#pragma once

#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QBuffer>
#include <QObject>
#include <functional>

class QAudioOutput;

// Acoustic feedback while recording: plays short tones whose pitch follows the signal.
class ToneGenerator : public QObject
{
    Q_OBJECT
public:
    ToneGenerator();
    ~ToneGenerator() override;

    // Synthesises a tone gliding from the previous tone's pitch to `frequency` and plays it,
    // cutting off a tone still playing. Does nothing without an audio device.
    void playTone(double frequency, int byteCount);

    bool hasOutput() const { return output != nullptr; }
    // The warning the user gets (empty title, OK) when a generator found no output device.
    static QString noDeviceText();
    const QByteArray& lastTone() const { return samples; }

    // Tests replace the platform's list of output devices.
    using DeviceLister = std::function<QList<QAudioDeviceInfo>()>;
    static void setDeviceLister(DeviceLister lister);

private:
    QAudioDeviceInfo device;
    QAudioOutput* output = nullptr;
    QAudioFormat format;
    QBuffer buffer;
    QByteArray samples;
    double previousFrequency = 100.0;
    double currentFrequency = 100.0;
};
