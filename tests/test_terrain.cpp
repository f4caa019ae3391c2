#include "app/settingskeys.h"
#include "datasets/familyclasses.h"
#include "testenvironment.h"
#include "staggeredfield.h"
#include "visualization/depthanalysis.h"
#include "visualization/isolines.h"
#include "visualization/terrain.h"
#include "visualization/terrainbuilder.h"
#include "visualization/terraincoloring.h"
#include "visualization/terrainreadout.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
using Track = std::vector<int16_t>;

std::unique_ptr<DataSetBrolSensor> fieldOf(const std::vector<Track>& tracks, float width = 3.0f,
                                           int length = 3)
{
    auto dataset = std::make_unique<DataSetBrolSensor>();
    for (const Track& track : tracks)
        dataset->appendTrack(track);
    dataset->setProperty("width", width);
    dataset->setProperty("length", length);
    dataset->setProperty("sensor min", -1000);
    dataset->setProperty("sensor max", 1000);
    return dataset;
}

// tracks x rows of a gentle slope with a bump, so nothing is flat.
std::vector<Track> hill(int tracks, int rows)
{
    std::vector<Track> field;
    for (int t = 0; t < tracks; ++t) {
        Track track;
        for (int r = 0; r < rows; ++r)
            track.push_back(int16_t(10 * r + 3 * t + ((t == tracks / 2 && r == rows / 2) ? 400 : 0)));
        field.push_back(track);
    }
    return field;
}

bool near(float a, float b) { return std::fabs(a - b) < 1e-5f; }

QString text(const QVector3D& v) { return QString("(%1, %2, %3)").arg(v.x()).arg(v.y()).arg(v.z()); }

TerrainStart withFilters(bool trackMatching, bool smoothing, bool outlier)
{
    TerrainStart start;
    start.options.trackMatching = trackMatching;
    start.options.smoothing = smoothing;
    start.options.outlier = outlier;
    return start;
}
} // namespace

class TerrainTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        TestSupport::resetSettings();
        depthFactor = 0.0f;
    }

    void theMeshHasOneVertexPerPoint()
    {
        auto dataset = fieldOf(hill(4, 7));
        const Terrain terrain(dataset.get());
        QCOMPARE(terrain.failed(), 0);
        const TerrainMesh& mesh = terrain.mesh();
        const int w = terrain.terrainGridWidth();
        const int l = terrain.terrainGridLength();
        QCOMPARE(w, 40);
        QCOMPARE(l, 7);
        QCOMPARE(mesh.positions.size(), size_t(w * l));
        QCOMPARE(mesh.normals.size(), size_t(3 * w * l));
        QCOMPARE(mesh.colors.size(), size_t(w * l));
        QCOMPARE(terrain.heights().size(), size_t(w * l));
        // A small field is one block of strips.
        QCOMPARE(mesh.stripsPerBlock, l - 1);
        QCOMPARE(mesh.blockIndices.size(), size_t(3 * (2 * w - 2) * (l - 1)));
        QVERIFY(*std::max_element(mesh.blockIndices.begin(), mesh.blockIndices.end()) < mesh.positions.size());
        QVERIFY(near(mesh.positions[size_t(w)].y(), mesh.positions[0].y() - terrain.dy()));
        QVERIFY(near(mesh.positions[1].x(), mesh.positions[0].x() + terrain.dx()));
        QVERIFY(terrain.reducedMesh().empty());
    }

    // A terrain built for a renderer that takes the mesh in parts gives the same positions and
    // colours part by part, in value and in depth analysis.
    void thePartsOfTheMeshEqualItsArrays()
    {
        auto dataset = fieldOf(hill(4, 9));
        for (const bool depth : {false, true}) {
            TerrainStart start;
            start.depthAnalysis = depth;
            start.boundaryFactor = 0.5f;
            const Terrain whole(dataset.get(), start);
            start.wholeMesh = false;
            const Terrain parts(dataset.get(), start);
            QVERIFY(parts.mesh().positions.empty() && parts.mesh().colors.empty());
            const size_t points = whole.mesh().points();
            std::vector<QVector3D> positions(points), colors(points);
            parts.meshPositions(0, 7, positions.data());
            parts.meshPositions(7, points - 7, positions.data() + 7);
            parts.meshColors(0, points - 5, colors.data());
            parts.meshColors(points - 5, 5, colors.data() + points - 5);
            QVERIFY(std::equal(positions.begin(), positions.end(), whole.mesh().positions.begin()));
            QVERIFY(std::equal(colors.begin(), colors.end(), whole.mesh().colors.begin()));
        }
    }

    // Each block's index list starts again at its first row; together the blocks give the
    // triangles of all strips.
    void blocksOfStripsCoverTheWholeField()
    {
        const int width = 3000;
        const int strips = stripsPerBlock(width, 1000);
        QVERIFY(strips > 1 && strips < 999);
        QVERIFY(stripIndexCount(width, strips) <= size_t(1) << 20);
        BuildArray<uint32_t> block;
        fillBlockIndices(width, strips, block);
        QCOMPARE(*std::max_element(block.begin(), block.end()), uint32_t(width * (strips + 1) - 1));
        // The first strip's first triangles: points (0,0), (1,0), (0,1), then (0,1), (1,0), (1,1).
        const uint32_t w = uint32_t(width);
        QCOMPARE(std::vector<uint32_t>(block.begin(), block.begin() + 6), (std::vector<uint32_t>{0, 1, w, w, 1, w + 1}));
        QCOMPARE(stripsPerBlock(2, 5), 4);
    }

    // The reduced mesh takes every step-th point of the full one and always the last column
    // and row, so that it covers the same ground.
    void theReducedMeshPicksPointsOfTheFullOne()
    {
        QCOMPARE(reducedMeshStep(400, 1000), 1);
        QCOMPARE(reducedMeshStep(400, 1001), 3);
        const int step = reducedMeshStep(1991, 2000);
        QVERIFY(step > 1);
        QVERIFY(size_t(reducedExtent(1991, step)) * size_t(reducedExtent(2000, step)) <= reducedMeshPoints);
        QCOMPARE(reducedExtent(10, 4), 4); // 0, 4, 8, 9
        QCOMPARE(reducedIndex(3, 10, 4), 9);

        TerrainMesh full;
        full.width = 10;
        full.length = 7;
        std::vector<float> heights, raw;
        for (int r = 0; r < full.length; ++r)
            for (int k = 0; k < full.width; ++k) {
                heights.push_back(float(k + 10 * r) / 100.0f);
                raw.push_back(float(100 * k));
                for (int c = 0; c < 3; ++c)
                    full.normals.push_back(float(r));
            }
        const SceneSpacing spacing{0.5f, 0.25f};
        TerrainMesh reduced;
        reduceMesh(full, heights.data(), spacing, 4, reduced);
        QCOMPARE(reduced.width, 4);
        QCOMPARE(reduced.length, 3); // rows 0, 4, 6
        QCOMPARE(reduced.positions.back(), gridPointPosition(9, 6, 10, 7, spacing, heights.back()));
        QCOMPARE(reduced.positions[5], gridPointPosition(4, 4, 10, 7, spacing, heights[44]));
        QCOMPARE(reduced.normals[3 * 4], 4.0f);
        const TerrainColoring coloring{{0, 1000}, 1, false};
        PointColorTable color(coloring, {0, 900, false});
        reduceColors(full, raw.data(), color, 4, reduced);
        QCOMPARE(reduced.colors[3], terrainColor(900.0f, coloring));
    }

    // The lines are lit with the normals of the first vertices of the strips, as they always
    // were: vertex 2 (r width + k) of point (k, r), the next one of point (k, r + 1).
    void linesAreLitWithTheStripNormals()
    {
        auto dataset = fieldOf(hill(3, 6));
        const Terrain terrain(dataset.get(), withFilters(true, false, false));
        const int w = terrain.terrainGridWidth();
        const int l = terrain.terrainGridLength();
        const size_t strips = size_t(2 * w * (l - 1));
        const std::vector<QVector3D> normals = terrain.lineNormals(strips + 5);
        const auto point = [&](int k, int r) {
            const float* n = terrain.mesh().normals.data() + 3 * (k + w * r);
            return QVector3D(n[0], n[1], n[2]);
        };
        for (const int r : {0, 1, l - 2})
            for (const int k : {0, 7, w - 1}) {
                QCOMPARE(normals[size_t(2 * (r * w + k))], point(k, r));
                QCOMPARE(normals[size_t(2 * (r * w + k) + 1)], point(k, r + 1));
            }
        QCOMPARE(normals.back(), QVector3D());
        QCOMPARE(terrain.lineNormals(3)[2], point(1, 0));
    }

    // Only the newest request is delivered; a builder destroyed during a build waits for it
    // and delivers nothing.
    void theBuilderDeliversOnlyTheNewest()
    {
        auto dataset = fieldOf(hill(20, 300));
        std::vector<std::shared_ptr<Terrain>> delivered;
        TerrainStart older;
        TerrainStart newer;
        newer.options.colormap = 3;
        {
            TerrainBuilder builder([&](std::shared_ptr<Terrain> terrain) { delivered.push_back(terrain); });
            builder.request(terrainSource(*dataset), older, dataset.get());
            builder.request(terrainSource(*dataset), newer, dataset.get());
            QVERIFY(builder.busy());
            QTRY_VERIFY(!builder.busy());
            QCOMPARE(delivered.size(), size_t(1));
            QCOMPARE(delivered[0]->colormap(), 3);
            QCOMPARE(delivered[0]->dataset(), dataset.get());
            builder.request(terrainSource(*dataset), older, dataset.get());
            builder.cancel();
            QVERIFY(!builder.busy());
            builder.request(terrainSource(*dataset), older, dataset.get());
        }
        QCoreApplication::processEvents();
        QCOMPARE(delivered.size(), size_t(1));
    }

    void trianglesKeepOneWinding()
    {
        auto dataset = fieldOf(hill(2, 3));
        const Terrain terrain(dataset.get());
        const auto& p = terrain.mesh().positions;
        const auto& index = terrain.mesh().blockIndices;
        for (size_t t = 0; t + 2 < index.size(); t += 3) {
            const QVector3D a = p[index[t]], b = p[index[t + 1]], c = p[index[t + 2]];
            const float z = (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
            QVERIFY2(z < 0, qPrintable(QString("triangle %1").arg(t / 3)));
        }
    }

    void largeBuildArraysHoldWhatIsWritten()
    {
        // 8 MB: mapped as a block of its own rather than taken from the heap.
        BuildArray<float> array;
        resizeForBuild(array, size_t(2) << 20);
        for (size_t i = 0; i < array.size(); i += 4099)
            array[i] = float(i);
        const BuildArray<float> copy = array;
        QCOMPARE(copy[4099 * 300], float(4099 * 300));
        resizeForBuild(array, 10);
        QCOMPARE(array.size(), size_t(10));
    }

    void oneTrackMakesTenColumns()
    {
        auto dataset = fieldOf({{1, 2, 3, 4}});
        const Terrain terrain(dataset.get());
        QCOMPARE(terrain.terrainGridWidth(), 10);
        QCOMPARE(terrain.terrainGridLength(), 4);
    }

    void aLevelFieldIsDegenerateWithUpwardNormals()
    {
        TestSupport::DebugLog log;
        auto dataset = fieldOf({{7, 7, 7}, {7, 7, 7}, {7, 7, 7}});
        Terrain terrain(dataset.get());
        QCOMPARE(terrain.failed(), 0);
        QCOMPARE(log.count("Degenerated Field detected"), 1);
        QCOMPARE(terrain.minH(), 0.0f);
        QCOMPARE(terrain.maxH(), 1.0f);
        for (const float h : terrain.heights())
            QCOMPARE(h, 0.5f);
        const BuildArray<float>& normals = terrain.mesh().normals;
        for (size_t i = 0; i < normals.size(); i += 3)
            QCOMPARE(text({normals[i], normals[i + 1], normals[i + 2]}), text({0, 0, 1}));
        terrain.setScale(2.0f);
        QCOMPARE(terrain.zScale(), 2.0f);
    }

    void normalsAreUnitAndLeanAwayFromTheRise()
    {
        // Values rise along the rows: the surface falls toward +y, so normals lean to +y.
        auto dataset = fieldOf(hill(3, 6));
        const Terrain terrain(dataset.get(), withFilters(true, false, false));
        const BuildArray<float>& normals = terrain.mesh().normals;
        for (size_t i = 0; i < normals.size(); i += 3) {
            QVERIFY(std::fabs(QVector3D(normals[i], normals[i + 1], normals[i + 2]).length() - 1.0f) < 1e-4f);
            QVERIFY(normals[i + 2] > 0.0f);
        }
        const int w = terrain.terrainGridWidth();
        const float* corner = normals.data();
        const float* interior = normals.data() + 3 * (1 + w);
        QVERIFY(corner[1] > 0.0f);
        QVERIFY(interior[1] > 0.0f);
    }

    void theFieldSpans3Point5AlongTheRows_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<int>("length");
        QTest::addColumn<float>("across");
        QTest::addColumn<float>("along");
        QTest::newRow("square") << 4.0f << 4 << 3.5f << 3.5f;
        QTest::newRow("narrow") << 2.0f << 4 << 1.75f << 3.5f;
        QTest::newRow("five times wider") << 20.0f << 4 << 4.66f << 3.5f * 4.66f / 17.5f;
    }
    void theFieldSpans3Point5AlongTheRows()
    {
        QFETCH(float, width);
        QFETCH(int, length);
        QFETCH(float, across);
        QFETCH(float, along);
        auto dataset = fieldOf(hill(3, 5), width, length);
        const Terrain terrain(dataset.get());
        QVERIFY(near(terrain.dx() * float(terrain.terrainGridWidth() - 1), across));
        QVERIFY(near(terrain.dy() * float(terrain.terrainGridLength()), along));
    }

    void aFieldWithoutLengthKeepsUnitSpacing()
    {
        auto dataset = fieldOf(hill(2, 3), 2.0f, 0);
        const Terrain terrain(dataset.get());
        QCOMPARE(terrain.failed(), 0);
        QCOMPARE(terrain.dx(), 1.0f);
        QCOMPARE(terrain.dy(), 1.0f);
    }

    // A failed build opens no box: the screen that builds the terrain shows failureMessage().
    void anEmptyDatasetFailsWithTheFailureMessage()
    {
        TestSupport::MessageBoxSpy boxes;
        DataSetBrolSensor dataset;
        Terrain terrain(&dataset);
        QCOMPARE(terrain.failed(), 1);
        QVERIFY(!terrain.buildTerrain());
        QVERIFY(terrain.mesh().positions.empty());
        QVERIFY(boxes.requests().isEmpty());
        QCOMPARE(Terrain::failureTitle(), QString("Creating Visualization"));
        QCOMPARE(terrain.lastBuild().failure().text,
                 QString("An internal error occured. Couldn't create Data from source.\n"));
    }

    void tracksWithoutRowsFailToo()
    {
        TestSupport::MessageBoxSpy boxes;
        auto dataset = fieldOf({});
        dataset->setProperty("columns", 3);
        Terrain terrain(dataset.get());
        QCOMPARE(terrain.failed(), 1);
        QVERIFY(!terrain.buildTerrain());
        QVERIFY(boxes.requests().isEmpty());
        terrain.computeIsolines(0.5f);
        QVERIFY(terrain.isolines().empty());
    }

    void outlierFilterWithoutOutliersGivesAFlatField()
    {
        TestSupport::DebugLog log;
        auto dataset = fieldOf({{1, 2, 3, 4}, {2, 3, 4, 5}, {3, 4, 5, 6}});
        const Terrain terrain(dataset.get(), withFilters(true, true, true));
        QCOMPARE(terrain.failed(), 0);
        QVERIFY(log.count("Degenerated Field detected") >= 1);
    }

    void theOutlierPairOfASingleTrackIsNotDrawn()
    {
        auto dataset = fieldOf({{0, 0, 0, 0, 0, 0, 0, 900}});
        const Terrain terrain(dataset.get(), withFilters(false, false, true));
        QCOMPARE(terrain.failed(), 0);
        QCOMPARE(terrain.terrainGridLength(), 8);
        QCOMPARE(terrain.grid()[0].size(), size_t(10));
    }

    void smoothingIsSkippedWhileTheOutlierFilterIsOn()
    {
        auto dataset = fieldOf(hill(3, 8));
        const TerrainGrid withSmoothing = Terrain(dataset.get(), withFilters(false, true, true)).grid();
        const TerrainGrid withoutSmoothing = Terrain(dataset.get(), withFilters(false, false, true)).grid();
        QVERIFY(withSmoothing == withoutSmoothing);

        const TerrainGrid smoothed = Terrain(dataset.get(), withFilters(false, true, false)).grid();
        QVERIFY(smoothed != Terrain(dataset.get(), withFilters(false, false, false)).grid());
    }

    void filtersNeverAccumulateOverRebuilds()
    {
        TerrainStart start;
        start.options.valueQuantization = true;
        auto dataset = fieldOf(hill(3, 8));
        Terrain terrain(dataset.get(), start);
        const TerrainGrid first = terrain.grid();
        QVERIFY(terrain.buildTerrain());
        QVERIFY(terrain.buildTerrain());
        QVERIFY(terrain.grid() == first);
    }

    void cleaningRunsBeforeTheFiltersAndInBothModes()
    {
        const FieldLayout layout{120, 8, 0, false};
        auto dataset = fieldOf(StaggeredField::tracks(StaggeredField::grid(layout, 3), layout));
        dataset->setProperty("start index", 0);
        dataset->setProperty("parallel", false);
        TerrainStart start;
        start.options.destagger = true;
        {
            const Terrain terrain(dataset.get(), start);
            QVERIFY(terrain.destaggered());
            QCOMPARE(terrain.staggerEstimate(), 3);
            QCOMPARE(terrain.staggerShift(), 3);
        }
        // A shift set by hand wins; the tracks are shifted in depth analysis too.
        start.options.staggerShift = -2;
        start.depthAnalysis = true;
        {
            const Terrain terrain(dataset.get(), start);
            QCOMPARE(terrain.staggerEstimate(), 3);
            QCOMPARE(terrain.staggerShift(), -2);
        }
        dataset->setProperty("parallel", true);
        QVERIFY(!Terrain(dataset.get(), start).destaggered());

        // A knock in one track no longer sets the range once despiked.
        auto field = hill(3, 30);
        field[1][15] = 30000;
        auto knocked = fieldOf(field);
        TerrainStart despiked = withFilters(false, false, false);
        QVERIFY(sampleRange(Terrain(knocked.get(), despiked).grid()).max > 20000);
        despiked.options.despike = true;
        QVERIFY(sampleRange(Terrain(knocked.get(), despiked).grid()).max < 1000);
    }

    void contrastClipColoursByPercentilesOfTheDrawnReadings()
    {
        auto field = hill(6, 40);
        field[2][7] = 20000;
        auto dataset = fieldOf(field);
        TerrainStart byData = withFilters(false, false, false);
        byData.boundaryFactor = 1.0f;
        TerrainStart start = byData;
        start.options.contrastClip = true;
        const Terrain terrain(dataset.get(), start);
        QVERIFY(terrain.contrastClipped());
        std::vector<int16_t> drawn;
        for (const auto& column : terrain.grid())
            drawn.insert(drawn.end(), column.begin(), column.begin() + terrain.terrainGridLength());
        std::sort(drawn.begin(), drawn.end());
        const auto at = [&](double p) { return int(drawn[size_t(std::lround(p / 100 * (drawn.size() - 1)))]); };
        QCOMPARE(terrain.colorRangeEnds().low, at(2));
        QCOMPARE(terrain.colorRangeEnds().high, at(98));
        const std::array<int, 5> shares = terrain.clippedLegendPercentages(1.0f);
        QVERIFY(std::abs(shares[0] + shares[1] + shares[2] + shares[3] + shares[4] - 100) <= 2);
        QVERIFY(shares[4] >= 2 && shares[0] >= 2);
        // Without the clip the knock takes the top of the range.
        QVERIFY(Terrain(dataset.get(), byData).colorRangeEnds().high > 15000);

        // A flat field is coloured as it was.
        auto flat = fieldOf({{5, 5, 5, 5}, {5, 5, 5, 5}});
        const Terrain plain(flat.get(), byData);
        const Terrain clipped(flat.get(), start);
        QCOMPARE(clipped.colorRangeEnds().low, plain.colorRangeEnds().low);
        QCOMPARE(clipped.colorRangeEnds().high, plain.colorRangeEnds().high);
        QVERIFY(clipped.mesh().colors == plain.mesh().colors);
    }

    // Four tracks make forty drawn columns, so track c is drawn column 13 c exactly. Each
    // reading is 100 track + row, so the read-out's track and row can be checked against the
    // ground arrangement, and its distances against the rule for the start corner.
    void readoutFollowsTheGroundPositions_data()
    {
        QTest::addColumn<int>("startIndex");
        QTest::addColumn<bool>("parallel");
        for (int start = 0; start < 4; ++start)
            for (bool parallel : {false, true})
                QTest::addRow("start %d %s", start, parallel ? "parallel" : "zig-zag") << start << parallel;
    }
    void readoutFollowsTheGroundPositions()
    {
        QFETCH(int, startIndex);
        QFETCH(bool, parallel);
        const int tracks = 4, rows = 12;
        std::vector<Track> field;
        for (int t = 0; t < tracks; ++t) {
            Track track;
            for (int i = 0; i < rows; ++i)
                track.push_back(int16_t(100 * t + i));
            field.push_back(track);
        }
        auto dataset = fieldOf(field, 2.0f, 6);
        dataset->setProperty("start index", startIndex);
        dataset->setProperty("parallel", parallel);
        const Terrain terrain(dataset.get(), withFilters(false, false, false));
        const FieldLayout layout{rows, tracks, startIndex, parallel};
        for (int c = 0; c < tracks; ++c) {
            for (int r : {0, 5, rows - 1}) {
                const PointReadout readout = pointReadout(terrain, {13 * c, r});
                const int t = readout.track - 1, i = readout.row - 1;
                QCOMPARE(readout.stored, 100 * t + i);
                QVERIFY(columnParityPosition(layout, t, i) == (GroundPoint{c, r}));
                const GroundDistance expected = distanceFromStart(layout, c, r, 2.0 / tracks, 6.0 / rows);
                QCOMPARE(readout.along, expected.along);
                QCOMPARE(readout.across, expected.across);
            }
        }
        // The start corner's own cell lies half a cell from it both ways. (Its reading is the first
        // track's first one, except where the view turns that track round: a zig-zag started in
        // the last column of an even number of tracks.)
        const int cornerColumn = startsInLastColumn(startIndex) ? tracks - 1 : 0;
        const int cornerRow = startsInLastRow(startIndex) ? rows - 1 : 0;
        const PointReadout corner = pointReadout(terrain, {13 * cornerColumn, cornerRow});
        QCOMPARE(corner.track, 1);
        QCOMPARE(corner.row, startsInLastColumn(startIndex) && !parallel ? rows : 1);
        QCOMPARE(corner.along, 0.25);
        QCOMPARE(corner.across, 0.25);
    }

    // The profiles hold the drawn grid's column and row, nearest the start corner first.
    void profilesFollowTheDrawnGrid()
    {
        auto dataset = fieldOf(hill(5, 30), 2.0f, 6);
        dataset->setProperty("start index", 2);
        for (bool filters : {false, true}) {
            const Terrain terrain(dataset.get(), withFilters(filters, filters, false));
            const TerrainGrid& grid = terrain.grid();
            const TerrainPoint point{17, 9};
            const Profile along = trackProfile(terrain, point);
            const Profile across = rowProfile(terrain, point);
            QCOMPARE(along.readings.size(), size_t(terrain.terrainGridLength()));
            QCOMPARE(across.readings.size(), size_t(terrain.terrainGridWidth()));
            // Start 2 begins in the last row and the last column: both run backwards.
            for (int r = 0; r < terrain.terrainGridLength(); ++r)
                QCOMPARE(along.readings[size_t(terrain.terrainGridLength() - 1 - r)], float(grid[17][size_t(r)]));
            for (int k = 0; k < terrain.terrainGridWidth(); ++k)
                QCOMPARE(across.readings[size_t(terrain.terrainGridWidth() - 1 - k)], float(grid[size_t(k)][9]));
            QCOMPARE(along.readings[along.picked], float(grid[17][9]));
            QCOMPARE(across.readings[across.picked], float(grid[17][9]));
            QVERIFY(std::is_sorted(along.metres.begin(), along.metres.end()));
            QVERIFY(std::is_sorted(across.metres.begin(), across.metres.end()));
        }
    }

    void coloursFollowTheValuesAndTheColourMap()
    {
        auto dataset = fieldOf(hill(3, 5));
        TerrainStart start;
        start.options.colormap = 2;
        Terrain terrain(dataset.get(), start);
        QCOMPARE(terrain.colormap(), 2);
        terrain.setBoundaryFactor(1.0f);
        const SampleRange range = sampleRange(terrain.grid());
        const TerrainColoring coloring{terrainColorRange(range.min, range.max, -1000, 1000, 1.0f), 2, false};
        const int w = terrain.terrainGridWidth();
        const auto& raw = terrain.rawValues();
        QCOMPARE(text(terrain.mesh().colors[size_t(3 + 2 * w)]), text(terrainColor(raw[size_t(3 + 2 * w)], coloring)));
        QCOMPARE(text(terrain.mesh().colors[0]), text(terrainColor(raw[0], coloring)));
    }

    void depthAnalysisKeepsTheValueColoursOnDeviationHeights()
    {
        // Depth analysis skips the filters; smoothing alone applies in both modes.
        auto dataset = fieldOf(hill(4, 9));
        Terrain terrain(dataset.get(), withFilters(false, true, false));
        const BuildArray<QVector3D> valueColors = terrain.mesh().colors;
        const BuildArray<float> valueHeights = terrain.heights();
        terrain.setScale(0.01f);

        terrain.setDepthAnalysis(true);
        QCOMPARE(terrain.failed(), 0);
        QVERIFY(terrain.depthAnalysis());
        QVERIFY(terrain.mesh().colors == valueColors);
        QVERIFY(terrain.heights() != valueHeights);
        QCOMPARE(terrain.scale(), 1.0f);
        QVERIFY(near(terrain.zScale(), terrain.maxH() / (terrain.maxH() - terrain.minH()) + terrain.minH()));
        QVERIFY(terrain.depthFactor() > 0.0f && terrain.depthFactor() <= 1.0f);
        // Track grid plus the twelve box edges.
        auto valueMode = fieldOf(hill(4, 9));
        QCOMPARE(terrain.overlayLines().size(),
                 Terrain(valueMode.get(), withFilters(false, true, false)).overlayLines().size() + 24);

        // A recolour in depth analysis still shows the measured values.
        terrain.recolor();
        QVERIFY(terrain.mesh().colors == valueColors);

        terrain.setDepthAnalysis(false);
        QVERIFY(terrain.heights() == valueHeights);
    }

    void aConstantFieldInDepthAnalysisKeepsAFiniteScale()
    {
        auto dataset = fieldOf({{5, 5, 5}, {5, 5, 5}});
        Terrain terrain(dataset.get());
        terrain.setDepthAnalysis(true);
        QCOMPARE(terrain.failed(), 0);
        QVERIFY(std::isfinite(terrain.zScale()));
        terrain.setScale(3.0f);
        QVERIFY(std::isfinite(terrain.zScale()));
    }

    void isolinesAtTheEndsOfTheRangeAreEmpty()
    {
        auto dataset = fieldOf(hill(3, 6));
        Terrain terrain(dataset.get());
        terrain.computeIsolines(0.0f);
        QVERIFY(terrain.isolines().empty());
        terrain.computeIsolines(1.0f);
        QVERIFY(terrain.isolines().empty());
        terrain.computeIsolines(0.5f);
        QVERIFY(!terrain.isolines().empty());
        QCOMPARE(terrain.isolines().size() % 2, size_t(0));
        QCOMPARE(terrain.isolineColors().size(), terrain.isolines().size());
        QCOMPARE(text(terrain.isolineColors()[0]), text({0, 0, 0}));
        const size_t once = terrain.isolines().size();
        terrain.computeIsolines(0.5f);
        QCOMPARE(terrain.isolines().size(), once);
        terrain.clearIsolines();
        QVERIFY(terrain.isolines().empty() && terrain.isolineColors().empty());
    }

    void aSaddleCellIsSplitByTheMeanOfItsCorners()
    {
        // One cell: c = h(1, 1) = 1, e = h(1, 0) = 0, ff = h(0, 0) = 1, g = h(0, 1) = 0; mean 0.5.
        const std::vector<float> heights{1, 0, 0, 1, 0, 0};
        const IsolineCells cells{heights.data(), 2, 3, {1.0f, 1.0f}};

        const std::vector<QVector3D> above = isolineSegments(cells, 0.6f);
        QCOMPARE(above.size(), size_t(4));
        // (p0, p1), (p2, p3): edges c-e, e-ff, ff-g, g-c.
        QVERIFY(qFuzzyCompare(above[0], QVector3D(0, 0.4f, 0.6f)));
        QVERIFY(qFuzzyCompare(above[1], QVector3D(-0.6f, 1, 0.6f)));
        QVERIFY(qFuzzyCompare(above[2], QVector3D(-1, 0.6f, 0.6f)));
        QVERIFY(qFuzzyCompare(above[3], QVector3D(-0.4f, 0, 0.6f)));

        const std::vector<QVector3D> below = isolineSegments(cells, 0.4f);
        QCOMPARE(below.size(), size_t(4));
        // (p1, p2), (p3, p0).
        QVERIFY(qFuzzyCompare(below[0], QVector3D(-0.4f, 1, 0.4f)));
        QVERIFY(qFuzzyCompare(below[3], QVector3D(0, 0.6f, 0.4f)));
    }

    void aCellWithOneCrossingIsLoggedAndSkipped()
    {
        TestSupport::DebugLog log;
        const std::vector<float> heights{1, 0, 1, 0.5f, 0, 0};
        QVERIFY(isolineSegments({heights.data(), 2, 3, {1.0f, 1.0f}}, 0.5f).empty());
        QCOMPARE(log.count("Error: Point size: 1"), 1);
        QCOMPARE(log.count("IsoValue: "), 1);
    }

    void overlayHasSeparatorsBorderAndArrowheads()
    {
        auto dataset = fieldOf(hill(4, 6));
        const Terrain terrain(dataset.get());
        const auto& lines = terrain.overlayLines();
        QCOMPARE(lines.size(), size_t(2 * (3 + 4 + 3 * 4)));
        QCOMPARE(terrain.overlayColors().size(), lines.size());
        for (size_t i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines[i].z(), terrain.minH());
            QCOMPARE(text(terrain.overlayColors()[i]), text({1, 1, 1}));
        }
        // Zig-zag from corner 0: the first arrow points down the field (its tip is its lowest
        // corner), the second one up.
        const size_t arrows = 2 * (3 + 4);
        QVERIFY(lines[arrows].y() < lines[arrows + 1].y() && lines[arrows].y() < lines[arrows + 3].y());
        QVERIFY(lines[arrows + 6].y() > lines[arrows + 7].y());
    }

    void startCornerLabelsAndBox()
    {
        auto dataset = fieldOf(hill(3, 5), 3.0f, 4);
        dataset->setProperty("start index", 2);
        const Terrain terrain(dataset.get());
        const int w = terrain.terrainGridWidth();
        const int l = terrain.terrainGridLength();
        const float right = float(w / 2 - 1) * terrain.dx();
        const float bottom = float(l / 2 - (l - 1)) * terrain.dy();
        QCOMPARE(text(terrain.startCornerPoint()), text({right, bottom, terrain.minH()}));

        const DepthBox box = terrain.depthBox();
        QCOMPARE(text(box.low), text({-float(w / 2) * terrain.dx(), float(l / 2) * terrain.dy(), 0}));
        QCOMPARE(text(box.high), text({right, bottom, 1.1f}));

        const std::vector<AxisLabel> labels = terrain.axisLabels();
        QCOMPARE(labels.size(), size_t(8));
        QStringList texts;
        for (const AxisLabel& label : labels)
            texts << label.text;
        QCOMPARE(texts.join(' '), QString("0 1 2 3 0 1.3 2.7 4"));
        // Counted from the start corner: width from the right edge, length from the bottom.
        QVERIFY(near(labels[0].position.x(), right));
        QVERIFY(near(labels[0].position.y(), bottom - 0.2f));
        QVERIFY(near(labels[4].position.y(), bottom));
        QVERIFY(near(labels[4].position.x(), right + 0.1f));
    }
};

SORVANEL_TEST_MAIN(TerrainTest)
#include "test_terrain.moc"
