#pragma once

#include <QMatrix4x4>
#include <QPointF>
#include <QVector3D>

// Rotations are counted in sixteenths of a degree; a full turn is 5760.
constexpr int fullTurn = 5760;

// Brings an angle into 0 .. 5760 (both ends kept as they are).
int normalizedAngle(int angle);

// Where the camera of the 3D view stands: turned about x, y and z, then moved by the pan and
// the distance.
struct ViewCamera
{
    int xRot = 0;
    int yRot = 0;
    int zRot = 0;
    float distance = -5.0f;
    float panX = 0.0f;
    float panY = 0.0f;

    QMatrix4x4 view() const;
    // A pan by (dx, dy) pixels, `rate` scene units per pixel at distance 1.
    void panBy(float dx, float dy, float rate);
    // `delta` in eighths of a degree, 120 per wheel notch.
    void zoomBy(int delta);
};

// 60 degrees vertical field of view, near 0.1, far 200; a zero height counts as 1.
QMatrix4x4 viewProjection(int width, int height);

// The terrain's model matrix: heights scaled by zScale with the lowest point kept at 0.
QMatrix4x4 terrainModel(float zScale, float minH);

// The eye in the rotated frame, -R^T t of the view matrix: the light sits there.
QVector3D eyePosition(const QMatrix4x4& view);

// A scene point on the widget, y counted from the top.
QPointF projectToWidget(const QVector3D& point, const QMatrix4x4& modelView,
                        const QMatrix4x4& projection, int width, int height);
