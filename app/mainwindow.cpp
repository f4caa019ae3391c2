#include "app/mainwindow.h"

#include "acquisition/wificonnection.h"
#include "app/messagebox.h"

#include <QDebug>
#include <QLabel>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    status = new QLabel(tr("Connecting to the scanner..."), this);
    status->setAlignment(Qt::AlignCenter);
    setCentralWidget(status);
    setWindowTitle(QStringLiteral("Sorvanel 3D"));

    wifi = new WiFiConnection(this);
    connect(wifi, SIGNAL(connected()), this, SLOT(wifiConnected()));
    connect(wifi, SIGNAL(error(QString)), this, SLOT(wifiError(QString)));
    probeCheckTimer.setSingleShot(true);
    connect(&probeCheckTimer, SIGNAL(timeout()), this, SLOT(createProbe()));
    connectWifi();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectWifi()
{
    if (wifi->probeId() != 0 && connecting)
        return;
    qDebug() << " Connecting...";
    wifi->connectToScanner();
    connecting = true;
}

void MainWindow::wifiConnected()
{
    probeCheckTimer.start(500);
    connecting = false;
}

void MainWindow::createProbe()
{
    const int id = wifi->probeId();
    if (id == 0) {
        probeCheckTimer.start(250);
        return;
    }
    qDebug() << "Probe identified:" << id;
    status->setText(tr("Connected to probe %1").arg(id));
}

void MainWindow::wifiError(QString e)
{
    MessageBox::warning(this, e,
                        tr("Could not connect. Please make sure, you are connected to the correct "
                           "Wifi and the scanner is powered on."));
    status->setText(tr("Not connected"));
    connecting = false;
}
