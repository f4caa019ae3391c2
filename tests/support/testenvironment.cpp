#include "testenvironment.h"

#include "app/appsettings.h"
#include "app/resources.h"
#include "app/settingskeys.h"
#include "scannersimulator.h"

#include <QDir>
#include <QMutex>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>

namespace TestSupport {

namespace {
QTemporaryDir& privateHome()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/sorvanel-test-XXXXXX"));
    return dir;
}

QMutex logMutex;
QStringList* logLines = nullptr;
QtMessageHandler previousHandler = nullptr;

void collectLine(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    {
        QMutexLocker lock(&logMutex);
        if (logLines)
            logLines->append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}
} // namespace

void prepareProcess()
{
    const QByteArray home = privateHome().path().toUtf8();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    QDir().mkpath(privateHome().path() + "/runtime");
    QFile::setPermissions(privateHome().path() + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", home + "/runtime");
    qunsetenv("XDG_DOCUMENTS_DIR");
    qunsetenv("XDG_DOWNLOAD_DIR");
    QStandardPaths::setTestModeEnabled(true);
}

void prepareApplication()
{
    initResources();
    // A box that no test expected is answered at once (and logged) instead of blocking the run.
    MessageBox::setHandler([](const MessageBox::Request& request) {
        qWarning().noquote() << "unexpected message box:" << request.title << request.text;
        return request.buttons.testFlag(MessageBox::Ok) ? MessageBox::Ok : MessageBox::No;
    });
    QDir().mkpath(documentsFolder() + "config");
    resetSettings();
}

void resetSettings()
{
    openAppSettings(defaultSettingsPath());
    appSettings().clear();
    // Nothing in a test may reach for the scanner's real address.
    Settings::scannerHost.write(QStringLiteral("127.0.0.1"));
    appSettings().sync();
}

bool resetSettingsAndDocuments()
{
    resetSettings();
    QDir(documentsFolder()).removeRecursively();
    return QDir().mkpath(documentsFolder()) && QDir(documentsFolder()).isEmpty();
}

MessageBoxSpy::MessageBoxSpy()
{
    previous = MessageBox::setHandler([this](const MessageBox::Request& request) {
        asked.append(request);
        if (!answers.isEmpty())
            return answers.takeFirst();
        if (request.buttons.testFlag(MessageBox::Ok))
            return MessageBox::Ok;
        if (request.buttons.testFlag(MessageBox::Yes))
            return MessageBox::Yes;
        return MessageBox::NoButton;
    });
}

MessageBoxSpy::~MessageBoxSpy()
{
    MessageBox::setHandler(previous);
}

DebugLog::DebugLog()
{
    QMutexLocker lock(&logMutex);
    logLines = new QStringList;
    previousHandler = qInstallMessageHandler(collectLine);
}

DebugLog::~DebugLog()
{
    qInstallMessageHandler(previousHandler);
    QMutexLocker lock(&logMutex);
    delete logLines;
    logLines = nullptr;
}

QStringList DebugLog::lines() const
{
    QMutexLocker lock(&logMutex);
    return logLines ? *logLines : QStringList();
}

int DebugLog::count(const QString& fragment) const
{
    int n = 0;
    for (const QString& line : lines())
        n += line.contains(fragment) ? 1 : 0;
    return n;
}

InProcessScanner::InProcessScanner(ScannerSimulator::Options options)
{
    options.host = QHostAddress::LocalHost;
    options.port = 0;
    sim = std::make_unique<ScannerSimulator>(options);
    if (!sim->start())
        qFatal("scanner simulator could not listen on loopback");
    Settings::scannerHost.write(QStringLiteral("127.0.0.1"));
    Settings::scannerPort.write(int(sim->port()));
}

InProcessScanner::~InProcessScanner() = default;

quint16 InProcessScanner::port() const
{
    return sim->port();
}

ScannerSimulator::Options fastWalk(int probeId, bool encipher)
{
    ScannerSimulator::Options options;
    options.probeId = probeId;
    options.encipher = encipher;
    options.intervalMs = 15;
    options.battery = 1;
    options.batteryDrainSeconds = 0;
    options.trackSeconds = 0.9;
    options.stopSeconds = 0.45;
    return options;
}

quint16 closedLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF"))
        return 0;
    // "/Type /Pages" is the page tree, not a page.
    return bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page ");
}

} // namespace TestSupport
