#include "datasets/atomicwrite.h"

#include <QSaveFile>

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
