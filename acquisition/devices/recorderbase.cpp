#include "acquisition/devices/recorderbase.h"

#include "acquisition/devices/tonegenerator.h"
#include "app/settingskeys.h"
#include "datasets/dataset.h"
#include "recording/livesamplesink.h"

#include <QDebug>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
constexpr int samplingIntervalMs = 60;
constexpr int toneBytes = 8000;
constexpr int toneWindow = 10;
// Longer than this without a message, the current value is stale and is not sampled.
constexpr qint64 staleAfterMs = 1000;
} // namespace

RecorderBase::RecorderBase(const ProbeFamily& family)
    : family_(family)
{
    connect(&sampleTimer, SIGNAL(timeout()), this, SLOT(update()));
    sampleTimer.start(samplingIntervalMs);
    tone = new ToneGenerator;
    tone->setParent(this);
    setTonePlayer(nullptr);
}

RecorderBase::~RecorderBase() = default;

void RecorderBase::processData(QByteArray& buffer)
{
    sinceLastMessage.start();
    samplesAtLastMessage = currentTrack.size();
    const MessageContext context{dataset != nullptr, recordingActive};
    const DecodedMessage decoded = decodeMessage(family_, buffer, state, context);
    for (const QString& line : decoded.debugLines)
        qDebug().noquote() << line;
    if (!decoded.accepted || !dataset)
        return;
    for (const auto& [key, value] : decoded.properties)
        dataset->setProperty(key, value);
    if (decoded.trackToggled && paused && !currentTrack.empty())
        commitOpenTrack();
    if (decoded.hasValue) {
        currentValue_ = decoded.value;
        valueSinceArmed = recordingActive;
    }
}

void RecorderBase::addVisualization(LiveSampleSink* view)
{
    views.push_back(view);
}

void RecorderBase::clearVisualizations()
{
    views.clear();
}

void RecorderBase::startRecording()
{
    recordingActive = true;
    valueSinceArmed = false;
}

void RecorderBase::stopRecording()
{
    if (!paused)
        pauseRecording();
    if (!currentTrack.empty() && dataset)
        commitTrack(currentTrack);
    recordingActive = false;
    valueSinceArmed = false;
    currentTrack.clear();
    samplesAtLastMessage = 0;
}

int RecorderBase::batteryLevel()
{
    return state.battery;
}

bool RecorderBase::hasToneOutput() const
{
    return tone->hasOutput();
}

void RecorderBase::setTonePlayer(TonePlayer player)
{
    if (!player)
        player = [this](double frequency, int byteCount) { tone->playTone(frequency, byteCount); };
    playTone = std::move(player);
}

void RecorderBase::pauseRecording()
{
    paused = !paused;
    emit pausedChanged(paused);
}

void RecorderBase::changeRow()
{
    if (paused && !currentTrack.empty() && dataset)
        commitOpenTrack();
}

void RecorderBase::commitOpenTrack()
{
    commitTrack(currentTrack);
    currentTrack.clear();
    samplesAtLastMessage = 0;
}

void RecorderBase::dropSamplesAfterLastMessage()
{
    // The first tick after the last message sampled its reading; later ticks only repeat it.
    if (currentTrack.size() > samplesAtLastMessage + 1)
        currentTrack.resize(samplesAtLastMessage + 1);
}

bool RecorderBase::linkIsDelivering() const
{
    return sinceLastMessage.isValid() && sinceLastMessage.elapsed() <= staleAfterMs;
}

bool RecorderBase::samplingAllowed() const
{
    switch (family_.gate) {
    case SamplingGate::NotPaused: return !paused;
    case SamplingGate::Trigger: return state.triggerHeld;
    case SamplingGate::TriggerWithSensorControls: return state.sensorControls ? state.triggerHeld : !paused;
    }
    return false;
}

void RecorderBase::playFeedbackTone()
{
    const auto last = currentTrack.end() - toneWindow;
    const float mean = float(std::accumulate(last, currentTrack.end(), 0)) / toneWindow;
    const float deviation = std::fabs(mean - float(currentValue_));
    playTone(std::min(deviation, 800.0f) + 350.0, toneBytes);
}

void RecorderBase::showValueChange()
{
    // The change of the last two samples in percent of 5000 counts, at most 100.
    emit valueChangeInPercent(std::min(int(valueChange / 5000.0 * 100), 100));
}

void RecorderBase::update()
{
    if (!dataset || !recordingActive || !samplingAllowed())
        return;
    // A tick while the link is silent would write a stale value into the track, and one
    // before the first reading of this recording a value the scanner never sent.
    if (!valueSinceArmed || !linkIsDelivering())
        return;
    if (Settings::recordSound.read().toBool() && currentTrack.size() > std::size_t(toneWindow)
        && sampleCounter % family_.tonePeriod == 0)
        playFeedbackTone();

    ++sampleCounter;
    currentTrack.push_back(currentValue_);
    // Computed without 16-bit wrap-around, so a jump across more than 32767 counts reads 100.
    valueChange = std::abs(int(previousValue) - int(currentValue_));
    previousValue = currentValue_;

    if (currentTrack.size() >= 2)
        showValueChange();
    for (LiveSampleSink* view : views)
        if (view)
            view->addValues(std::vector<std::int16_t>{currentValue_});
}
