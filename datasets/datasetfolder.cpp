#include "datasets/datasetfolder.h"

#include "app/appsettings.h"

#include <QDir>
#include <QSaveFile>

QString datasetFilePath(const QString& id, const QString& suffix)
{
    return documentsFolder() + id + suffix;
}

QString datasetFilePathIn(const QString& folder, const QString& id, const QString& suffix)
{
    const QString separator = folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    return folder + separator + id + suffix;
}

bool ensureDatasetFolder()
{
    return QDir().mkpath(documentsFolder());
}

bool isPlainDatasetId(const QString& id)
{
    return !id.isEmpty() && !id.contains(QLatin1Char('/')) && !id.contains(QLatin1Char('\\'))
           && id != QLatin1String(".") && id != QLatin1String("..");
}

namespace {
// QSaveFile::commit() does not notice a failure to write out its buffer (a full disk, a file
// size limit) and would put the cut-off file in place; flush first and check.
bool commitWhole(QSaveFile& file)
{
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
} // namespace

bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!write(file)) {
        file.cancelWriting();
        return false;
    }
    return commitWhole(file);
}

bool writeFileAtomically(const QString& path, const QByteArray& content, QIODevice::OpenMode extraMode)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | extraMode))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return commitWhole(file);
}
