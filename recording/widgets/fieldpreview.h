#pragma once

#include "recording/widgets/recordingvisualization.h"

#include <QIcon>
#include <climits>

class QHBoxLayout;
class QLabel;
class QSpacerItem;
class QVBoxLayout;
class TrackWidget;

// Live view that draws the field while it is walked: a coloured column per finished track in
// walking order, and the growing column of the track being walked.
class FieldPreview : public RecordingVisualization
{
    Q_OBJECT
public:
    explicit FieldPreview(QObject* parent = nullptr);
    ~FieldPreview() override;

    QString title() override;
    QIcon icon() override;
    bool accepts(Dataset* dataset) override;
    void setDataset(Dataset* dataset) override;
    void addValues(std::vector<std::int16_t> values) override;
    QWidget* widget() override;
    void reset() override;

    void redraw();
    void dropColumns();
    TrackWidget* addTrackColumn(QImage image, int columnCount, bool startsLeft);
    void updateTrackLabel();

    // For tests.
    int colorLow() const { return minValue; }
    int colorHigh() const { return maxValue; }
    float scaleOfRows() const { return rowScale; }
    const std::vector<TrackWidget*>& trackColumns() const { return columns; }
    QString trackLabelText() const;

private:
    void placeSpacer(bool rightToLeft);

    QWidget* strip = nullptr;
    QHBoxLayout* stripLayout = nullptr;
    QSpacerItem* spacer = nullptr;
    std::vector<TrackWidget*> columns;
    QWidget* view = nullptr;
    QLabel* trackLabel = nullptr;
    QVBoxLayout* viewLayout = nullptr;
    Dataset* dataset = nullptr;
    std::vector<std::vector<std::int16_t>> finishedTracks;
    std::vector<std::int16_t> currentTrack;
    int lastColumns = 1;
    int minValue = INT_MAX;
    int maxValue = INT_MIN;
    float rowScale = 1.0f;
    int drawnMin = 0;
    int drawnMax = 0;
    int drawnColormap = -1;
    QIcon icon_;
};
