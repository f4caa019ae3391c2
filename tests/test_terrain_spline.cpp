#include "testenvironment.h"
#include "visualization/crosstrackspline.h"

#include <random>

namespace {
// The interpolation as defined, evaluated the slow way: every basis function by the full
// Cox-de Boor recursion and the sum over all 5T control points, for every output point.
double basis(const std::vector<double>& t, int k, int p, double u)
{
    if (p == 1)
        return (t[size_t(k)] <= u && u < t[size_t(k + 1)]) ? 1.0 : 0.0;
    double left = 0.0;
    double right = 0.0;
    const double d1 = t[size_t(k + p - 1)] - t[size_t(k)];
    if (d1 != 0.0)
        left = (u - t[size_t(k)]) / d1 * basis(t, k, p - 1, u);
    const double d2 = t[size_t(k + p)] - t[size_t(k + 1)];
    if (d2 != 0.0)
        right = (t[size_t(k + p)] - u) / d2 * basis(t, k + 1, p - 1, u);
    return left + right;
}

TerrainGrid splineByDefinition(const TerrainGrid& input)
{
    const int columns = int(input.size());
    TerrainGrid output;
    for (int m = 0; m < 10 * columns; ++m)
        output.push_back(input[size_t(m / 10)]);
    if (columns <= 1)
        return output;
    const int n = 5 * columns;
    std::vector<double> t(size_t(n + 5));
    for (int j = 0; j < n + 5; ++j)
        t[size_t(j)] = j <= 4 ? 0.0 : (j <= n - 1 ? double(j - 4) : double(n - 4));
    const size_t rows = input[0].size();
    const int last = 10 * columns - 1;
    std::vector<double> weight(size_t(n), 0.0);
    double u = 0.0;
    for (int m = 0; m < last; ++m) {
        // The basis does not depend on the row; the sum still runs over every k.
        for (int k = 0; k < n; ++k)
            weight[size_t(k)] = basis(t, k, 5, u);
        for (size_t i = 0; i < rows; ++i) {
            double sum = 0.0;
            for (int k = 0; k < n; ++k)
                sum += weight[size_t(k)] * double(input[size_t(k / 5)][i]);
            output[size_t(m)][i] = int16_t(int(sum));
        }
        u += double(n - 4) / double(last);
    }
    for (size_t i = 0; i < rows; ++i)
        output[size_t(last)][i] = input[size_t(columns - 1)][i];
    return output;
}

TerrainGrid randomGrid(std::mt19937& random, int columns, int rows)
{
    std::uniform_int_distribution<int> kind(0, 5);
    std::uniform_int_distribution<int> any(-32768, 32767);
    std::uniform_int_distribution<int> small(-300, 300);
    TerrainGrid grid(size_t(columns), std::vector<int16_t>(size_t(rows), 0));
    for (auto& column : grid) {
        for (int16_t& v : column) {
            switch (kind(random)) {
            case 0: v = -32768; break;
            case 1: v = 32767; break;
            case 2: v = int16_t(small(random)); break;
            default: v = int16_t(any(random)); break;
            }
        }
    }
    return grid;
}

bool sameGrid(const TerrainGrid& a, const TerrainGrid& b, QString& where)
{
    if (a.size() != b.size()) {
        where = QString("column count %1 against %2").arg(a.size()).arg(b.size());
        return false;
    }
    for (size_t c = 0; c < a.size(); ++c) {
        if (a[c] != b[c]) {
            where = QString("column %1").arg(c);
            return false;
        }
    }
    return true;
}
} // namespace

class TerrainSplineTest : public QObject
{
    Q_OBJECT
private slots:
    void fastSplineEqualsTheDefinitionBitForBit()
    {
        std::mt19937 random(20261208);
        std::uniform_int_distribution<int> columnCount(1, 60);
        const int rowCounts[] = {1, 2, 3, 5, 17};
        for (int round = 0; round < 150; ++round) {
            const int columns = round < 60 ? round + 1 : columnCount(random);
            const int rows = rowCounts[round % 5];
            const TerrainGrid input = randomGrid(random, columns, rows);
            QString where;
            QVERIFY2(sameGrid(crossTrackSpline(input), splineByDefinition(input), where),
                     qPrintable(QString("%1 x %2: %3").arg(columns).arg(rows).arg(where)));
        }
    }

    void fastSplineEqualsTheDefinitionOnAWideField()
    {
        // Many additions of the step bring u close to the last knot; 9 rows take both the
        // four-row and the single-row path.
        std::mt19937 random(7);
        const TerrainGrid input = randomGrid(random, 200, 9);
        QString where;
        QVERIFY2(sameGrid(crossTrackSpline(input), splineByDefinition(input), where), qPrintable(where));
    }

    void oneTrackIsCopiedTenTimes()
    {
        const TerrainGrid input{{5, -7, 32767, -32768}};
        const TerrainGrid output = crossTrackSpline(input);
        QCOMPARE(output.size(), size_t(10));
        for (const auto& column : output)
            QVERIFY(column == input[0]);
    }

    void twoConstantTracksRiseSmoothlyWithExactEnds()
    {
        const TerrainGrid input{{0, 0, 0}, {100, 100, 100}};
        const TerrainGrid output = crossTrackSpline(input);
        QCOMPARE(output.size(), size_t(20));
        for (size_t row = 0; row < 3; ++row) {
            QCOMPARE(int(output.front()[row]), 0);
            QCOMPARE(int(output.back()[row]), 100);
            for (size_t m = 1; m < output.size(); ++m)
                QVERIFY2(output[m][row] >= output[m - 1][row], qPrintable(QString::number(m)));
        }
        // Rising through the middle, not jumping at one column.
        QVERIFY(output[7][0] > 0 && output[7][0] < 50);
        QVERIFY(output[12][0] > 50 && output[12][0] < 100);
    }

    void extrasOfTheLastColumnAreCarriedOver()
    {
        TerrainGrid input{{1, 2}, {3, 4}, {5, 6, 99, -99}};
        const TerrainGrid output = crossTrackSpline(input);
        QCOMPARE(output.size(), size_t(30));
        for (size_t m = 20; m < 30; ++m) {
            QCOMPARE(output[m].size(), size_t(4));
            QCOMPARE(int(output[m][2]), 99);
            QCOMPARE(int(output[m][3]), -99);
        }
        QCOMPARE(output[0].size(), size_t(2));
        input.back().resize(2);
        const TerrainGrid plain = crossTrackSpline(input);
        for (size_t m = 0; m < 30; ++m)
            QVERIFY(std::equal(plain[m].begin(), plain[m].end(), output[m].begin()));
    }

    void noColumnsGiveNoColumns() { QVERIFY(crossTrackSpline({}).empty()); }
};

SORVANEL_TEST_MAIN(TerrainSplineTest)
#include "test_terrain_spline.moc"
