#pragma once

#include "visualization/terrainpick.h"

#include <QFrame>
#include <optional>

class QLabel;
class ProfilePlot;
class Terrain;

// The read-out of the picked point under the side panel's controls: the track and row, the
// recorded reading (and the drawn one when filters change it), the distances from the start
// corner, and the profiles along the track and across the field through the point. Hidden
// while nothing is picked.
class PickReadout : public QFrame
{
    Q_OBJECT
public:
    explicit PickReadout(QWidget* parent = nullptr);

    void showPoint(const Terrain* terrain, const std::optional<TerrainPoint>& point);

    QLabel* placeText() const { return place; }
    QLabel* readingText() const { return reading; }
    QLabel* distanceText() const { return distance; }
    // Shown for a dataset with a position and a bearing.
    QLabel* positionText() const { return position; }
    ProfilePlot* trackPlot() const { return alongTrack; }
    ProfilePlot* rowPlot() const { return acrossField; }

signals:
    // A plot was tapped: it is to be shown large.
    void plotOpened(ProfilePlot* plot);

private:
    QLabel* place = nullptr;
    QLabel* reading = nullptr;
    QLabel* distance = nullptr;
    QLabel* position = nullptr;
    ProfilePlot* alongTrack = nullptr;
    ProfilePlot* acrossField = nullptr;
};
