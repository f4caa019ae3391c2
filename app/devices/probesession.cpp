#include "app/devices/probesession.h"

#include "acquisition/devices/datarecorder.h"
#include "acquisition/devices/probefactory.h"
#include "acquisition/devices/probeinterface.h"
#include "acquisition/devices/wificonnection.h"

#include <QDebug>

namespace {
// The link needs a moment after connecting before its first chunk names the probe.
constexpr int firstProbeCheckMs = 500;
constexpr int nextProbeCheckMs = 250;
constexpr int batteryIntervalMs = 60000;
} // namespace

ProbeSession::ProbeSession(QObject* parent)
    : QObject(parent)
    , wifi(new WiFiConnection(this))
{
    connect(wifi, &WiFiConnection::connected, this, &ProbeSession::linkConnected);
    connect(wifi, &WiFiConnection::error, this, &ProbeSession::fail);
    connect(&probeCheckTimer, &QTimer::timeout, this, &ProbeSession::identify);
    connect(&batteryTimer, &QTimer::timeout, this, &ProbeSession::readBattery);
    probeCheckTimer.setSingleShot(true);
    batteryTimer.start(batteryIntervalMs);
}

ProbeSession::~ProbeSession()
{
    probeCheckTimer.stop();
    batteryTimer.stop();
    // Quietly: whoever used the recorder has let go of it before its owner goes.
    wifi->setRecorder(nullptr);
    delete current;
}

void ProbeSession::connectToScanner()
{
    if (wifi->probeId() != 0 && connecting)
        return;
    qDebug() << " Connecting...";
    emit connectionStarted();
    wifi->connectToScanner();
    connecting = true;
}

int ProbeSession::batteryLevel() const
{
    return current ? current->recorder()->batteryLevel() : 0;
}

void ProbeSession::linkConnected()
{
    probeCheckTimer.start(firstProbeCheckMs);
    connecting = false;
}

void ProbeSession::identify()
{
    const int id = wifi->probeId();
    if (id == 0) {
        probeCheckTimer.start(nextProbeCheckMs);
        return;
    }
    qDebug() << "Probe identified:" << id;
    if (!isKnownProbe(id)) {
        fail(QStringLiteral("Unknown Probe ID"));
        return;
    }
    // A reconnect to the same probe keeps its descriptor, and with it a recording under way.
    if (!current || currentId != id) {
        ProbeInterface* made = createProbeInterface(id);
        // The new recorder's tone generator looked for an audio device just now.
        if (!made->recorder()->hasToneOutput())
            emit audioUnavailable();
        releaseProbe();
        current = made;
        currentId = id;
        wifi->setRecorder(current->recorder());
    }
    emit identified();
}

void ProbeSession::fail(const QString& reason)
{
    emit failed(reason);
    releaseProbe();
    connecting = false;
}

void ProbeSession::releaseProbe()
{
    if (!current)
        return;
    emit probeReleasing();
    wifi->setRecorder(nullptr);
    delete current;
    current = nullptr;
    currentId = 0;
}

void ProbeSession::readBattery()
{
    if (current)
        emit batteryRead(batteryLevel());
}
