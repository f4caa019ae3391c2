#pragma once

#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>
#include <QObject>
#include <functional>

// GPS positioning that feeds currentPosition: started and stopped by turns, the position
// source made on first use and again after an error. Shows nothing; failures are signalled.
class PositionTracker : public QObject
{
    Q_OBJECT
public:
    // Tests supply their own source; without a factory the platform's default is used.
    using SourceFactory = std::function<QGeoPositionInfoSource*(QObject* parent)>;
    static void setSourceFactory(SourceFactory factory);

    explicit PositionTracker(QObject* parent = nullptr);

    void toggle();
    bool isActive() const { return active; }

signals:
    void activeChanged(bool active);
    // The platform has no position source at all.
    void sourceUnavailable();
    void failed(QString reason);

private:
    bool makeSource();
    void updatePosition(const QGeoPositionInfo& info);
    void sourceError(QGeoPositionInfoSource::Error error);

    QGeoPositionInfoSource* source = nullptr;
    bool active = false;
};
