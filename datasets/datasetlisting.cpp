#include "datasets/datasetlisting.h"

#include "datasets/datasetfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace {
// Stored previews are 128 pixels square; a side beyond this is not one of ours.
constexpr int maximumPreviewSide = 4096;

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    // A file too large to be metadata reads as unparsable: its tile still shows.
    if (!file.open(QIODevice::ReadOnly) || file.size() > maximumMetadataBytes)
        return {};
    // What the file holds: read(maximumMetadataBytes) would set aside 16 MiB for every tile.
    return file.read(std::min(file.size(), maximumMetadataBytes));
}
} // namespace

std::vector<ListedDataset> listDatasets(const QString& folder, const std::function<void(int)>& progress)
{
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::NoFilter, QDir::Name | QDir::IgnoreCase);
    const int count = entries.size();
    std::vector<ListedDataset> result;
    for (int i = 0; i < count; ++i) {
        const QString& entry = entries[i];
        // A folder named like a metadata file is not a dataset.
        if (!entry.endsWith(QLatin1String(".xml")) || QFileInfo(dir.filePath(entry)).isDir())
            continue;
        const QString id = entry.left(entry.size() - 4);
        const QString base = entry.left(entry.lastIndexOf(QLatin1Char('.')));
        result.push_back({datasetRecordFromMetadata(id, contentOf(dir.filePath(entry))),
                          dir.filePath(base + QStringLiteral(".png"))});
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
