#pragma once

#include "recording/gradientlevel.h"
#include "recording/widgets/recordingvisualization.h"

class GradientVisualization;

// Live view for the Z-Series family: how the newest sample departs from the recent level,
// drawn as a bell curve that moves and grows with it. Reacts only while the probe's sensor
// controls are on.
class GradientAnalysis : public RecordingVisualization
{
    Q_OBJECT
public:
    explicit GradientAnalysis(QObject* parent = nullptr);
    ~GradientAnalysis() override;

    QString title() override;
    QIcon icon() override;
    bool accepts(Dataset* dataset) override;
    void setDataset(Dataset* dataset) override;
    void addValues(std::vector<std::int16_t> values) override;
    QWidget* widget() override;
    void reset() override;

    // For tests.
    const std::list<std::int16_t>& samples() const { return history.samples(); }
    GradientVisualization* visualization() const { return view; }

private:
    Dataset* dataset = nullptr;
    QIcon icon_;
    GradientVisualization* view = nullptr;
    GradientHistory history;
};
