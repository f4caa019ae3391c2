#include "visualization/terrainbuilder.h"

TerrainBuilder::TerrainBuilder(Delivery deliver, QObject* parent)
    : QObject(parent)
    , deliver(std::move(deliver))
{
    worker = std::thread([this] { work(); });
}

TerrainBuilder::~TerrainBuilder()
{
    {
        const std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
        pending.reset();
    }
    wake.notify_all();
    worker.join();
}

void TerrainBuilder::request(TerrainSource source, TerrainStart start, const Dataset* dataset)
{
    {
        const std::lock_guard<std::mutex> lock(mutex);
        pending = Job{++requested, std::move(source), start, dataset};
    }
    wake.notify_all();
}

void TerrainBuilder::cancel()
{
    const std::lock_guard<std::mutex> lock(mutex);
    pending.reset();
    delivered = ++requested;
}

void TerrainBuilder::work()
{
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait(lock, [this] { return pending || stopping; });
            if (stopping)
                return;
            job = std::move(*pending);
            pending.reset();
        }
        auto terrain = std::make_shared<Terrain>(std::move(job.source), job.start, job.dataset);
        {
            const std::lock_guard<std::mutex> lock(mutex);
            finished = Result{job.serial, std::move(terrain)};
        }
        // Posted to the builder: the event goes with it when the builder is destroyed first.
        QMetaObject::invokeMethod(this, [this] { takeResult(); }, Qt::QueuedConnection);
    }
}

void TerrainBuilder::takeResult()
{
    std::optional<Result> result;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        result.swap(finished);
    }
    if (!result || result->serial != requested)
        return;
    delivered = result->serial;
    deliver(std::move(result->terrain));
}
