#pragma once

#include <QMatrix4x4>
#include <QRectF>
#include <QString>
#include <array>
#include <vector>

class QPainter;
class Terrain;

// The matrices and size of the frame the 2D overlay is painted over.
struct OverlayFrame
{
    QMatrix4x4 model;
    QMatrix4x4 view;
    QMatrix4x4 projection;
    int width = 0;
    int height = 0;
};

// The start-corner marker and the field-dimension labels, in the grid's translucency.
void paintFieldMarks(QPainter& painter, const Terrain& terrain, const OverlayFrame& frame);

// Lifts each text box above the earlier boxes it overlaps, so that labels which meet at a
// corner of the field (the last width and length labels) stay readable at any font size.
void liftOverlapping(std::vector<QRectF>& boxes);

// The cross on the picked point: magenta on a black rim, which stands out on every colour map.
void paintPickMarker(QPainter& painter, QPointF at, double dpi);

// Texts at the ends of the colour bar: what the range was taken from above its top, and the
// readings its ends stand for.
struct LegendEnds
{
    QString caption;
    QString low;
    QString high;
};

// The colour bar down the right edge, high values on top, with the share of the values in
// each fifth of the range beside it. `dpi` is the screen's pixels per inch.
void paintColorLegend(QPainter& painter, int width, int height, double dpi, int map,
                      const std::array<int, 5>& percentages, const LegendEnds* ends = nullptr);

// How many steps the depth scale divides an edge of `span` pixels into: one label per two
// lines of text, but at least one step (two labels), however large the font, and at most
// twelve (one a metre), however close the camera comes.
int depthScaleSteps(double span, int fontHeight);

// Metres below the surface along the right-most upright edge of the depth box; returns how
// many labels it drew.
int paintDepthScale(QPainter& painter, const Terrain& terrain, const OverlayFrame& frame,
                     float soilDepth, float depthFactor);
