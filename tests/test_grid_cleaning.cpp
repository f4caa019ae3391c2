#include "testenvironment.h"
#include "datasets/gridcleaning.h"
#include "staggeredfield.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {
using Column = std::vector<int16_t>;

// The mean absolute difference between each reverse track and the mean of its neighbours.
double herringbone(const GroundColumns& grid, const FieldLayout& layout)
{
    double sum = 0;
    size_t count = 0;
    for (int c = 0; c < layout.columns; ++c) {
        if (!isReverseColumn(layout, c))
            continue;
        for (int k = 0; k < layout.rows; ++k) {
            double mean = 0;
            int n = 0;
            for (int d : {c - 1, c + 1})
                if (d >= 0 && d < layout.columns) {
                    mean += grid[size_t(d)][size_t(k)];
                    ++n;
                }
            sum += std::fabs(grid[size_t(c)][size_t(k)] - mean / n);
            ++count;
        }
    }
    return count ? sum / double(count) : 0.0;
}

Column smoothTrack(int n)
{
    Column track;
    for (int k = 0; k < n; ++k)
        track.push_back(int16_t(std::lround(500 * std::sin(k / 9.0))));
    return track;
}
} // namespace

class GridCleaningTest : public QObject
{
    Q_OBJECT
private slots:
    void staggerEstimateIsExactAndRemovesTheHerringbone_data()
    {
        QTest::addColumn<int>("lag");
        QTest::addColumn<int>("startIndex");
        for (int lag : {0, 2, 3, -4})
            for (int start = 0; start < 4; ++start)
                QTest::addRow("lag %d start %d", lag, start) << lag << start;
    }
    void staggerEstimateIsExactAndRemovesTheHerringbone()
    {
        QFETCH(int, lag);
        QFETCH(int, startIndex);
        // An even number of columns started in the last column is the arrangement's odd case.
        const FieldLayout layout{240, 24, startIndex, false};
        GroundColumns grid = StaggeredField::grid(layout, lag);
        QCOMPARE(estimateStaggerShift(grid, layout), lag);
        const double before = herringbone(grid, layout);
        destagger(grid, layout, lag);
        const double after = herringbone(grid, layout);
        QCOMPARE(int(grid.size()), layout.columns);
        QCOMPARE(int(grid.back().size()), layout.rows);
        if (lag != 0)
            QVERIFY2(after <= 0.2 * before, qPrintable(QString("residual %1 -> %2").arg(before).arg(after)));
        qInfo("lag %d: residual %.1f -> %.1f", lag, before, after);
    }

    void destaggerKeepsTheGridAndRepeatsTheEndReading()
    {
        // Two tracks of a zig-zag walk from start 0: column 1 runs back toward row 0.
        const FieldLayout layout{5, 2, 0, false};
        GroundColumns grid{{1, 2, 3, 4, 5}, {10, 20, 30, 40, 50}};
        destagger(grid, layout, 2);
        QCOMPARE(grid[0], Column({1, 2, 3, 4, 5}));
        QCOMPARE(grid[1], Column({10, 10, 10, 20, 30}));
        destagger(grid, layout, -1);
        QCOMPARE(grid[1], Column({10, 10, 20, 30, 30}));
    }

    void parallelAndNarrowFieldsStayAsTheyAre()
    {
        FieldLayout parallel{240, 24, 0, true};
        GroundColumns grid = StaggeredField::grid({240, 24, 0, false}, 3);
        const GroundColumns before = grid;
        QCOMPARE(estimateStaggerShift(grid, parallel), 0);
        destagger(grid, parallel, 3);
        QCOMPARE(grid, before);

        GroundColumns one{smoothTrack(100)};
        QCOMPARE(estimateStaggerShift(one, {100, 1, 0, false}), 0);
        GroundColumns two = StaggeredField::grid({100, 2, 1, false}, 2);
        const int shift = estimateStaggerShift(two, {100, 2, 1, false});
        QVERIFY(std::abs(shift) <= largestStaggerShift(100));
        GroundColumns flat(4, Column(50, 7));
        QCOMPARE(estimateStaggerShift(flat, {50, 4, 0, false}), 0);
        // Fewer rows than the grid promises, and a grid of three rows (no shift to try).
        QCOMPARE(estimateStaggerShift(GroundColumns(3, Column(10, 1)), {40, 3, 0, false}), 0);
        QCOMPARE(estimateStaggerShift(GroundColumns(3, Column(3, 1)), {3, 3, 0, false}), 0);
    }

