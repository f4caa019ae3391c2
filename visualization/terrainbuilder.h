#pragma once

#include "visualization/terrain.h"

#include <QObject>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

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
    struct Result
    {
        quint64 serial = 0;
        std::shared_ptr<Terrain> terrain;
    };

    void work();
    void takeResult();

    Delivery deliver;
    // Counted on the owning thread only.
    quint64 requested = 0;
    quint64 delivered = 0;

    // The hand-over in both directions goes through this mutex (not through the event that
    // announces a result), so that every tool sees the order of the two threads' work.
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Job> pending;
    std::optional<Result> finished;
    bool stopping = false;
    std::thread worker;
};
