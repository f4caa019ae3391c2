#include "app/appsettings.h"
#include "datasetfamilies.h"
#include "datasets/datasetidentifier.h"
#include "datasets/groundposition.h"
#include "datasets/resampletrack.h"
#include "testenvironment.h"

#include <QRegularExpression>
#include <stdexcept>

namespace {
using Track = std::vector<int16_t>;

Track ramp(int n)
{
    Track t(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        t[size_t(i)] = int16_t(i * 10 - 100);
    return t;
}

QString thrownBy(const std::function<void()>& call)
{
    try {
        call();
    } catch (const std::runtime_error& e) {
        return QString::fromLatin1(e.what());
    }
    return QString();
}

// The grid as x-major columns of y values, written out so that a test reads like the field.
using Ground = std::vector<std::vector<int16_t>>;
} // namespace

class DatasetModelTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { currentPosition = QGeoCoordinate(0.0, 0.0); }

    void identifiersAreVersion4Uuids()
    {
        const QRegularExpression uuid("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$");
        QSet<QString> seen;
        for (int i = 0; i < 200; ++i) {
            const QString id = newDatasetIdentifier();
            QVERIFY2(uuid.match(id).hasMatch(), qPrintable(id));
            seen.insert(id);
        }
        QCOMPARE(seen.size(), 200);
        // Version and variant bits are forced whatever was drawn; digits are zero-padded.
        QCOMPARE(datasetIdentifierFrom(0, 0), QString("00000000-0000-4000-8000-000000000000"));
        QCOMPARE(datasetIdentifierFrom(~quint64(0), ~quint64(0)), QString("ffffffff-ffff-4fff-bfff-ffffffffffff"));
        QCOMPARE(datasetIdentifierFrom(0x0123456789abcdefULL, 0xfedcba9876543210ULL),
                 QString("01234567-89ab-4def-bedc-ba9876543210"));
    }

    void newDatasetIsEmpty_data() { addFamilyRows(); }
    void newDatasetIsEmpty()
    {
        currentPosition = QGeoCoordinate(48.5, 9.25);
        auto dataset = fetchedFamily().make();
        QCOMPARE(dataset->getProperty("rows"), QVariant(0));
        QCOMPARE(dataset->getProperty("columns"), QVariant(0));
        QVERIFY(dataset->values().empty());
        QCOMPARE(dataset->name(), QString("Dataset"));
        QCOMPARE(dataset->date(), QDate::currentDate());
        QVERIFY(dataset->location().isEmpty());
        QCOMPARE(dataset->coordinate(), QGeoCoordinate(48.5, 9.25));
        QCOMPARE(dataset->id().size(), 36);
        QVERIFY(dataset->id() != fetchedFamily().make()->id());
    }

    void propertyTablesOfEveryFamily_data() { addFamilyRows(); }
    void propertyTablesOfEveryFamily()
    {
        const FamilyRow row = fetchedFamily();
        auto dataset = row.make();

        QStringList keys{"probe id", "width", "length", "rows", "columns", "sensor min", "sensor max",
                         "number of sensors", "start index", "parallel", "sensor controls", "scalar2",
                         "scale slider", "boundary slider", "grid transluency slider", "occlude grid"};
        if (row.byLength)
            keys.insert(1, "track width");
        const QList<PropertyEntry> entries = dataset->properties().allEntries();
        QCOMPARE(entries.size(), keys.size() + 1);
        QCOMPARE(entries.first().key, QString("field dimension input"));
        QCOMPARE(entries.first().type, row.byLength ? QString("length") : QString());
        QCOMPARE(dataset->properties().fieldDimensionInput(), entries.mid(0, 1));
        QCOMPARE(dataset->properties().propertyList(), entries.mid(1));

        for (int i = 0; i < keys.size(); ++i) {
            const PropertyEntry entry = entries[i + 1];
            QCOMPARE(entry.key, keys[i]);
            // Every value comes back as a variant of the listed type.
            const QVariant value = dataset->getProperty(entry.key);
            const int expectedType = entry.type == "int" ? QMetaType::Int
                                     : entry.type == "float" ? QMetaType::Float : QMetaType::Bool;
            QCOMPARE(int(value.userType()), expectedType);
        }
        QCOMPARE(dataset->getProperty("width").userType(), row.byLength ? int(QMetaType::Float) : int(QMetaType::Int));

        QCOMPARE(dataset->getProperty("probe id"), QVariant(row.probeId));
        QCOMPARE(dataset->getProperty("number of sensors"), QVariant(row.numberOfSensors));
        QCOMPARE(dataset->getProperty("sensor controls"), QVariant(row.sensorControls));
        QCOMPARE(dataset->getProperty("scalar2"), QVariant(true));
        QCOMPARE(dataset->getProperty("parallel"), QVariant(false));
        if (row.byLength)
            QCOMPARE(dataset->getProperty("track width"), QVariant(0.9f));
    }

