#pragma once

#include <QByteArray>

class Dataset;
class LiveSampleSink;

// A probe family's live recorder: decodes the scanner's messages and fills a dataset.
class DataRecorder
{
public:
    virtual void setDataset(Dataset* dataset) = 0;
    virtual void processData(QByteArray& buffer) = 0;
    virtual void addVisualization(LiveSampleSink* view) = 0;
    virtual void clearVisualizations() = 0;
    virtual void startRecording() = 0;
    virtual void stopRecording() = 0;
    virtual int batteryLevel() = 0;
    // False when the recorder's tone generator found no audio output device.
    virtual bool hasToneOutput() const = 0;
    // The link dropped: the open track keeps the samples up to the first tick after the last
    // message, which sampled that message's reading; later ticks only repeated it.
    virtual void dropSamplesAfterLastMessage() = 0;

protected:
    // Owners delete recorders through their concrete class (or QObject), never through this.
    ~DataRecorder() = default;
};
