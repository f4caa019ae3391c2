#include "visualization/terrainbuilder.h"

#include <QThread>

TerrainBuilder::TerrainBuilder(Delivery deliver, QObject* parent)
    : QObject(parent)
    , deliver(std::move(deliver))
{
    worker = QThread::create([this] { work(); });
    worker->start();
}

TerrainBuilder::~TerrainBuilder()
{
    {
        QMutexLocker lock(&mutex);
        stopping = true;
        pending.reset();
    }
    wake.wakeAll();
    worker->wait();
    delete worker;
}

void TerrainBuilder::request(TerrainSource source, TerrainStart start, const Dataset* dataset)
{
    {
        QMutexLocker lock(&mutex);
        pending = Job{++requested, std::move(source), start, dataset};
    }
    wake.wakeAll();
}

void TerrainBuilder::cancel()
{
    QMutexLocker lock(&mutex);
    pending.reset();
    delivered = ++requested;
}

void TerrainBuilder::work()
{
    for (;;) {
        Job job;
        {
            QMutexLocker lock(&mutex);
            while (!pending && !stopping)
                wake.wait(&mutex);
            if (stopping)
                return;
            job = std::move(*pending);
            pending.reset();
        }
        auto terrain = std::make_shared<Terrain>(std::move(job.source), job.start, job.dataset);
        // Posted to the builder: the event goes with it when the builder is destroyed first.
        QMetaObject::invokeMethod(
            this, [this, serial = job.serial, terrain] { finished(serial, terrain); }, Qt::QueuedConnection);
    }
}

void TerrainBuilder::finished(quint64 serial, std::shared_ptr<Terrain> terrain)
{
    if (serial != requested)
        return;
    delivered = serial;
    deliver(std::move(terrain));
}
