#include "acquisition/devices/tonegenerator.h"
#include "acquisition/tonesynthesis.h"
#include "testenvironment.h"

#include <QtEndian>
#include <cmath>

namespace {
QVector<int> samplesOf(const QByteArray& bytes)
{
    QVector<int> values;
    for (int i = 0; i + 1 < bytes.size(); i += 2)
        values.append(qFromLittleEndian<qint16>(bytes.constData() + i));
    return values;
}

// Sign changes in [from, to): twice the mean frequency over that stretch, in cycles.
int signChanges(const QVector<int>& s, int from, int to)
{
    int changes = 0;
    int lastSign = 0; // zero samples do not count as a side
    for (int i = from; i < to; ++i) {
        const int sign = (s[i] > 0) - (s[i] < 0);
        if (sign != 0 && lastSign != 0 && sign != lastSign)
            ++changes;
        if (sign != 0)
            lastSign = sign;
    }
    return changes;
}

int peak(const QVector<int>& s, int from, int to)
{
    int best = 0;
    for (int i = from; i < to; ++i)
        best = std::max(best, std::abs(s[i]));
    return best;
}
} // namespace

class ToneTest : public QObject
{
    Q_OBJECT
private slots:
    void halfSecondTriangularEnvelope()
    {
        const QVector<int> s = samplesOf(synthesizeTone(600, 600, 8000));
        QCOMPARE(s.size(), 4000);
        QCOMPARE(s.first(), 0);
        // Loudest in the middle: the peak magnitude 0.1875 of full scale is reached there.
        const int middle = peak(s, 1800, 2200);
        QVERIFY(middle > 0.17 * 32767 && middle <= 0.1875 * 32767 + 1);
        QVERIFY(peak(s, 0, 200) < middle / 5);
        QVERIFY(peak(s, 3800, 4000) < middle / 5);
        QVERIFY(peak(s, 900, 1100) > middle / 3 && peak(s, 900, 1100) < middle * 2 / 3);
    }

    void steadyToneKeepsItsPitch()
    {
        const QVector<int> s = samplesOf(synthesizeTone(500, 500, 8000));
        // 500 Hz over 0.125 s is 62.5 cycles, about 125 sign changes per stretch.
        const int early = signChanges(s, 500, 1500);
        const int late = signChanges(s, 2500, 3500);
        QVERIFY(std::abs(early - late) <= 2);
        QVERIFY(std::abs(early - 125) <= 3);
    }

    void pitchGlidesFromThePreviousTone()
    {
        const QVector<int> s = samplesOf(synthesizeTone(100, 1100, 8000));
        // Around the first quarter the pitch is near 350 Hz, around the last near 850 Hz.
        const int early = signChanges(s, 500, 1500);
        const int late = signChanges(s, 2500, 3500);
        QVERIFY2(std::abs(early - 87) <= 4, qPrintable(QString::number(early)));
        QVERIFY2(std::abs(late - 212) <= 4, qPrintable(QString::number(late)));
    }

    void oddAndEmptyBuffers()
    {
        QCOMPARE(synthesizeTone(400, 400, 7).size(), 7);
        QCOMPARE(synthesizeTone(400, 400, 0).size(), 0);
        QCOMPARE(synthesizeTone(400, 400, -4).size(), 0);
    }

    void generatorWithoutDeviceStaysSilent()
    {
        // The generator opens no box itself; the probe session shows noDeviceText().
        TestSupport::MessageBoxSpy boxes;
        ToneGenerator::setDeviceLister([] { return QList<QAudioDeviceInfo>(); });
        ToneGenerator tone;
        ToneGenerator::setDeviceLister(nullptr);
        QVERIFY(boxes.requests().isEmpty());
        QCOMPARE(ToneGenerator::noDeviceText(), QString("No audio device found. Sound will not be available."));
        QVERIFY(!tone.hasOutput());
        tone.playTone(700, 8000);
        QVERIFY(tone.lastTone().isEmpty());
    }

    void consecutiveTonesJoinInPitch()
    {
        TestSupport::MessageBoxSpy boxes;
        ToneGenerator tone;
        if (!tone.hasOutput())
            QSKIP("no audio output listed on this machine");
        QVERIFY(boxes.requests().isEmpty());
        tone.playTone(500, 8000);
        QCOMPARE(tone.lastTone(), synthesizeTone(100, 500, 8000));
        tone.playTone(700, 8000);
        QCOMPARE(tone.lastTone(), synthesizeTone(500, 700, 8000));
    }
};

SORVANEL_TEST_MAIN(ToneTest)
#include "test_tone.moc"