    void ignoredKeysKeepTheirValues_data() { addFamilyRows(); }
    void ignoredKeysKeepTheirValues()
    {
        const FamilyRow row = fetchedFamily();
        auto dataset = row.make();
        dataset->setProperty("probe id", 5);
        dataset->setProperty("scalar2", false);
        dataset->setProperty("sensor controls", !row.sensorControls);
        QCOMPARE(dataset->getProperty("probe id"), QVariant(row.probeId));
        QCOMPARE(dataset->getProperty("scalar2"), QVariant(true));
        QCOMPARE(dataset->getProperty("sensor controls"),
                 QVariant(row.sensorControlsSettable ? !row.sensorControls : row.sensorControls));

        // Settable properties take the value converted to their own type.
        dataset->setProperty("start index", QString("3"));
        dataset->setProperty("parallel", 1);
        dataset->setProperty("width", 2.6);
        dataset->setProperty("length", QVariant());
        QCOMPARE(dataset->getProperty("start index"), QVariant(3));
        QCOMPARE(dataset->getProperty("parallel"), QVariant(true));
        QCOMPARE(dataset->getProperty("width"), row.byLength ? QVariant(2.6f) : QVariant(3));
        QCOMPARE(dataset->getProperty("length"), QVariant(0));
    }

    void unknownKeysThrow_data() { addFamilyRows(); }
    void unknownKeysThrow()
    {
        const FamilyRow row = fetchedFamily();
        auto dataset = row.make();
        TestSupport::DebugLog log;
        QCOMPARE(thrownBy([&] { dataset->getProperty("depth"); }), QString("Property retrieval failed"));
        QCOMPARE(thrownBy([&] { dataset->setProperty("depth", 1); }), QString("setting Property failed"));
        // Keys are compared case-sensitively.
        QCOMPARE(thrownBy([&] { dataset->getProperty("Rows"); }), QString("Property retrieval failed"));
        QCOMPARE(log.count("Failed to set property depth"), row.logsFailedSet ? 1 : 0);
        if (!row.byLength) {
            QCOMPARE(thrownBy([&] { dataset->getProperty("track width"); }), QString("Property retrieval failed"));
            QCOMPARE(thrownBy([&] { dataset->setProperty("track width", 1.8); }), QString("setting Property failed"));
        }
    }

    void tracksAreResampledToTheFirstTracksLength()
    {
        DataSetZSeries dataset;
        dataset.appendTrack(ramp(37));
        QCOMPARE(dataset.getProperty("rows"), QVariant(37));
        dataset.appendTrack(ramp(50));
        dataset.appendTrack(ramp(20));
        QCOMPARE(dataset.getProperty("columns"), QVariant(3));
        QCOMPARE(dataset.getProperty("rows"), QVariant(37));
        const Track all = dataset.values();
        QCOMPARE(all.size(), size_t(3 * 37));
        // Track 0 unchanged; the others pick their nearest source values.
        QCOMPARE(Track(all.begin(), all.begin() + 37), ramp(37));
        const Track fifty = ramp(50);
        const Track twenty = ramp(20);
        for (int i = 0; i < 37; ++i) {
            QCOMPARE(all[size_t(37 + i)], fifty[size_t((2 * i + 1) * 50 / 74)]);
            QCOMPARE(all[size_t(74 + i)], twenty[size_t((2 * i + 1) * 20 / 74)]);
        }
    }

