#include "testenvironment.h"
#include "visualization/depthanalysis.h"
#include "datasets/samplehistogram.h"
#include "visualization/terrainfilters.h"

#include <algorithm>
#include <random>

namespace {
using Column = std::vector<int16_t>;

QString text(const TerrainGrid& grid)
{
    QStringList columns;
    for (const auto& column : grid) {
        QStringList values;
        for (const int16_t v : column)
            values << QString::number(v);
        columns << "{" + values.join(", ") + "}";
    }
    return columns.join(" ");
}
} // namespace

class TerrainFiltersTest : public QObject
{
    Q_OBJECT
private slots:
    void columnParityArrangement_data()
    {
        QTest::addColumn<int>("startIndex");
        QTest::addColumn<bool>("parallel");
        QTest::addColumn<QString>("expected");
        // Track t holds t * 10 + row.
        QTest::newRow("start 0 zig-zag") << 0 << false << "{0, 1, 2} {12, 11, 10} {20, 21, 22}";
        QTest::newRow("start 1 zig-zag") << 1 << false << "{2, 1, 0} {10, 11, 12} {22, 21, 20}";
        QTest::newRow("start 2 zig-zag: even columns reversed, odd forward")
            << 2 << false << "{22, 21, 20} {10, 11, 12} {2, 1, 0}";
        QTest::newRow("start 2 parallel: every column reversed")
            << 2 << true << "{22, 21, 20} {12, 11, 10} {2, 1, 0}";
        QTest::newRow("start 3 zig-zag") << 3 << false << "{20, 21, 22} {12, 11, 10} {0, 1, 2}";
    }
    void columnParityArrangement()
    {
        QFETCH(int, startIndex);
        QFETCH(bool, parallel);
        QFETCH(QString, expected);
        const std::vector<int16_t> values{0, 1, 2, 10, 11, 12, 20, 21, 22};
        QCOMPARE(text(assembleGrid(values, {3, 3, startIndex, parallel})), expected);
    }

    void valuesMissingFromTheListReadZero()
    {
        // "rows" and "columns" promise more than the dataset holds.
        QCOMPARE(text(assembleGrid({1, 2, 3}, {2, 2, 0, true})), QString("{1, 2} {3, 0}"));
        QVERIFY(assembleGrid({}, {-1, 5, 0, true}).at(0).empty());
    }

    void deltaFilterFlattensSmallSteps()
    {
        TerrainGrid grid{{0, 5, 9, 30}, {100, 91, 82, 73}};
        deltaFilter(grid);
        // 91 differs by 9 from 100, 82 by 18 from the updated 100, 73 by 9 from 82.
        QCOMPARE(text(grid), QString("{0, 0, 0, 30} {100, 100, 82, 82}"));
    }

    void valueQuantizationMovesTowardZero()
    {
        TerrainGrid grid{{-5, 5, 8, -32768, 32767}};
        valueQuantizationFilter(grid);
        QCOMPARE(text(grid), QString("{-3, 3, 6, -32766, 32766}"));
    }

    void trackMatchingShiftsEveryColumnButTheFirst()
    {
        TerrainGrid grid{{5, 15}, {25, 35}};
        trackMatchingFilter(grid);
        QCOMPARE(text(grid), QString("{5, 15} {15, 25}"));

        // Offsets truncate toward zero (20.75 - 30 gives -9); an empty column is skipped.
        TerrainGrid uneven{{11, 12}, {}, {30, 30}};
        trackMatchingFilter(uneven);
        QCOMPARE(text(uneven), QString("{11, 12} {} {21, 21}"));

        // Mean 19660, column mean -0.5: the offset 19660 wraps 32767 to -13109.
        TerrainGrid wrapping{{32767, 32767, 32767}, {-32768, 32767}};
        trackMatchingFilter(wrapping);
        QCOMPARE(text(wrapping), QString("{32767, 32767, 32767} {-13108, -13109}"));

        TerrainGrid empty{{}, {}};
        trackMatchingFilter(empty);
        QCOMPARE(text(empty), QString("{} {}"));
    }

