#include "scannersimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {
int intOption(const QCommandLineParser& parser, const QString& name, int fallback)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    return ok ? value : fallback;
}

bool loadReplay(const QString& path, const QString& speedText, ScannerSimulator::Options& options)
{
    bool ok = false;
    options.replaySpeed = speedText.toDouble(&ok);
    if (!ok || !(options.replaySpeed > 0)) {
        QTextStream(stderr) << "Invalid --speed: give a factor above 0\n";
        return false;
    }
    StreamCaptureRead read = readStreamCapture(path);
    if (!read.failure.isEmpty()) {
        QTextStream(stderr) << "Cannot replay " << path << ": " << read.failure << "\n";
        return false;
    }
    if (read.capture.truncated)
        QTextStream(stderr) << path << " ends inside a chunk; replaying the "
                            << read.capture.chunks.size() << " whole chunks before it\n";
    if (read.capture.chunks.empty()) {
        QTextStream(stderr) << path << " holds no chunk to replay\n";
        return false;
    }
    options.replay = std::move(read.capture.chunks);
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sorvanel-scanner-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Scanner simulator: sends the probe messages of a synthetic field survey to every client.\n"
        "Probe ids: 170 Brol Sensor, 10 KM, 1 Z-Series, 11 and 13 Levelplane, 2 Spanwell,\n"
        "3 Spanwell Gen2, 21 Plumbset. The operator walks six 4 m tracks in zig-zag, holding\n"
        "the trigger while walking and flipping the track toggle after each track.\n"
        "Fault modes: --silent-after, --close-after, --short (every third message cut short),\n"
        "--garbage (every third message random after the probe id byte).\n"
        "--replay sends a stream captured by the program instead, with its original timing."));
    parser.addHelpOption();
    parser.addOptions({
        {"host", "Address to listen on (default 127.0.0.1).", "address", "127.0.0.1"},
        {"port", "TCP port (default 9876; 0 picks a free one).", "port", "9876"},
        {"probe", "Probe id sent as byte 0 (default 170).", "id", "170"},
        {"interval-ms", "Milliseconds between messages (default 40).", "ms", "40"},
        {"plain", "Send payloads without the cipher."},
        {"battery", "Battery level in percent (default 87).", "percent", "87"},
        {"silent-after", "Stop sending after N messages, keeping the connection.", "N"},
        {"close-after", "Close the connection after N messages.", "N"},
        {"short", "Cut every third message short."},
        {"garbage", "Fill every third message with random bytes."},
        {"battery-drain", "Seconds per percent of battery lost (default 60; 0 keeps it).", "seconds", "60"},
        {"track-seconds", "Seconds to walk one 4 m track (default 8).", "seconds", "8"},
        {"stop-seconds", "Seconds standing still after a track (default 1.5).", "seconds", "1.5"},
        {"sensor-controls", "Z-Series: let the probe's trigger and toggle drive the recording."},
        {"replay", "Send the chunks of a capture file to every client, timed as captured.", "file"},
        {"speed", "Replay speed factor (default 1; 2 replays twice as fast).", "factor", "1"},
    });
    parser.process(app);

    ScannerSimulator::Options options;
    options.host = QHostAddress(parser.value("host"));
    if (options.host.isNull()) {
        QTextStream(stderr) << "Invalid --host address\n";
        return 2;
    }
    options.port = quint16(intOption(parser, "port", 9876));
    options.probeId = intOption(parser, "probe", 170) & 0xFF;
    options.intervalMs = intOption(parser, "interval-ms", 40);
    options.encipher = !parser.isSet("plain");
    options.battery = intOption(parser, "battery", 87);
    options.silentAfter = intOption(parser, "silent-after", -1);
    options.closeAfter = intOption(parser, "close-after", -1);
    options.shortMessages = parser.isSet("short");
    options.garbage = parser.isSet("garbage");
    options.batteryDrainSeconds = intOption(parser, "battery-drain", 60);
    options.sensorControls = parser.isSet("sensor-controls");
    options.trackSeconds = parser.value("track-seconds").toDouble();
    options.stopSeconds = parser.value("stop-seconds").toDouble();
    if (parser.isSet("replay") && !loadReplay(parser.value("replay"), parser.value("speed"), options))
        return 2;

    ScannerSimulator simulator(options);
    if (!simulator.start()) {
        QTextStream(stderr) << "Cannot listen on " << options.host.toString() << ":" << options.port
                            << ": " << simulator.errorString() << "\n";
        return 1;
    }
    if (options.replay.empty())
        QTextStream(stdout) << "sorvanel-scanner-sim: probe " << options.probeId << " on "
                            << options.host.toString() << ":" << simulator.port()
                            << (options.encipher ? " (enciphered)" : " (plain)") << Qt::endl;
    else
        QTextStream(stdout) << "sorvanel-scanner-sim: replaying " << options.replay.size() << " chunks on "
                            << options.host.toString() << ":" << simulator.port() << Qt::endl;
    QObject::connect(&simulator, &ScannerSimulator::clientConnected, [] {
        QTextStream(stdout) << "client connected" << Qt::endl;
    });
    QObject::connect(&simulator, &ScannerSimulator::replayFinished, [] {
        QTextStream(stdout) << "replay finished" << Qt::endl;
    });
    return app.exec();
}
