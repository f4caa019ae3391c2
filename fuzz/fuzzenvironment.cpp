#include "fuzzenvironment.h"

#include "app/appsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace FuzzEnvironment {

const QString& datasetFolder()
{
    static const QString folder = [] {
        // The readers' debug lines would drown the fuzzer's own output; a fatal one is the finding.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(message));
        });
        // In memory where the system offers it: the settings store syncs to disk on every input.
        const QString shm = QStringLiteral("/dev/shm");
        static QTemporaryDir home((QFileInfo(shm).isWritable() ? shm : QDir::tempPath())
                                  + QStringLiteral("/sorvanel-fuzz-XXXXXX"));
        if (!home.isValid())
            std::abort();
        qputenv("HOME", QFile::encodeName(home.path()));
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DOCUMENTS_DIR");
        QStandardPaths::setTestModeEnabled(true);
        if (!QDir().mkpath(documentsFolder()))
            std::abort();
        return documentsFolder();
    }();
    return folder;
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()) {
        std::fprintf(stderr, "Cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        std::abort();
    }
}

QByteArray beforeFirstNul(const QByteArray& input)
{
    const int nul = input.indexOf('\0');
    return nul < 0 ? input : input.left(nul);
}

QByteArray afterFirstNul(const QByteArray& input)
{
    const int nul = input.indexOf('\0');
    return nul < 0 ? QByteArray() : input.mid(nul + 1);
}

} // namespace FuzzEnvironment
