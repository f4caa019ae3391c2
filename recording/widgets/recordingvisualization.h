#pragma once

#include "recording/livesamplesink.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

class Dataset;
class QWidget;

// A live view of the recording screen, fed by the recorder with every new sample.
class RecordingVisualization : public QObject, public LiveSampleSink
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QString title() = 0;
    virtual QIcon icon() = 0;
    // Any exception while asking the dataset counts as "no".
    virtual bool accepts(Dataset* dataset) = 0;
    virtual void setDataset(Dataset* dataset) = 0;
    void addValues(std::vector<std::int16_t> values) override = 0;
    virtual QWidget* widget() = 0;
    virtual void reset() = 0;
};
