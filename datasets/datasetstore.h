#pragma once

#include "app/result.h"
#include "datasets/datasetlisting.h"
#include "datasets/datasetrecord.h"
#include "datasets/transferreply.h"

#include <QDateTime>
#include <QImage>
#include <QJsonObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class FamilyDataset;

// The three files of a stored dataset, named by its identifier.
enum class DatasetFile { Values, Metadata, Preview };

// One deletion waiting in the trash.
struct TrashEntry
{
    QString folder;       // the entry's sub-folder of the trash folder
    QString id;           // the identifier the dataset had when it was deleted
    QDateTime deletedAt;  // UTC, from the folder's name
    DatasetRecord record; // from the metadata file in the entry (empty members when missing)
    QString previewPath;  // the preview in the entry; the file may be missing
};

// The one owner of a folder of datasets: how their files are named and read, and every change
// to them. Each change sets libraryDirty. The default store is the program's dataset folder;
// tools and tests name another.
class DatasetStore
{
public:
    DatasetStore();
    explicit DatasetStore(const QString& folder);

    const QString& folder() const { return folder_; }
    QString path(const QString& id, DatasetFile file) const;
    static QLatin1String suffix(DatasetFile file);
    // An identifier that names a file in the folder and nothing outside it.
    static bool isPlainId(const QString& id);
    // Makes sure the folder exists.
    bool ensureFolder() const;

    // The metadata file's JSON object: one size cap for every reader.
    Result<QJsonObject> readMetadata(const QString& id) const;
    // The "probe id" of a stored dataset, when it names a known family.
    Result<int> probeId(const QString& id) const;

    // Every dataset of the folder by its metadata file (names sorted case-insensitively).
    // After each entry i of the N entries, progress(100 * (i + 1) / (N + 1)).
    std::vector<ListedDataset> list(const std::function<void(int)>& progress = {}) const;

    // Replaces the dataset's identifier, metadata, properties and grid by the stored dataset
    // `id`; on failure the dataset stays as it was.
    Outcome load(FamilyDataset& dataset, const QString& id) const;
    // The stored dataset `id`, of the family its "probe id" names.
    Result<std::unique_ptr<FamilyDataset>> open(const QString& id) const;
    // Writes the dataset's three files, the preview (coloured with `previewColormap`) only when
    // there is none yet. An empty dataset (no rows, no columns) writes nothing and fails.
    Outcome save(const FamilyDataset& dataset, int previewColormap) const;
    // Replaces the stored preview; the old one stays until the new one is complete.
    Outcome storePreview(const QString& id, const QImage& preview) const;
    // Stores an edited record's name, location and coordinate, keeping every other member.
    Outcome storeEdit(const DatasetRecord& record) const;
    // Packs the three files into a ZIP archive, each under its bare file name.
    Outcome zip(const QString& id, const QString& archivePath) const;

    // Deleting moves the three files into a trash entry inside the folder: its own sub-folder
    // named after the deletion time (UTC) and the identifier. The trash folder's name has no
    // file suffix, so it never equals a dataset file's name.
    QString trashFolder() const;
    QString trashEntryFolder(const QString& id, const QDateTime& deletedAt) const;
    Outcome moveToTrash(const QString& id, const QDateTime& deletedAt = QDateTime::currentDateTimeUtc()) const;
    // Most recently deleted first; sub-folders not named like an entry are left out.
    std::vector<TrashEntry> trash() const;
    // Moves the entry's files back; the dataset keeps its identifier, or gets a new one when a
    // dataset of that identifier exists again. Gives the identifier it is stored under.
    Result<QString> restore(const TrashEntry& entry) const;
    Outcome emptyTrash() const;
    // Deletes the entries deleted more than `keepDays` days before `now`; returns how many.
    int purgeTrash(const QDateTime& now, int keepDays = 30) const;

    // The reply that sends dataset `id` to a peer: its metadata re-encoded as binary JSON, its
    // preview as PNG and its value file unchanged.
    Result<TransferReply> readForTransfer(const QString& id) const;
    // Checks a received reply and stores it, staged so that a failure or a crash leaves the
    // old dataset or the new one. Gives the received dataset's name.
    Result<QString> storeReceived(const TransferReply& reply) const;
    // The same for a whole reply as it came over the wire.
    Result<QString> storeReceived(const QByteArray& reply) const;
    // Finishes every decided replacement and drops undecided leftovers; run before the folder
    // is listed. Returns how many replacements it finished.
    int completeInterruptedStores() const;

private:
    // The failures whose box text names the file that is missing or damaged.
    static Failure valuesFailure(const QString& reason);
    static Failure metadataFailure(const QString& reason);

    QString folder_;
};

// The box text when a stored dataset does not load, and its title.
QString datasetLoadFailureTitle();
