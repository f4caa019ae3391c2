#include "datasets/exportnames.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr int longestBaseName = 120;

bool refusedInFileNames(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control
           || QStringLiteral("/\\<>:\"|?*").contains(c);
}

QString cleaned(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        if (refusedInFileNames(c))
            c = QLatin1Char('_');
    int first = 0;
    int last = result.size();
    auto trimmed = [](QChar c) { return c.isSpace() || c == QLatin1Char('.'); };
    while (first < last && trimmed(result[first]))
        ++first;
    while (last > first && trimmed(result[last - 1]))
        --last;
    return result.mid(first, qMin(last - first, longestBaseName));
}
} // namespace

QString exportBaseName(const QString& name, const QString& id)
{
    QString base = cleaned(name);
    if (base.isEmpty())
        base = cleaned(id);
    return base.isEmpty() ? QStringLiteral("dataset") : base;
}

QString freeExportPath(const QString& folder, const QString& base, const QString& extension)
{
    const QDir dir(folder);
    QString path = dir.filePath(base + extension);
    for (int n = 1; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1(%2)%3").arg(base).arg(n).arg(extension));
    return path;
}

QString downloadFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    QDir().mkpath(folder);
    return folder;
}
