#include "datasets/atomicwrite.h"

#include <QSaveFile>

namespace {
// QSaveFile::commit() does not notice a failure to write out its buffer (a full disk, a file
// size limit) and would put the cut-off file in place; flush first and check.
Failure notWritten(const QSaveFile& file)
{
    return {QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()), {}};
}

Outcome commitWhole(QSaveFile& file)
{
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const Failure failure = notWritten(file);
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return notWritten(file);
    return {};
}
} // namespace

Outcome writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return notWritten(file);
    if (!write(file)) {
        const Failure failure = notWritten(file);
        file.cancelWriting();
        return failure;
    }
    return commitWhole(file);
}

Outcome writeFileAtomically(const QString& path, const QByteArray& content, QIODevice::OpenMode extraMode)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | extraMode))
        return notWritten(file);
    if (file.write(content) != content.size()) {
        const Failure failure = notWritten(file);
        file.cancelWriting();
        return failure;
    }
    return commitWhole(file);
}
