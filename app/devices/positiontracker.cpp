#include "app/devices/positiontracker.h"

#include "app/appsettings.h"

#include <QDebug>

namespace {
constexpr int updateIntervalMs = 10000;

PositionTracker::SourceFactory& sourceFactory()
{
    static PositionTracker::SourceFactory factory;
    return factory;
}
} // namespace

void PositionTracker::setSourceFactory(SourceFactory factory)
{
    sourceFactory() = std::move(factory);
}

PositionTracker::PositionTracker(QObject* parent)
    : QObject(parent)
{
}

void PositionTracker::toggle()
{
    if (active) {
        source->stopUpdates();
        active = false;
    } else {
        if (!source && !makeSource()) {
            emit sourceUnavailable();
            emit activeChanged(active);
            return;
        }
        active = true;
        qDebug() << "Start Positioning from " << source->sourceName();
        source->setUpdateInterval(updateIntervalMs);
        source->startUpdates();
    }
    emit activeChanged(active);
}

bool PositionTracker::makeSource()
{
    source = sourceFactory() ? sourceFactory()(this) : QGeoPositionInfoSource::createDefaultSource(this);
    if (!source)
        return false;
    connect(source, &QGeoPositionInfoSource::positionUpdated, this, &PositionTracker::updatePosition);
    connect(source, QOverload<QGeoPositionInfoSource::Error>::of(&QGeoPositionInfoSource::error), this,
            &PositionTracker::sourceError);
    connect(source, &QGeoPositionInfoSource::updateTimeout, this, [] { qDebug() << "Timeout while Positioning"; });
    return true;
}

void PositionTracker::updatePosition(const QGeoPositionInfo& info)
{
    qDebug() << "Position updated:" << info;
    currentPosition = info.coordinate();
}

void PositionTracker::sourceError(QGeoPositionInfoSource::Error error)
{
    if (!active || error == QGeoPositionInfoSource::NoError)
        return;
    QString reason;
    switch (error) {
    case QGeoPositionInfoSource::AccessError:
        reason = tr("Sorvanel3D does not have the required priviliges");
        break;
    case QGeoPositionInfoSource::ClosedError:
        reason = tr("Positioning backend closed connection");
        break;
    case QGeoPositionInfoSource::UnknownSourceError:
        reason = tr("Unknown error");
        break;
    default:
        break;
    }
    active = false;
    emit activeChanged(false);
    emit failed(reason);
    source->stopUpdates();
    source->deleteLater();
    source = nullptr;
}
