#include "acquisition/probefamily.h"
#include "probemessage.h"
#include "acquisition/xtea.h"
#include "testenvironment.h"

#include <QtEndian>

namespace {
const MessageContext recording{true, true};

// A plain message of `length` bytes for the probe, battery 0 so that a fresh state accepts it.
QByteArray message(int probeId, int length, int status = 0x80)
{
    QByteArray m(length, '\0');
    m[0] = char(probeId);
    if (length > 2)
        m[2] = char(status);
    return m;
}

void put16(QByteArray& m, int index, int value)
{
    qToBigEndian<qint16>(qint16(value), m.data() + index);
}

DecodedMessage decode(int probeId, QByteArray m, FamilyState& state, MessageContext context = recording)
{
    return decodeMessage(*findProbeFamily(probeId), m, state, context);
}

QVariant lastProperty(const DecodedMessage& d, const QString& key)
{
    QVariant value;
    for (const auto& [k, v] : d.properties)
        if (k == key)
            value = v;
    return value;
}
} // namespace

class MessageDecodingTest : public QObject
{
    Q_OBJECT
private slots:
    void brolSensorMainSensorAndMagnetometer_data()
    {
        QTest::addColumn<QByteArray>("reading");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("z");
        QTest::addColumn<int>("combined");
        QTest::newRow("p 128, m 5") << QByteArray::fromHex("008000") << 3 << 4 << 0 << 640;
        QTest::newRow("p -1, m 5") << QByteArray::fromHex("ffff00") << 3 << 4 << 0 << -5;
        QTest::newRow("truncation toward zero") << QByteArray::fromHex("ffff01") << 0 << 0 << 1 << 0;
        // The product keeps its low 16 bits.
        QTest::newRow("16-bit wrap") << QByteArray::fromHex("100000") << 0 << 0 << 100 << int(qint16(4096 * 100));
    }
    void brolSensorMainSensorAndMagnetometer()
    {
        QFETCH(QByteArray, reading);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, z);
        QFETCH(int, combined);
        QByteArray m = message(170, 18, 1);
        m.replace(4, 3, reading);
        put16(m, 10, x);
        put16(m, 12, y);
        put16(m, 14, z);
        FamilyState state;
        const DecodedMessage d = decode(170, m, state);
        QVERIFY(d.accepted && d.hasValue);
        QCOMPARE(int(d.value), combined);
        QVERIFY(d.debugLines.contains(QStringLiteral("Combined: %1").arg(combined)));
    }

    void brolSensorTrackWidthCodes()
    {
        FamilyState state;
        QByteArray m = message(170, 18, 2);
        QCOMPARE(lastProperty(decode(170, m, state), "track width").toDouble(), 1.8);
        m[2] = 7;
        const DecodedMessage d = decode(170, m, state);
        QCOMPARE(lastProperty(d, "track width").toDouble(), 0.9);
        QCOMPARE(lastProperty(d, "sensor max").toInt(), 20000);
        // Armed without a recording: nothing but the battery.
        const DecodedMessage idle = decode(170, m, state, MessageContext{true, false});
        QVERIFY(idle.accepted && idle.properties.empty() && !idle.hasValue);
    }

    void shortMessagesChangeNothing_data()
    {
        QTest::addColumn<int>("probeId");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("line");
        QTest::newRow("Brol Sensor 17") << 170 << 17 << "Wrong Data (Transmission errror)";
        QTest::newRow("KM 6") << 10 << 6 << "Wrong Data (Transmission errror)";
        QTest::newRow("Z-Series 37") << 1 << 37 << "";
        QTest::newRow("Levelplane 37") << 11 << 37 << "";
        QTest::newRow("Spanwell 19") << 2 << 19 << "Wrong Data: 19";
        QTest::newRow("Plumbset 3") << 21 << 3 << "Wrong Data: 3";
        QTest::newRow("empty") << 13 << 0 << "";
    }
    void shortMessagesChangeNothing()
    {
        QFETCH(int, probeId);
        QFETCH(int, length);
        QFETCH(QString, line);
        FamilyState state;
        state.battery = 50;
        QByteArray m = message(probeId, length);
        if (length > 3)
            m[3] = 10;
        const DecodedMessage d = decode(probeId, m, state);
        QVERIFY(!d.accepted);
        QCOMPARE(state.battery, 50);
        QCOMPARE(d.debugLines, line.isEmpty() ? QStringList() : QStringList{line});
    }

    void batteryRules()
    {
        FamilyState state;
        QByteArray m = message(170, 18, 1);
        m[3] = 87;
        QVERIFY(!decode(170, m, state).accepted);   // a jump from 0
        QCOMPARE(state.battery, 87);
        QVERIFY(decode(170, m, state).accepted);
        m[3] = 86;
        QVERIFY(decode(170, m, state).accepted);    // one percent is tolerated
        m[3] = char(-3);
        QVERIFY(!decode(170, m, state).accepted);
        QCOMPARE(state.battery, -3);                // signed

        FamilyState strict;
        QByteArray l = message(13, 38);
        QVERIFY(decode(13, l, strict).accepted);
        l[3] = 1;
        QVERIFY(!decode(13, l, strict).accepted);   // any change drops the 100 Levelplane's message
        QVERIFY(decode(13, l, strict).accepted);
    }

    void spanwellSensorPlaces()
    {
        QByteArray m = message(3, 20);
        put16(m, 10, 100);
        put16(m, 14, 200);
        put16(m, 16, -50);
        put16(m, 18, 70);
        FamilyState gen2, first, plumb;
        QCOMPARE(int(decode(3, m, gen2).value), -100);
        m[0] = 2;
        const DecodedMessage d = decode(2, m, first);
        QCOMPARE(int(d.value), -200);
        QCOMPARE(lastProperty(d, "sensor min").toInt(), -50);
        QCOMPARE(lastProperty(d, "sensor max").toInt(), 70);
        QVERIFY(lastProperty(d, "sensor controls").isNull());
        m[0] = 21;
        QCOMPARE(int(decode(21, m, plumb).value), -200);
    }

    void zSeriesSensorControls()
    {
        QByteArray m = message(1, 38);
        m[1] = 4;
        put16(m, 4, 1000);
        put16(m, 6, 10);
        put16(m, 8, -10);
        put16(m, 10, 300);
        put16(m, 28, 100);
        put16(m, 14, 1);
        put16(m, 20, 2);
        put16(m, 26, 3);
        put16(m, 32, 6);
        FamilyState state;
        DecodedMessage d = decode(1, m, state);
        QVERIFY(state.sensorControls);
        QCOMPARE(lastProperty(d, "sensor controls").toBool(), true);
        QCOMPARE(lastProperty(d, "number of sensors").toInt(), 4);
        QCOMPARE(int(d.value), 200);                       // D = 300 - 100
        QCOMPARE(d.debugLines, QStringList{"Sensor1: 200"});

        put16(m, 8, -1000);
        d = decode(1, m, state);
        QVERIFY(!state.sensorControls);
        QCOMPARE(int(d.value), -3);                        // (-1 - 2 - 3 - 6) / 4, toward zero
        QCOMPARE(d.debugLines.size(), 4);

        // Without a dataset nothing is decoded, not even the flag.
        FamilyState detached;
        QVERIFY(decode(1, m, detached, MessageContext{false, true}).properties.empty());
    }

    void levelplanesMeanAndWrap()
    {
        QByteArray m = message(11, 38);
        put16(m, 14, -32768);   // negated in 16 bits stays -32768
        put16(m, 32, -2);
        FamilyState fifty;
        DecodedMessage d = decode(11, m, fifty);
        QCOMPARE(int(d.value), qint16(-32768 + 2) / 2);
        QCOMPARE(lastProperty(d, "number of sensors").toInt(), 2);
        QCOMPARE(lastProperty(d, "sensor controls").toBool(), false);

        m[0] = 13;
        put16(m, 14, -4);
        put16(m, 20, -4);
        put16(m, 26, -4);
        put16(m, 32, -5);
        FamilyState hundred;
        d = decode(13, m, hundred);
        QCOMPARE(int(d.value), 4);                         // 17 / 4
        QCOMPARE(lastProperty(d, "number of sensors").toInt(), 2);
    }

    void statusByteValidityAndToggle()
    {
        FamilyState state;
        QByteArray m = message(2, 20, 0x00);
        DecodedMessage d = decode(2, m, state);
        QVERIFY(d.accepted && !d.hasValue);
        QCOMPARE(d.debugLines, QStringList{"Connection lost...\n"});

        m[2] = char(0x80 | 0x20 | 0x10);
        d = decode(2, m, state);
        QVERIFY(d.trackToggled && state.toggleBit && state.triggerHeld);
        d = decode(2, m, state);
        QVERIFY(!d.trackToggled);
        m[2] = char(0x80);
        d = decode(2, m, state);
        QVERIFY(d.trackToggled && !state.toggleBit && !state.triggerHeld);
        // A message without bit 7 leaves the toggle alone.
        m[2] = char(0x10);
        QVERIFY(!decode(2, m, state).trackToggled);
        QVERIFY(!state.toggleBit);
    }

    void encodedReadingsDecodeBack_data()
    {
        QTest::addColumn<int>("probeId");
        QTest::addColumn<bool>("encipher");
        for (int id : {170, 10, 1, 11, 13, 2, 3, 21})
            for (bool encipher : {false, true})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(id).arg(encipher ? "enciphered" : "plain")))
                    << id << encipher;
    }
    void encodedReadingsDecodeBack()
    {
        QFETCH(int, probeId);
        QFETCH(bool, encipher);
        for (int value : {0, 1, -1, 1234, -20000, 32767, -32767}) {
            ProbeReading reading;
            reading.probeId = probeId;
            reading.value = qint16(value);
            reading.battery = 0;
            reading.trigger = true;
            QByteArray m = encodeProbeMessage(reading, encipher);
            QCOMPARE(isEnciphered(m), encipher);
            // The encoder lays the message out from the family table the decoder reads; the
            // cipher pads the payload to whole blocks.
            QCOMPARE(encodeProbeMessage(reading, false).size(), findProbeFamily(probeId)->minimumLength);
            FamilyState state;
            const DecodedMessage d = decode(probeId, m, state);
            QVERIFY2(d.accepted && d.hasValue, qPrintable(QString::number(value)));
            // Averaging probes carry a narrower range; the encoder clamps to it.
            const auto [low, high] = probeValueRange(probeId);
            QCOMPARE(int(d.value), std::clamp(value, low, high));
            QCOMPARE(state.triggerHeld || probeId == 170 || probeId == 10, true);
        }
    }
};

SORVANEL_TEST_MAIN(MessageDecodingTest)
#include "test_message_decoding.moc"
