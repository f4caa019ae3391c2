#pragma once

#include "visualization/terrain.h"

#include <QMutex>
#include <QObject>
#include <QWaitCondition>
#include <functional>
#include <memory>
#include <optional>

class QThread;

// Builds terrains on one worker thread, so that the window keeps answering while a large
// field is built. Only the newest request counts: one not yet started is replaced by a later
// one, and the result of any but the newest is dropped. Results reach `deliver` on the
// thread that owns the builder. Destroying the builder waits for a running build.
class TerrainBuilder : public QObject
{
public:
    using Delivery = std::function<void(std::shared_ptr<Terrain>)>;

    explicit TerrainBuilder(Delivery deliver, QObject* parent = nullptr);
    ~TerrainBuilder() override;

    void request(TerrainSource source, TerrainStart start, const Dataset* dataset);
    // Nothing requested so far is delivered.
    void cancel();
    // A request is waiting, running or not yet delivered.
    bool busy() const { return delivered != requested; }

private:
    struct Job
    {
        quint64 serial = 0;
        TerrainSource source;
        TerrainStart start;
        const Dataset* dataset = nullptr;
    };

    void work();
    void finished(quint64 serial, std::shared_ptr<Terrain> terrain);

    Delivery deliver;
    // Counted on the owning thread only.
    quint64 requested = 0;
    quint64 delivered = 0;

    QMutex mutex;
    QWaitCondition wake;
    std::optional<Job> pending;
    bool stopping = false;
    QThread* worker = nullptr;
};
