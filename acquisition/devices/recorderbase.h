#pragma once

#include "acquisition/devices/datarecorder.h"
#include "acquisition/probefamily.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <vector>

class ToneGenerator;

// What all probe families' recorders share: the 60 ms sampling clock, the track and pause
// logic, the tone and the read-out. A family differs only in its row of the family table. The
// recording screen builds the controls and follows the signals.
class RecorderBase : public QObject, public DataRecorder
{
    Q_OBJECT
public:
    ~RecorderBase() override;

    void processData(QByteArray& buffer) override;
    void addVisualization(LiveSampleSink* view) override;
    void clearVisualizations() override;
    void startRecording() override;
    void stopRecording() override;
    int batteryLevel() override;
    bool hasToneOutput() const override;
    void dropSamplesAfterLastMessage() override;

    const ProbeFamily& family() const { return family_; }
    RecorderControls controlsKind() const { return family_.controls; }
    bool isPaused() const { return paused; }
    bool isRecording() const { return recordingActive; }
    std::int16_t currentValue() const { return currentValue_; }
    const std::vector<std::int16_t>& openTrack() const { return currentTrack; }
    bool sensorControls() const { return state.sensorControls; }

    // Plays the feedback tone: `frequency` in Hz, `byteCount` bytes of samples.
    using TonePlayer = std::function<void(double frequency, int byteCount)>;
    // Tests hear the tones here; null gives them back to the recorder's tone generator.
    void setTonePlayer(TonePlayer player);

signals:
    void pausedChanged(bool paused);
    // The change of the last two samples, once the open track holds two.
    void valueChangeInPercent(int percent);

public slots:
    void pauseRecording();
    void changeRow();
    void update();

protected:
    explicit RecorderBase(const ProbeFamily& family);
    bool hasDataset() const { return dataset != nullptr; }
    void attach(Dataset* d) { dataset = d; }
    // Appends a finished track to the family's own dataset class.
    virtual void commitTrack(std::vector<std::int16_t> track) = 0;

private:
    bool samplingAllowed() const;
    bool linkIsDelivering() const;
    void commitOpenTrack();
    void playFeedbackTone();
    void showValueChange();

    const ProbeFamily& family_;
    Dataset* dataset = nullptr;
    std::vector<LiveSampleSink*> views;
    FamilyState state;
    bool recordingActive = false;
    // A reading was decoded since the recording was armed: until then nothing is sampled.
    bool valueSinceArmed = false;
    std::vector<std::int16_t> currentTrack;
    bool paused = true;
    QTimer sampleTimer;
    std::int16_t currentValue_ = 0;
    ToneGenerator* tone = nullptr;
    TonePlayer playTone;
    int sampleCounter = 0;
    std::int16_t previousValue = 0;
    int valueChange = 0;
    // When the link last delivered a message, and how many samples the open track held then.
    QElapsedTimer sinceLastMessage;
    std::size_t samplesAtLastMessage = 0;
};
