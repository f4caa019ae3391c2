// Saves datasets in the dataset folder until it is killed, the way the screens do: a finished
// recording through the dataset's save, an edit of a listed dataset's metadata, a snapshot
// that replaces a preview, and a received dataset that replaces a listed one. The first argument numbers the versions this run writes.
#include "savedversions.h"

#include "app/appsettings.h"
#include "datasets/familyclasses.h"
#include "datasets/datasetlisting.h"
#include "datasets/datasetpreview.h"
#include "datasets/datasetstore.h"
#include "datasets/transferdataset.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdio>

namespace {
// Enough datasets for edits and snapshots to hit many of them, few enough to check quickly.
constexpr std::size_t folderCapacity = 30;

void saveRecording(qint64 n)
{
    DataSetBrolSensor dataset;
    for (int t = 0; t < SavedVersions::trackCount(n); ++t)
        dataset.appendTrack(SavedVersions::track(n, t));
    dataset.setName(SavedVersions::nameOf(n));
    // The loop is killed at random; a save cut off is what it is there for.
    (void)dataset.save();
}

void editMetadata(DatasetRecord record, qint64 n)
{
    record.location = QStringLiteral("edited %1").arg(n);
    record.coordinate = QGeoCoordinate(double(n % 90), double(n % 180));
    (void)DatasetStore().storeEdit(record);
}

void writeSnapshot(const QString& id, qint64 n)
{
    QImage picture(previewSize, previewSize, QImage::Format_RGB32);
    picture.fill(QColor::fromRgb(QRgb(n * 2654435761u)));
    (void)DatasetStore().storePreview(id, picture);
}
// Another dataset's files arrive under this one's identifier, as from a peer that holds a
// newer version of it.
void receiveReplacement(const QString& id, const QString& sourceId)
{
    Result<TransferReply> reply = DatasetStore().readForTransfer(sourceId);
    if (!reply)
        return;
    reply->identifier = id;
    (void)DatasetStore().storeReceived(reply.value());
}
// An edit, a snapshot or a received replacement of one of the listed datasets.
void changeListed(const std::vector<ListedDataset>& listed, qint64 n)
{
    const ListedDataset& chosen = listed[std::size_t(n) % listed.size()];
    if (n % 4 == 1)
        editMetadata(chosen.record, n);
    else if (n % 4 == 2)
        writeSnapshot(chosen.record.identifier, n);
    else
        receiveReplacement(chosen.record.identifier,
                           listed[std::size_t(n / 4) % listed.size()].record.identifier);
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    qint64 n = argc > 1 ? QByteArray(argv[1]).toLongLong() : 0;
    std::puts("saving");
    std::fflush(stdout);
    for (;; ++n) {
        const std::vector<ListedDataset> listed = DatasetStore().list();
        if (listed.size() < folderCapacity && n % 4 == 0)
            saveRecording(n);
        else if (!listed.empty())
            changeListed(listed, n);
        else
            continue;
        // Tells the test a save is through, so that even a slow (sanitizer) build gets one
        // done in each run before the kill.
        std::puts("saved");
        std::fflush(stdout);
    }
}
