#include "testenvironment.h"
#include "app/colormap.h"
#include "visualization/terraincoloring.h"

#include <QSet>
#include <limits>

Q_DECLARE_METATYPE(Rgb)

namespace {
constexpr float infinity = std::numeric_limits<float>::infinity();

QString text(const Rgb& c) { return QStringLiteral("(%1, %2, %3)").arg(c.red).arg(c.green).arg(c.blue); }
} // namespace

class ColormapTest : public QObject
{
    Q_OBJECT
private slots:
    void colorsAtTheListedPoints_data()
    {
        QTest::addColumn<int>("map");
        QTest::addColumn<float>("value");
        QTest::addColumn<float>("low");
        QTest::addColumn<float>("high");
        QTest::addColumn<Rgb>("expected");
        QTest::newRow("Jet low") << 1 << 0.f << 0.f << 100.f << Rgb{0, 0, 255};
        QTest::newRow("Jet below low is clamped") << 1 << -50.f << 0.f << 100.f << Rgb{0, 0, 255};
        QTest::newRow("Jet first quarter") << 1 << 25.f << 0.f << 100.f << Rgb{0, 255, 255};
        QTest::newRow("Jet middle") << 1 << 50.f << 0.f << 100.f << Rgb{0, 255, 0};
        QTest::newRow("Jet third quarter") << 1 << 75.f << 0.f << 100.f << Rgb{255, 255, 0};
        QTest::newRow("Jet high") << 1 << 100.f << 0.f << 100.f << Rgb{255, 0, 0};
        QTest::newRow("Jet above high is clamped") << 1 << 1e9f << 0.f << 100.f << Rgb{255, 0, 0};
        // int() truncates in each band: 11 * 4 / 200 * 255 = 56.1, ((50 - 61) * 4 / 200 + 1) * 255 = 198.9.
        QTest::newRow("Jet band 1 truncates") << 1 << 11.f << 0.f << 200.f << Rgb{0, 56, 255};
        QTest::newRow("Jet band 2 truncates") << 1 << 61.f << 0.f << 200.f << Rgb{0, 255, 198};
        QTest::newRow("Jet band 3 truncates") << 1 << 111.f << 0.f << 200.f << Rgb{56, 255, 0};
        QTest::newRow("Jet band 4 truncates") << 1 << 161.f << 0.f << 200.f << Rgb{255, 198, 0};
        QTest::newRow("Jet with an offset range") << 1 << 150.f << 100.f << 300.f << Rgb{0, 255, 255};
        QTest::newRow("unknown map is Jet") << 7 << 25.f << 0.f << 100.f << Rgb{0, 255, 255};
        QTest::newRow("map 0 is Jet") << 0 << 100.f << 0.f << 100.f << Rgb{255, 0, 0};

        QTest::newRow("Black Body 350") << 2 << 350.f << 100.f << 400.f << Rgb{255, 255, 127};
        QTest::newRow("Black Body top") << 2 << 400.f << 100.f << 400.f << Rgb{255, 255, 255};
        QTest::newRow("Black Body below") << 2 << 99.f << 100.f << 400.f << Rgb{0, 0, 0};
        QTest::newRow("Black Body low") << 2 << 100.f << 100.f << 400.f << Rgb{0, 0, 0};
        QTest::newRow("Black Body red band") << 2 << 150.f << 100.f << 400.f << Rgb{127, 0, 0};
        QTest::newRow("Black Body yellow band") << 2 << 250.f << 100.f << 400.f << Rgb{255, 127, 0};
        QTest::newRow("Black Body +infinity") << 2 << infinity << 100.f << 400.f << Rgb{255, 255, 255};
        QTest::newRow("Black Body -infinity") << 2 << -infinity << 100.f << 400.f << Rgb{0, 0, 0};

        QTest::newRow("Grey below") << 3 << -10.f << 0.f << 100.f << Rgb{0, 0, 0};
        QTest::newRow("Grey above") << 3 << 1000.f << 0.f << 100.f << Rgb{255, 255, 255};
        QTest::newRow("Grey middle") << 3 << 50.f << 0.f << 100.f << Rgb{127, 127, 127};

        QTest::newRow("Temperature low") << 4 << 0.f << 0.f << 200.f << Rgb{0, 0, 255};
        QTest::newRow("Temperature below") << 4 << -1.f << 0.f << 200.f << Rgb{0, 0, 255};
        QTest::newRow("Temperature quarter") << 4 << 50.f << 0.f << 200.f << Rgb{127, 127, 255};
        QTest::newRow("Temperature midpoint") << 4 << 100.f << 0.f << 200.f << Rgb{255, 255, 255};
        QTest::newRow("Temperature three quarters") << 4 << 150.f << 0.f << 200.f << Rgb{255, 128, 128};
        QTest::newRow("Temperature high") << 4 << 200.f << 0.f << 200.f << Rgb{255, 0, 0};
        QTest::newRow("Temperature +infinity") << 4 << infinity << 0.f << 200.f << Rgb{255, 0, 0};
    }
    void colorsAtTheListedPoints()
    {
        QFETCH(int, map);
        QFETCH(float, value);
        QFETCH(float, low);
        QFETCH(float, high);
        QFETCH(Rgb, expected);
        QCOMPARE(text(colorFromValue(value, low, high, map)), text(expected));
    }

