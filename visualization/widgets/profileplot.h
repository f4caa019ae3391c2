#pragma once

#include "app/colormap.h"
#include "visualization/terrainreadout.h"

#include <QWidget>

// A small line plot of a profile through the picked point: the readings against metres from the
// start corner, the colour map's range shaded behind them and the picked point marked. A tap
// asks for it to be opened large (opened).
class ProfilePlot : public QWidget
{
    Q_OBJECT
public:
    explicit ProfilePlot(const QString& title, QWidget* parent = nullptr);

    // colorRange and colormap: the readings the terrain's colours span, and its colour map.
    void setProfile(const Profile& profile, ValueRange colorRange, int colormap);
    const Profile& profile() const { return profile_; }
    ValueRange colorRange() const { return range_; }
    int colormap() const { return map_; }
    QString title() const { return title_; }
    // Where reading i is drawn, in widget pixels.
    QPointF pointOf(size_t i) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void opened();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRectF plotArea() const;
    void paintAxes(class QPainter& painter, const QRectF& area) const;

    QString title_;
    Profile profile_;
    ValueRange range_;
    int map_ = 1;
    double lowest = 0, highest = 1;
};