    void resamplingIsExactNearestNeighbour()
    {
        const Track extremes{-32768, 32767, -1, 0, 255, -256, 12345};
        QCOMPARE(resampleTrack(extremes, 7), extremes);
        // (i + 0.5) * 7 / 3 = 1.17, 3.5, 5.83
        QCOMPARE(resampleTrack(extremes, 3), Track({32767, 0, -256}));
        // (i + 0.5) * 5 / 3 = 0.83, 2.5, 4.17
        QCOMPARE(resampleTrack(Track{-32768, 32767, -1, 0, 255}, 3), Track({-32768, -1, 255}));
        // (i + 0.5) * 2 / 5 = 0.2, 0.6, 1.0, 1.4, 1.8: exactly 1.0 takes value 1
        QCOMPARE(resampleTrack(Track{-32768, 32767}, 5), Track({-32768, -32768, 32767, 32767, 32767}));
        QCOMPARE(resampleTrack(Track{7}, 4), Track({7, 7, 7, 7}));
        QCOMPARE(resampleTrack(Track{}, 3), Track({0, 0, 0}));
        QVERIFY(resampleTrack(extremes, 0).empty());

        DataSetBrolSensor dataset;
        dataset.appendTrack({1, 2, 3});
        dataset.appendTrack(Track{-32768, 32767, -5});
        QCOMPARE(dataset.values(), Track({1, 2, 3, -32768, 32767, -5}));
    }

    void widthFollowsTheTracksOfLengthFamilies_data() { addFamilyRows(); }
    void widthFollowsTheTracksOfLengthFamilies()
    {
        const FamilyRow row = fetchedFamily();
        auto dataset = row.make();
        dataset->setProperty("width", 5);
        const QGeoCoordinate recorded(51.0, 7.0);
        dataset->setCoordinate(recorded);
        currentPosition = QGeoCoordinate(52.5, 13.4);
        for (int i = 0; i < 3; ++i)
            dataset->appendTrack(ramp(10));
        if (row.byLength) {
            const QVariant width = dataset->getProperty("width");
            QCOMPARE(width.userType(), int(QMetaType::Float));
            QCOMPARE(width.toFloat(), 2.7f);
            QCOMPARE(dataset->coordinate(), currentPosition);
            dataset->setProperty("track width", 1.8);
            dataset->appendTrack(ramp(10));
            QCOMPARE(dataset->getProperty("width").toFloat(), 7.2f);
        } else {
            QCOMPARE(dataset->getProperty("width"), QVariant(5));
            QCOMPARE(dataset->coordinate(), recorded);
        }
    }

    void valuesAlwaysMatchRowsAndColumns()
    {
        // Readers index values() by "rows" and "columns"; it must hold exactly that many.
        DataSetKM dataset;
        dataset.appendTrack({1, 2});
        dataset.appendTrack({3, 4});
        dataset.setProperty("columns", 3);
        QCOMPARE(dataset.values(), Track({1, 2, 3, 4, 0, 0}));
        dataset.setProperty("rows", 1);
        QCOMPARE(dataset.values(), Track({1, 3, 0}));
        dataset.setProperty("columns", -4);
        QVERIFY(dataset.values().empty());
    }

    void walkingOrderArrangement()
    {
        // Three tracks of two rows: values 1 2 | 3 4 | 5 6, ground[x][y].
        const Track values{1, 2, 3, 4, 5, 6};
        auto ground = [&](int start, bool parallel) {
            return groundGrid(values, {2, 3, start, parallel}, walkingOrderPosition);
        };
        QCOMPARE(ground(0, true), Ground({{1, 2}, {3, 4}, {5, 6}}));
        QCOMPARE(ground(0, false), Ground({{1, 2}, {4, 3}, {5, 6}}));
        QCOMPARE(ground(1, true), Ground({{2, 1}, {4, 3}, {6, 5}}));
        QCOMPARE(ground(1, false), Ground({{2, 1}, {3, 4}, {6, 5}}));
        QCOMPARE(ground(2, true), Ground({{6, 5}, {4, 3}, {2, 1}}));
        QCOMPARE(ground(2, false), Ground({{6, 5}, {3, 4}, {2, 1}}));
        QCOMPARE(ground(3, true), Ground({{5, 6}, {3, 4}, {1, 2}}));
        QCOMPARE(ground(3, false), Ground({{5, 6}, {4, 3}, {1, 2}}));
    }

