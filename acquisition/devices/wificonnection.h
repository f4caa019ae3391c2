#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

class DataRecorder;
class StreamCaptureWriter;

// The receive-only TCP link to the scanner. Learns the probe id from byte 0 of every chunk,
// hands each chunk to the recorder and reports silence through a watchdog. With the capture
// switch on, each connection also writes every chunk to a capture file (streamcapture.h).
class WiFiConnection : public QObject
{
    Q_OBJECT
public:
    explicit WiFiConnection(QObject* parent = nullptr);
    ~WiFiConnection() override;

    void connectToScanner();
    int probeId() const { return probeId_; }
    // Not owned; every chunk goes to it from now on. Null stops the hand-over.
    void setRecorder(DataRecorder* recorder) { recorder_ = recorder; }
    // The capture file of the current connection; empty when none is written.
    QString captureFile() const;

signals:
    void connected();
    void error(QString e);

public slots:
    void socketConnected();
    void connectionTimeOut();
    void socketError(QTcpSocket::SocketError error);
    void readData();

private:
    void startCapture();
    void stopCapture();

    static constexpr int firstTimeoutMs = 3000;
    static constexpr int tickMs = 2000;
    static constexpr int toleratedSilentTicks = 2;

    QTimer watchdog;
    QTcpSocket* socket = nullptr;
    QByteArray buffer;
    bool dataSeen = false;
    int strikes = 0;
    int probeId_ = 0;
    DataRecorder* recorder_ = nullptr;
    std::unique_ptr<StreamCaptureWriter> capture;
};