    void outlierFilterKeepsOnlyTheExcessAndAppendsTheSymmetricPair()
    {
        // Sorted: -50 1 2 3 4 5 6 100; Q1 = 2, Q3 = 6, IQR = 4, fences -2 and 10.
        TerrainGrid grid{{-50, 1, 2, 3}, {4, 5, 6, 100}};
        outlierFilter(grid);
        QCOMPARE(text(grid), QString("{-48, 0, 0, 0} {0, 0, 0, 90, 48, -90}"));
    }

    void outlierFilterWithoutOutliersGivesAFlatField()
    {
        TerrainGrid grid{{10, 11, 12}, {13, 14, 15}};
        outlierFilter(grid);
        QCOMPARE(text(grid), QString("{0, 0, 0} {0, 0, 0, 0, 0}"));
    }

    void outlierFilterOnNoSamplesChangesNothing()
    {
        TerrainGrid none;
        outlierFilter(none);
        QVERIFY(none.empty());
        TerrainGrid emptyColumns{{}, {}};
        outlierFilter(emptyColumns);
        QCOMPARE(text(emptyColumns), QString("{} {}"));
    }

    void orderStatisticsMatchASortedCopy()
    {
        std::mt19937 random(3);
        std::uniform_int_distribution<int> any(-32768, 32767);
        TerrainGrid grid(3);
        for (auto& column : grid)
            for (int i = 0; i < 101; ++i)
                column.push_back(int16_t(i % 7 == 0 ? (i % 2 ? -32768 : 32767) : any(random)));
        std::vector<int16_t> all;
        for (const auto& column : grid)
            all.insert(all.end(), column.begin(), column.end());
        std::sort(all.begin(), all.end());
        const SampleHistogram histogram(grid);
        QCOMPARE(histogram.count(), all.size());
        for (size_t i = 0; i < all.size(); ++i)
            QCOMPARE(histogram.orderStatistic(i), all[i]);
    }

    void smoothingPassesInOrder()
    {
        // Column 0: forward {0, 5, 2}, back {1, 3, 2}. Column 1: {-1, -1, -2} both ways.
        // Across forward: column 1 {0, 1, 0}; back: column 0 {0, 2, 1}.
        TerrainGrid grid{{0, 10, 0}, {-1, -2, -4}};
        smoothingFilter(grid);
        QCOMPARE(text(grid), QString("{0, 2, 1} {0, 1, 0}"));
    }

    void smoothingTruncatesTowardZeroWithoutOverflow()
    {
        // trunc(0.5 * -32768 + 0.5 * 32767) = trunc(-0.5) = 0, then trunc(-16384) back.
        TerrainGrid grid{{-32768, 32767}};
        smoothingFilter(grid);
        QCOMPARE(text(grid), QString("{-16384, 0}"));
    }

    void smoothingLeavesTheExtrasOfALongerLastColumn()
    {
        TerrainGrid grid{{0, 0}, {100, 100, 7, -7}};
        smoothingFilter(grid);
        QCOMPARE(grid[1].size(), size_t(4));
        QCOMPARE(grid[0].size(), size_t(2));
    }

    void depthDeviationFromTheMean()
    {
        // Mean 25, minimum 10: -190 is appended; |25 - v| everywhere.
        TerrainGrid grid{{10, 20}, {30, 40}};
        depthDeviationTransform(grid);
        QCOMPARE(text(grid), QString("{15, 5} {5, 15, 215}"));
        // Sorted 5 5 15 15 215: (15 - 5) / (215 - 5).
        QCOMPARE(depthFactorOf(grid), 1.0f - 10.0f / 210.0f);
    }

    void depthFactorWithoutSpreadIsOne()
    {
        QCOMPARE(depthFactorOf({{4, 4}, {4}}), 1.0f);
        QCOMPARE(depthFactorOf({}), 1.0f);
        TerrainGrid none;
        depthDeviationTransform(none);
        QVERIFY(none.empty());
    }
};

SORVANEL_TEST_MAIN(TerrainFiltersTest)
#include "test_terrain_filters.moc"
