#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// Geometry of the field drawing on the walking direction chooser: four tracks between five
// upright lines, one arrow per track and a circle on each corner.
// Corners: 0 top-left, 1 bottom-left, 2 bottom-right, 3 top-right.
namespace WalkingDirectionGeometry {

constexpr int trackCount = 4;
constexpr int penWidth = 2;

struct Margins
{
    int x;
    int y;
};

Margins margins(const QSize& widget);

// Horizontal distance between two upright lines.
int trackStep(const QSize& widget, const Margins& m);

std::array<QPoint, 4> cornerCentres(const QSize& widget, const Margins& m);

// Radius of the grey corner circles; the chosen corner gets a dot of 0.66 of it.
int cornerRadius(const Margins& m);

// A press selects every corner within this distance; a later corner wins where they overlap.
int hitRadius(const Margins& m);

// The corner a press at `press` chooses, or `current` when it is near none.
int hitCorner(const QPoint& press, const QSize& widget, const Margins& m, int current);

// Whether the arrow of each track, left to right, points down: the leftmost follows the
// walk from the chosen corner, and in zig-zag every next one turns round.
std::array<bool, trackCount> arrowsPointDown(int corner, bool parallel);

// Where the arrow of track k (0 = leftmost) is drawn.
QRect arrowRect(int k, const QSize& widget, const Margins& m);

// Size of the zig-zag and parallel buttons (also their icon size) for the chooser's size.
QSize patternButtonSize(const QSize& chooser);

} // namespace WalkingDirectionGeometry
