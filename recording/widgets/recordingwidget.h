#pragma once

#include <QWidget>
#include <memory>
#include <vector>

class DataRecorder;
class Dataset;
class ProbeInterface;
class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class RecordingVisualization;
class VisualizationChooser;

// The screen on which the operator walks the field: RECORD and STOP, the recorder's own
// controls while recording, one chosen live view, and naming and saving at STOP.
class RecordingWidget : public QWidget
{
    Q_OBJECT
public:
    explicit RecordingWidget(ProbeInterface* probe, QWidget* parent = nullptr);
    ~RecordingWidget() override;

    bool isRecording() const { return recording; }
    // The link dropped during a recording: ends it and saves what was walked without asking
    // for a name. Returns the name saved under, or an empty string when nothing was saved.
    QString saveInterruptedRecording();

    // For tests and screenshots.
    VisualizationChooser* visualizationChooser() const { return chooser; }
    RecordingVisualization* currentVisualization() const { return current; }
    const std::vector<RecordingVisualization*>& views() const { return visualizations; }
    QPushButton* recordButtonWidget() const { return recordButton; }
    QPushButton* stopButtonWidget() const { return stopButton; }
    const std::vector<QWidget*>& recorderControls() const { return controls; }
    Dataset* currentDataset() const { return dataset.get(); }
    bool showsNoPreview() const;

signals:
    void finishedRecording(QString id, int probeId);

public slots:
    void startRecording();
    void stopRecording();
    void changeVisualization(int index);

private:
    void createVisualizations();
    void endRecording();
    void saveRecording();
    bool saveUnder(const QString& name);
    void replaceDataset();

    bool recording = false;
    ProbeInterface* probe;
    DataRecorder* recorder;
    std::unique_ptr<Dataset> dataset;
    QBoxLayout* mainLayout = nullptr;
    QHBoxLayout* buttonBar = nullptr;
    QLabel* noPreviewLabel = nullptr;
    VisualizationChooser* chooser = nullptr;
    QPushButton* recordButton = nullptr;
    QPushButton* stopButton = nullptr;
    QBoxLayout* buttonColumn = nullptr;
    std::vector<RecordingVisualization*> visualizations;
    std::vector<QWidget*> controls;
    RecordingVisualization* current = nullptr;
};
