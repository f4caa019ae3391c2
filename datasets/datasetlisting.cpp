#include "datasets/datasetlisting.h"

#include "datasets/datasetstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace {
// Stored previews are 128 pixels square; a side beyond this is not one of ours.
constexpr int maximumPreviewSide = 4096;
} // namespace

std::vector<ListedDataset> DatasetStore::list(const std::function<void(int)>& progress) const
{
    const QDir dir(folder_);
    const QStringList entries = dir.entryList(QDir::NoFilter, QDir::Name | QDir::IgnoreCase);
    const int count = entries.size();
    std::vector<ListedDataset> result;
    for (int i = 0; i < count; ++i) {
        const QString& entry = entries[i];
        // Entries in sub-folders (the trash) are not read, nor folders named like a metadata file.
        if (!entry.endsWith(suffix(DatasetFile::Metadata)) || QFileInfo(dir.filePath(entry)).isDir())
            continue;
        const QString id = entry.left(entry.size() - suffix(DatasetFile::Metadata).size());
        // Metadata that does not read still gives a tile, with empty texts.
        const Result<QJsonObject> metadata = readMetadata(id);
        result.push_back({datasetRecordOf(id, metadata ? metadata.value() : QJsonObject()),
                          path(id, DatasetFile::Preview)});
        if (progress)
            progress(100 * (i + 1) / (count + 1));
    }
    return result;
}

namespace {
QSize acceptedSize(QImageReader& reader)
{
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maximumPreviewSide || size.height() > maximumPreviewSide)
        return {};
    return size;
}
} // namespace

QImage readDatasetPreview(const QString& path)
{
    QImageReader reader(path);
    if (!acceptedSize(reader).isValid())
        return {};
    return reader.read();
}

QSize datasetPreviewSize(const QString& path)
{
    QImageReader reader(path);
    return acceptedSize(reader);
}