    void anEmptyRangeGivesAColourWithoutDividingByZero()
    {
        // Undefined behaviour would show under the sanitizers; the colours are fixed here.
        QCOMPARE(text(colorFromValue(5, 5, 5, 1)), text({255, 0, 0}));
        QCOMPARE(text(colorFromValue(5, 5, 5, 2)), text({255, 255, 255}));
        QCOMPARE(text(colorFromValue(5, 5, 5, 3)), text({0, 0, 0}));
        QCOMPARE(text(colorFromValue(5, 5, 5, 4)), text({255, 0, 0}));
    }

    void rangesNarrowerThan200AreWidenedSymmetrically()
    {
        auto widened = [](int low, int high) {
            const ValueRange r = widenToMinimumColorRange({low, high});
            return QPair<int, int>(r.low, r.high);
        };
        QCOMPARE(widened(17, 17), qMakePair(-83, 117));
        QCOMPARE(widened(1000, 1000), qMakePair(900, 1100));
        QCOMPARE(widened(0, 50), qMakePair(-75, 125));
        // Odd spans: both new ends are truncated toward zero.
        QCOMPARE(widened(0, 51), qMakePair(-74, 125));
        QCOMPARE(widened(-300, -100), qMakePair(-300, -100));
        QCOMPARE(widened(0, 500), qMakePair(0, 500));
    }

    void terrainRangeBlendsDataAndSensor()
    {
        // A terrain spanning 50 counts is coloured over 200 centred on the data.
        TerrainColorRange range = terrainColorRange(1000, 1050, 0, 20000, 1.0f);
        QCOMPARE(range.low, 925);
        QCOMPARE(range.span, 200);
        // Factor 0: the probe's full range.
        range = terrainColorRange(1000, 1050, 0, 20000, 0.0f);
        QCOMPARE(range.low, 0);
        QCOMPARE(range.span, 20000);
        range = terrainColorRange(-1000, 1000, 0, 20000, 0.5f);
        QCOMPARE(range.low, -500);
        QCOMPARE(range.span, 11000);
    }

    void weakAnomalyShowsInOneColourAgainstTheSensorRange()
    {
        TerrainColoring coloring{terrainColorRange(1001, 1009, 0, 20000, 0.0f), 1, false};
        QCOMPARE(terrainColor(1001, coloring), terrainColor(1009, coloring));
        coloring.range = terrainColorRange(1001, 1009, 0, 20000, 1.0f);
        QVERIFY(terrainColor(1001, coloring) != terrainColor(1009, coloring));
    }

    void quantisationSnapsToTwelfths()
    {
        QCOMPARE(quantizeToTwelfths(0.f, 240), 0.f);
        QCOMPARE(quantizeToTwelfths(9.9f, 240), 0.f);
        QCOMPARE(quantizeToTwelfths(10.f, 240), 20.f);   // halves away from zero
        QCOMPARE(quantizeToTwelfths(-10.f, 240), -20.f);
        QCOMPARE(quantizeToTwelfths(229.f, 240), 220.f);
        QCOMPARE(quantizeToTwelfths(231.f, 240), 240.f);
    }

