#pragma once

#include <QWidget>
#include <memory>

class Dataset;
class ProbeInterface;
class QPushButton;

// The recording screen. Until the live views are built it offers RECORD and STOP with the
// recorder's own controls between them, and saves the dataset at STOP.
class RecordingWidget : public QWidget
{
    Q_OBJECT
public:
    explicit RecordingWidget(ProbeInterface* probe, QWidget* parent = nullptr);
    ~RecordingWidget() override;

    bool isRecording() const { return recording; }

signals:
    void finishedRecording(QString id, int probeId);

public slots:
    void startRecording();
    void stopRecording();

private:
    ProbeInterface* probe;
    std::unique_ptr<Dataset> dataset;
    QPushButton* recordButton = nullptr;
    QPushButton* stopButton = nullptr;
    bool recording = false;
};