    void columnParityDiffersOnlyWhenStartingInTheLastOfAnEvenNumberOfColumns_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("parallel");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("differ");
        for (int start = 0; start < 4; ++start) {
            for (const bool parallel : {false, true}) {
                for (const int columns : {1, 2, 3, 4, 5}) {
                    const bool differ = (start == 2 || start == 3) && !parallel && columns % 2 == 0;
                    QTest::addRow("start %d %s %d columns", start, parallel ? "parallel" : "zig-zag", columns)
                        << start << parallel << columns << differ;
                }
            }
        }
    }
    void columnParityDiffersOnlyWhenStartingInTheLastOfAnEvenNumberOfColumns()
    {
        QFETCH(int, start);
        QFETCH(bool, parallel);
        QFETCH(int, columns);
        QFETCH(bool, differ);
        const FieldLayout layout{3, columns, start, parallel};
        for (int track = 0; track < columns; ++track) {
            const GroundPoint walking = walkingOrderPosition(layout, track, 0);
            const GroundPoint parity = columnParityPosition(layout, track, 0);
            // Same column always; where they differ, every track runs the other way.
            QCOMPARE(parity.x, walking.x);
            QCOMPARE(parity.y != walking.y, differ);
            QCOMPARE(parity.y == 0 || parity.y == 2, true);
        }
    }

    void columnParityGridIsTheTerrainsGrid_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("parallel");
        QTest::addColumn<int>("columns");
        for (int start = 0; start < 4; ++start)
            for (const bool parallel : {false, true})
                for (const int columns : {1, 2, 3, 4})
                    QTest::addRow("start %d %s %d columns", start, parallel ? "parallel" : "zig-zag", columns)
                        << start << parallel << columns;
    }
    void columnParityGridIsTheTerrainsGrid()
    {
        // The 3D view's grid, column i sample j = F[index + l * R], with l the track of
        // column i and index reversed by the start row XOR (zig-zag and i odd).
        QFETCH(int, start);
        QFETCH(bool, parallel);
        QFETCH(int, columns);
        const int rows = 3;
        Track flat(size_t(rows * columns));
        for (size_t k = 0; k < flat.size(); ++k)
            flat[k] = int16_t(k * 7 - 20);
        const Ground grid = groundGrid(flat, {rows, columns, start, parallel}, columnParityPosition);
        for (int i = 0; i < columns; ++i) {
            const int l = start < 2 ? i : columns - 1 - i;
            for (int j = 0; j < rows; ++j) {
                const bool reversed = (start == 1 || start == 2) != (!parallel && i % 2 == 1);
                const int index = reversed ? rows - 1 - j : j;
                QCOMPARE(grid[size_t(i)][size_t(j)], flat[size_t(index + l * rows)]);
            }
        }
    }

    void exportOrderOfAParallelField()
    {
        // Rows from the last down to the first, x fastest: the first value is the last of
        // track 0 and the twelfth the first of track 2.
        const Track flat{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
        const Ground grid = groundGrid(flat, {4, 3, 0, true}, columnParityPosition);
        Track lines;
        for (int y = 3; y >= 0; --y)
            for (int x = 0; x < 3; ++x)
                lines.push_back(grid[size_t(x)][size_t(y)]);
        QCOMPARE(lines, Track({4, 8, 12, 3, 7, 11, 2, 6, 10, 1, 5, 9}));
    }

    void groundGridOfTheDatasetsLayout()
    {
        DataSetSpanwell dataset;
        dataset.setProperty("start index", 1);
        dataset.setProperty("parallel", false);
        dataset.appendTrack({1, 2, 3});
        dataset.appendTrack({4, 5, 6});
        const FieldLayout layout = fieldLayoutOf(dataset);
        QCOMPARE(layout.rows, 3);
        QCOMPARE(layout.columns, 2);
        QCOMPARE(groundGrid(dataset.values(), layout, walkingOrderPosition), Ground({{3, 2, 1}, {4, 5, 6}}));
        // A short value list leaves the rest of the ground at 0.
        QCOMPARE(groundGrid({9}, layout, walkingOrderPosition), Ground({{0, 0, 9}, {0, 0, 0}}));
    }
};

SORVANEL_TEST_MAIN(DatasetModelTest)
#include "test_dataset_model.moc"