    void quantisedTerrainShowsAtMostThirteenColours_data()
    {
        QTest::addColumn<int>("map");
        for (int map = 1; map <= 4; ++map)
            QTest::addRow("map %d", map) << map;
    }
    void quantisedTerrainShowsAtMostThirteenColours()
    {
        QFETCH(int, map);
        const int width = 40;
        const int length = 50;
        std::vector<float> raw(size_t(width * length));
        for (size_t i = 0; i < raw.size(); ++i)
            raw[i] = float(int(i * 7919 % 3001) - 1500);
        const TerrainColoring plain{terrainColorRange(-1500, 1500, 0, 0, 1.0f), map, false};
        TerrainColoring quantized = plain;
        quantized.quantize = true;

        auto distinct = [](const std::vector<QVector3D>& colors) {
            QSet<QString> seen;
            for (const QVector3D& c : colors)
                seen.insert(QStringLiteral("%1 %2 %3").arg(c.x()).arg(c.y()).arg(c.z()));
            return seen.size();
        };
        const auto plainColors = terrainStripColors(raw.data(), width, length, plain);
        const auto quantizedColors = terrainStripColors(raw.data(), width, length, quantized);
        QCOMPARE(quantizedColors.size(), size_t(2 * width * (length - 1)));
        QVERIFY(distinct(quantizedColors) <= 13);
        QVERIFY(distinct(quantizedColors) >= 12);
        QVERIFY(distinct(plainColors) > 13);
    }

    void stripColoursFollowTheStripLayout()
    {
        // 2 columns × 3 rows; index column + 2 * row.
        const std::vector<float> raw{0, 50, 100, 150, 200, 250};
        const TerrainColoring coloring{{0, 200}, 3, false};
        const auto colors = terrainStripColors(raw.data(), 2, 3, coloring);
        QCOMPARE(colors.size(), size_t(8));
        const std::vector<int> expected{0, 2, 1, 3, 2, 4, 3, 5};
        for (size_t i = 0; i < colors.size(); ++i)
            QCOMPARE(colors[i], terrainColor(raw[size_t(expected[i])], coloring));
        QCOMPARE(colors[0], QVector3D(0, 0, 0));
        QCOMPARE(colors[7], QVector3D(1, 1, 1));
        QVERIFY(terrainStripColors(raw.data(), 2, 1, coloring).empty());
    }

    void legendPercentagesInFiveBins()
    {
        std::vector<int16_t> values;
        for (int v = 0; v < 100; ++v)
            values.push_back(int16_t(v * 10)); // 0 .. 990
        // Blend 1: the data's own range 0 .. 990.
        std::array<int, 5> expected{20, 20, 20, 20, 20};
        QCOMPARE(legendPercentages(values, true, 0, 20000, 1.0f), expected);
        // Blend 0: the sensor range; everything in the lowest fifth.
        expected = {100, 0, 0, 0, 0};
        QCOMPARE(legendPercentages(values, true, 0, 20000, 0.0f), expected);
        // Values beyond the range count in the nearest end bin.
        expected = {50, 0, 0, 0, 50};
        QCOMPARE(legendPercentages({-5000, -4000, 5000, 30000}, true, 0, 1000, 0.0f), expected);
        // Rounded to the nearest integer: 1 of 3 is 33, 2 of 3 is 67.
        expected = {33, 0, 0, 0, 67};
        QCOMPARE(legendPercentages({0, 1000, 1000}, true, 0, 1000, 1.0f), expected);
        // Without scalar data the data range counts as 0 .. 0, widened to -100 .. 100.
        expected = {0, 0, 50, 50, 0};
        QCOMPARE(legendPercentages({0, 50}, false, 0, 0, 1.0f), expected);
        expected = {0, 0, 0, 0, 0};
        QCOMPARE(legendPercentages({}, true, 0, 1000, 1.0f), expected);
    }
};

SORVANEL_TEST_MAIN(ColormapTest)
#include "test_colormap.moc"
