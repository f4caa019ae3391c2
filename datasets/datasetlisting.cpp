#include "datasets/datasetlisting.h"

#include <QDir>
#include <QFile>

namespace {
QByteArray contentOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
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
        if (!entry.endsWith(QLatin1String(".xml")))
            continue;
        const QString id = entry.left(entry.size() - 4);
        const QString base = entry.left(entry.lastIndexOf(QLatin1Char('.')));
        result.push_back({datasetRecordFromMetadata(id, contentOf(dir.filePath(entry))),
                          dir.filePath(base + QStringLiteral(".png"))});
        progress(100 * (i + 1) / (count + 1));
    }
    return result;
}
