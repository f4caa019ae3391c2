#pragma once

#include "recording/widgets/recordingvisualization.h"

#include <QPixmap>
#include <deque>
#include <memory>

class QBoxLayout;
class QLabel;
class QVBoxLayout;
class WaveletAnalyser;

// Live view of how the signal varies along the walk at different scales: a bar chart of the
// recent samples, their wavelet scalogram with the significant regions outlined, and a disc
// coloured by the significant share of the latest 15 samples.
class FrequencyAnalysis : public RecordingVisualization
{
    Q_OBJECT
public:
    explicit FrequencyAnalysis(QObject* parent = nullptr);
    ~FrequencyAnalysis() override;

    QString title() override;
    QIcon icon() override;
    bool accepts(Dataset* dataset) override;
    void setDataset(Dataset* dataset) override;
    void addValues(std::vector<std::int16_t> values) override;
    QWidget* widget() override;
    void reset() override;

    // For tests.
    QLabel* discWidget() const { return discLabel; }
    QLabel* scalogramWidget() const { return scalogramLabel; }
    QLabel* barChartWidget() const { return barLabel; }
    std::size_t longHistorySize() const { return longHistory.size(); }

private:
    // Pixels of the disc drawing's unit: the disc is one unit across in a box of two by one.
    static int discUnit();
    void applyOrientation();
    void appendSamples(const std::vector<std::int16_t>& values);
    void showCharts();
    void paintDisc();

    std::unique_ptr<WaveletAnalyser> longAnalyser;
    std::unique_ptr<WaveletAnalyser> shortAnalyser;
    QWidget* container = nullptr;
    QLabel* barLabel = nullptr;
    QLabel* scalogramLabel = nullptr;
    QLabel* discLabel = nullptr;
    QPixmap discPixmap;
    QBoxLayout* mainLayout = nullptr;
    QVBoxLayout* chartLayout = nullptr;
    QIcon icon_;
    bool landscape = false;
    Dataset* dataset = nullptr;
    std::deque<int> longHistory;
    std::deque<int> shortHistory;
};