    void despikeReplacesSpikesAndKeepsEdges()
    {
        Column track = smoothTrack(60);
        Column spiked = track;
        spiked[30] = 30000;
        GroundColumns grid{spiked};
        despike(grid);
        Column window(track.begin() + 27, track.begin() + 34);
        window[3] = 30000;
        std::sort(window.begin(), window.end());
        QCOMPARE(grid[0][30], window[3]);
        for (size_t k = 0; k < track.size(); ++k)
            if (k != 30)
                QCOMPARE(grid[0][k], track[k]);

        // A boundary: every reading stays within one of where it was.
        Column step(40, 100);
        std::fill(step.begin() + 20, step.end(), 2000);
        GroundColumns edge{step};
        despike(edge);
        QCOMPARE(edge[0], step);

        GroundColumns run{Column(20, -5), Column{3, 3, 3}};
        const GroundColumns same = run;
        despike(run);
        QCOMPARE(run, same);
        // A spike at the very start of a track is caught by the shortened window.
        GroundColumns first{Column{9000, 10, 11, 10, 12, 11, 10}};
        despike(first);
        QVERIFY(first[0][0] < 20);
    }

    // The fast path for whole windows against the rule written plainly, on noisy tracks with
    // knocks, plateaus and repeated values.
    void despikeFollowsTheHampelRule()
    {
        std::mt19937 random(11);
        std::uniform_int_distribution<int> noise(-40, 40), knock(0, 15);
        Column track;
        for (int k = 0; k < 3000; ++k)
            track.push_back(int16_t(k % 200 < 50 ? 100 : noise(random) + (knock(random) == 0 ? 5000 : 0)));
        const auto median = [](std::vector<double> v) {
            std::sort(v.begin(), v.end());
            const size_t n = v.size();
            return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
        };
        Column expected = track;
        for (int j = 0; j < int(track.size()); ++j) {
            std::vector<double> window(track.begin() + std::max(0, j - 3),
                                       track.begin() + std::min(int(track.size()), j + 4));
            const double m = median(window);
            for (double& v : window)
                v = std::fabs(v - m);
            if (std::fabs(track[size_t(j)] - m) > 3 * 1.4826 * median(window))
                expected[size_t(j)] = int16_t(std::lround(m));
        }
        GroundColumns grid{track};
        despike(grid);
        QCOMPARE(grid[0], expected);
        QVERIFY(expected != track);
    }

    void percentilesMatchTheSortedReadings()
    {
        std::mt19937 random(3);
        std::uniform_int_distribution<int> value(-20000, 20000);
        GroundColumns grid(7, Column(131));
        for (auto& column : grid)
            for (int16_t& v : column)
                v = int16_t(value(random));
        grid.back().push_back(32000);  // an extra beyond the rows counts not
        Column sorted;
        for (const auto& column : grid)
            sorted.insert(sorted.end(), column.begin(), column.begin() + 131);
        std::sort(sorted.begin(), sorted.end());
        const auto at = [&](double p) { return sorted[size_t(std::floor(p / 100 * (sorted.size() - 1) + 0.5))]; };
        const auto range = percentileRange(grid, 131, 2, 98);
        QVERIFY(range);
        QCOMPARE(range->low, int(at(2)));
        QCOMPARE(range->high, int(at(98)));
        QCOMPARE(percentileRange(grid, 131, 0, 100)->high, int(sorted.back()));
        QVERIFY(!percentileRange(GroundColumns(2), 10, 2, 98));

        clipToRange(grid, *range);
        for (const auto& column : grid)
            for (const int16_t v : column)
                QVERIFY(v >= range->low && v <= range->high);
    }
};

SORVANEL_TEST_MAIN(GridCleaningTest)
#include "test_grid_cleaning.moc"
