#include "monkeyworld.h"

#include "acquisition/probefamily.h"
#include "app/appsettings.h"
#include "app/devices/manualdownload.h"
#include "app/devices/positiontracker.h"
#include "app/settingskeys.h"
#include "app/widgets/mainwindow.h"
#include "datasets/devices/transferclient.h"
#include "datasets/devices/transferserver.h"
#include "datasets/widgets/transferdialogs.h"
#include "monkeydatasets.h"
#include "monkeyrandom.h"
#include "visualization/widgets/printseam.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGeoPositionInfoSource>
#include <QLineEdit>
#include <QTimer>

namespace {
const QString loopback = QStringLiteral("127.0.0.1");

// The operator's position, as a GPS receiver would report it.
class FixedPositionSource : public QGeoPositionInfoSource
{
public:
    FixedPositionSource(const QGeoCoordinate& where, QObject* parent)
        : QGeoPositionInfoSource(parent), info(where, QDateTime::currentDateTimeUtc())
    {
    }
    QGeoPositionInfo lastKnownPosition(bool) const override { return info; }
    PositioningMethods supportedPositioningMethods() const override { return SatellitePositioningMethods; }
    int minimumUpdateInterval() const override { return 100; }
    Error error() const override { return NoError; }
    void startUpdates() override
    {
        QTimer::singleShot(50, this, [this] { emit positionUpdated(info); });
    }
    void stopUpdates() override {}
    void requestUpdate(int) override { startUpdates(); }

private:
    QGeoPositionInfo info;
};

template <typename Dialog>
Dialog* openDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Dialog*>(w); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}
} // namespace

MonkeyWorld::MonkeyWorld(MonkeyRandom& random, int probeId, bool sensorControls) : random(random)
{
    MessageBox::setHandler([this](const MessageBox::Request& request) { return answer(request); });
    for (const char* scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openUrl");
    PrintSeam::setHandler([this](const QImage&, QWidget*) {
        ++counts["print"];
        return true;
    });
    const QGeoCoordinate here(52.5 + random.unit() / 10, 13.4 + random.unit() / 10);
    PositionTracker::setSourceFactory([here](QObject* parent) { return new FixedPositionSource(here, parent); });
    // Help opens the local manual; were it missing, the download would only reach loopback.
    ManualDownload::setUrl(QUrl(QStringLiteral("http://127.0.0.1:%1/manual.pdf").arg(TestSupport::closedLoopbackPort())));
    QFile manual(ManualDownload::localFile());
    QDir().mkpath(QFileInfo(manual).path());
    if (manual.open(QIODevice::WriteOnly))
        manual.write("%PDF-1.4\n");
    // Transfers go to and come from this machine only.
    Settings::dataHost.write(loopback);
    Settings::transferPort.write(int(TestSupport::closedLoopbackPort()));
    peerDataset = MonkeyDatasets::store(random, 170, QStringLiteral("From the peer"));
    MonkeyDatasets::moveTo(peerDataset, peerStore.path());
    startScanner(probeId, sensorControls);
}

MonkeyWorld::~MonkeyWorld()
{
    for (const char* scheme : {"http", "https", "file"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    PrintSeam::setHandler(nullptr);
    PositionTracker::setSourceFactory(nullptr);
}

void MonkeyWorld::startScanner(int probeId, bool sensorControls)
{
    ScannerSimulator::Options walk = TestSupport::fastWalk(probeId);
    walk.sensorControls = sensorControls;
    scanner.reset();
    scanner = std::make_unique<TestSupport::InProcessScanner>(walk);
    sending = true;
}

QString MonkeyWorld::scannerEvent()
{
    if (random.chance(0.7)) {
        sending = !sending;
        scanner->simulator().setSending(sending);
        return sending ? QStringLiteral("scanner sends again") : QStringLiteral("scanner falls silent");
    }
    const ProbeFamily& family = probeFamilies[random.between(0, int(std::size(probeFamilies)) - 1)];
    const bool sensorControls = random.chance(0.5);
    startScanner(family.probeId, sensorControls);
    return QStringLiteral("scanner replaced by probe %1%2").arg(family.probeId).arg(sensorControls ? " (trigger)" : "");
}

void MonkeyWorld::openUrl(const QUrl& url)
{
    ++counts["url " + url.scheme()];
}

MessageBox::StandardButton MonkeyWorld::answer(const MessageBox::Request& request)
{
    ++counts["message box"];
    // Quitting would end the run.
    if (request.text == MainWindow::tr("Do you really want to quit Sorvanel3D?"))
        return MessageBox::No;
    std::vector<MessageBox::StandardButton> offered;
    for (auto button : {MessageBox::Ok, MessageBox::Yes, MessageBox::No, MessageBox::Cancel, MessageBox::Retry,
                        MessageBox::Discard})
        if (request.buttons.testFlag(button))
            offered.push_back(button);
    if (offered.empty())
        return MessageBox::NoButton;
    // Retry forever would keep a failing save going: after a few the operator gives up.
    const MessageBox::StandardButton chosen = random.pick(offered);
    if (chosen == MessageBox::Retry && ++counts["retry"] % 5 == 0 && request.buttons.testFlag(MessageBox::Discard))
        return MessageBox::Discard;
    return chosen;
}

void MonkeyWorld::tick()
{
    keepReceiverOnLoopback();
    keepSenderPeer();
}

// While the receive dialog is open a peer offers a dataset on loopback, and the dialog's
// address cannot become anything but loopback.
void MonkeyWorld::keepReceiverOnLoopback()
{
    auto* dialog = openDialog<TransferReceiveDialog>();
    if (!dialog) {
        delete peerSender.data();
        return;
    }
    dialog->addressEdit()->setReadOnly(true);
    if (dialog->addressEdit()->text() != loopback)
        dialog->addressEdit()->setText(loopback);
    if (!peerSender) {
        peerSender = new TransferServer(peerDataset, peerStore.path(), this);
        if (!peerSender->listen(QHostAddress::LocalHost))
            qWarning() << "transfer peer could not listen:" << peerSender->errorString();
        connect(peerSender, &TransferServer::finished, this, [this] { ++counts["transfer received"]; });
    }
}

// While the send dialog is open a peer may fetch the dataset from loopback.
void MonkeyWorld::keepSenderPeer()
{
    if (!openDialog<TransferSendDialog>()) {
        delete peerReceiver.data();
        return;
    }
    if (peerReceiver || !random.chance(0.2))
        return;
    peerReceiver = new TransferClient(peerInbox.path() + QLatin1Char('/'), this);
    connect(peerReceiver, &TransferClient::received, this, [this] { ++counts["transfer sent"]; });
    peerReceiver->start(loopback);
}
