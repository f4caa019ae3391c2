#include "datasetinputs.h"

#include "datasets/datasetstore.h"

#include <QFileInfo>

namespace {
bool isDatasetFile(const QFileInfo& file)
{
    const QString suffix = QLatin1Char('.') + file.suffix();
    for (DatasetFile kind : {DatasetFile::Values, DatasetFile::Metadata, DatasetFile::Preview})
        if (suffix == DatasetStore::suffix(kind))
            return true;
    return false;
}

std::vector<DatasetInput> datasetsInFolder(const QString& folder, QString& error)
{
    std::vector<DatasetInput> found;
    for (const ListedDataset& listed : DatasetStore(folder).list())
        found.push_back({folder, listed.record.identifier});
    if (found.empty())
        error = QStringLiteral("%1: no datasets in this folder").arg(folder);
    return found;
}

std::vector<DatasetInput> datasetOfFile(const QFileInfo& file, QString& error)
{
    const QString folder = file.absolutePath();
    // The part before the last dot, as the library names a dataset after its metadata file.
    const QString id = file.fileName().left(file.fileName().lastIndexOf(QLatin1Char('.')));
    if (!QFileInfo::exists(DatasetStore(folder).path(id, DatasetFile::Metadata))) {
        error = QStringLiteral("%1: no metadata file %2.xml beside it").arg(file.filePath(), id);
        return {};
    }
    return {{folder, id}};
}
} // namespace

std::vector<DatasetInput> datasetsNamedBy(const QString& argument, const QString& datasetFolder,
                                          QString& error)
{
    const QFileInfo file(argument);
    if (file.isDir())
        return datasetsInFolder(file.absoluteFilePath(), error);
    if (file.isFile() && isDatasetFile(file))
        return datasetOfFile(file, error);
    const QString metadata = DatasetStore(datasetFolder).path(argument, DatasetFile::Metadata);
    if (DatasetStore::isPlainId(argument) && QFileInfo::exists(metadata))
        return {{datasetFolder, argument}};
    error = QStringLiteral("%1: neither a dataset folder, a dataset file nor a stored dataset").arg(argument);
    return {};
}
