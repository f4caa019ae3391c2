#include "brolsensormessage.h"
#include "acquisition/xtea.h"
#include "testenvironment.h"

#include <QtEndian>

namespace {
QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}
} // namespace

class XteaTest : public QObject
{
    Q_OBJECT
private slots:
    void publishedTestVectors_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("cipher");
        QTest::newRow("counting key") << hex("000102030405060708090a0b0c0d0e0f")
                                      << hex("4142434445464748") << hex("497df3d072612cb5");
        QTest::newRow("zero key") << hex("00000000000000000000000000000000")
                                  << hex("4142434445464748") << hex("a0390589f8b8efa5");
        QTest::newRow("zero key, zero block") << hex("00000000000000000000000000000000")
                                              << hex("0000000000000000") << hex("dee9d4d8f7131ed9");
    }
    void publishedTestVectors()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, cipher);
        XteaKey k;
        for (int i = 0; i < 4; ++i)
            k[std::size_t(i)] = qFromBigEndian<std::uint32_t>(key.constData() + 4 * i);
        std::uint32_t block[2] = {qFromBigEndian<std::uint32_t>(plain.constData()),
                                  qFromBigEndian<std::uint32_t>(plain.constData() + 4)};
        xteaEncipher(block, k);
        QCOMPARE(block[0], qFromBigEndian<std::uint32_t>(cipher.constData()));
        QCOMPARE(block[1], qFromBigEndian<std::uint32_t>(cipher.constData() + 4));
        xteaDecipher(block, k);
        QCOMPARE(block[0], qFromBigEndian<std::uint32_t>(plain.constData()));
        QCOMPARE(block[1], qFromBigEndian<std::uint32_t>(plain.constData() + 4));
    }

    void payloadRoundTripKeepsTheHeader()
    {
        const QByteArray plain = hex("aac8" "0102030405060708" "1112131415161718");
        QByteArray message = plain;
        encipherPayload(message);
        QCOMPARE(message.left(2), plain.left(2));
        QVERIFY(message.mid(2) != plain.mid(2));
        decipherPayload(message);
        QCOMPARE(message, plain);
    }

    void incompleteLastWordIsPaddedWithZeros()
    {
        // 18 payload bytes: four whole words and two bytes completed to a fifth word.
        QByteArray message = hex("aac8" "00112233445566778899aabbccddeeff" "abcd");
        decipherPayload(message);
        QCOMPARE(message.size(), 2 + 5 * 4);
        // The fifth word has no partner and is kept as read: the two bytes, then zeros.
        QCOMPARE(message.right(4), hex("abcd0000"));
    }

    void unpairedLastWordIsLeftAsItIs()
    {
        const QByteArray original = hex("aac8" "0102030405060708" "deadbeef");
        QByteArray message = original;
        decipherPayload(message);
        QCOMPARE(message.size(), original.size());
        QCOMPARE(message.right(4), hex("deadbeef"));
        encipherPayload(message);
        QCOMPARE(message, original);
    }

    void tinyMessagesAreLeftAlone()
    {
        for (QByteArray message : {QByteArray(), hex("aa"), hex("aac8"), hex("aac80102")}) {
            const QByteArray before = message;
            decipherPayload(message);
            // Fewer than two words: nothing to decipher, only the padding of a partial word.
            QCOMPARE(message.left(before.size()), before);
            QVERIFY(message.size() <= 6);
        }
    }

    void brolSensorMessageLayout()
    {
        BrolSensorMessage fields;
        fields.widthCode = 2;
        fields.battery = -3;
        fields.reading = -256;
        fields.magnetometerX = 3;
        fields.magnetometerY = -4;
        fields.magnetometerZ = 0x1234;
        const QByteArray plain = encodeBrolSensorMessage(fields, false);
        QCOMPARE(plain.size(), 18);
        QCOMPARE(plain.toHex(), QByteArray("aa0002fd" "ffff00" "000000" "0003" "fffc" "1234" "0000"));
        QVERIFY(!isEnciphered(plain));

        QByteArray sent = encodeBrolSensorMessage(fields, true);
        QVERIFY(isEnciphered(sent));
        QCOMPARE(sent.size(), 18);
        decipherPayload(sent);
        QCOMPARE(sent.mid(2), plain.mid(2));
        QCOMPARE(std::uint8_t(sent[1]), encipheredFlag);
    }

    void programKeyIsStable()
    {
        const XteaKey& key = scannerKey();
        QCOMPARE(&key, &scannerKey());
        QVERIFY(key[0] != 0 || key[1] != 0 || key[2] != 0 || key[3] != 0);
    }
};

SORVANEL_TEST_MAIN(XteaTest)
#include "test_xtea.moc"
