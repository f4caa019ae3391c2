#include "visualization/widgets/viewcamera.h"

#include <QRect>
#include <cmath>

int normalizedAngle(int angle)
{
    while (angle < 0)
        angle += fullTurn;
    while (angle > fullTurn)
        angle -= fullTurn;
    return angle;
}

QMatrix4x4 ViewCamera::view() const
{
    QMatrix4x4 v;
    v.translate(panX, panY, distance);
    v.rotate(xRot / 16.0f, 1.0f, 0.0f, 0.0f);
    v.rotate(yRot / 16.0f, 0.0f, 1.0f, 0.0f);
    v.rotate(zRot / 16.0f, 0.0f, 0.0f, 1.0f);
    return v;
}

void ViewCamera::panBy(float dx, float dy, float rate)
{
    panX += dx * rate * std::fabs(distance);
    panY -= dy * rate * std::fabs(distance);
}

void ViewCamera::zoomBy(int delta)
{
    distance += delta * 0.0025f;
}

QMatrix4x4 viewProjection(int width, int height)
{
    QMatrix4x4 p;
    p.perspective(60.0f, float(width) / float(height == 0 ? 1 : height), 0.1f, 200.0f);
    return p;
}

QMatrix4x4 terrainModel(float zScale, float minH)
{
    QMatrix4x4 m;
    m.translate(0.0f, 0.0f, -zScale * minH);
    m.scale(1.0f, 1.0f, zScale);
    return m;
}

QVector3D eyePosition(const QMatrix4x4& view)
{
    const QMatrix3x3 r = view.toGenericMatrix<3, 3>();
    const QVector3D t = view.column(3).toVector3D();
    QVector3D eye;
    for (int i = 0; i < 3; ++i)
        eye[i] = -(r(0, i) * t[0] + r(1, i) * t[1] + r(2, i) * t[2]);
    return eye;
}

QPointF projectToWidget(const QVector3D& point, const QMatrix4x4& modelView,
                        const QMatrix4x4& projection, int width, int height)
{
    const QVector3D p = point.project(modelView, projection, QRect(0, 0, width, height));
    return QPointF(p.x(), height - p.y());
}
