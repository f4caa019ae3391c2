#include "app/appsettings.h"
#include "datasets/datasetstore.h"
#include "datasets/atomicwrite.h"
#include "datasets/surveyexportjob.h"
#include "exportfield.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <functional>
#include <limits>

namespace {
struct Point
{
    double x;
    double y;
    int value;
};

using namespace ExportField;

// Every point of the field as seen from above, worked out from the walk: starting in the last
// column, column i holds track columns - 1 - i; in that column parity decides the direction,
// and a column whose values run from the last row (here the even ones) is reversed. Row 0 of
// the walk lies at the top, so ground row j sits at y = (rows - j - 0.5) cells.
QList<Point> expectedPoints(double dx, double dy)
{
    QList<Point> points;
    for (int i = 0; i < tracks; ++i) {
        const int track = tracks - 1 - i;
        for (int j = 0; j < rows; ++j) {
            const int row = i % 2 == 0 ? rows - 1 - j : j;
            points.append({(i + 0.5) * dx, (rows - j - 0.5) * dy, stored(track, row)});
        }
    }
    return points;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QByteArray> tokensOf(const QByteArray& text)
{
    return text.simplified().split(' ');
}

QList<Point> readXyz(const QByteArray& text)
{
    QList<QByteArray> lines = text.trimmed().split('\n');
    if (lines.takeFirst() != "x,y,value")
        return {};
    QList<Point> points;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split(',');
        if (fields.size() != 3)
            return {};
        points.append({fields[0].toDouble(), fields[1].toDouble(), fields[2].toInt()});
    }
    return points;
}

// Surfer's nodes run from (xlo, ylo) to (xhi, yhi), rows from the lowest y up.
QList<Point> readSurfer(const QByteArray& text, int* lowest = nullptr, int* highest = nullptr)
{
    const QList<QByteArray> t = tokensOf(text);
    if (t.size() < 9 || t[0] != "DSAA")
        return {};
    const int nx = t[1].toInt(), ny = t[2].toInt();
    const double xlo = t[3].toDouble(), xhi = t[4].toDouble(), ylo = t[5].toDouble(), yhi = t[6].toDouble();
    if (lowest && highest) {
        *lowest = t[7].toInt();
        *highest = t[8].toInt();
    }
    if (t.size() != 9 + nx * ny || nx < 2 || ny < 2)
        return {};
    QList<Point> points;
    for (int m = 0; m < ny; ++m)
        for (int k = 0; k < nx; ++k)
            points.append({xlo + k * (xhi - xlo) / (nx - 1), ylo + m * (yhi - ylo) / (ny - 1),
                           t[9 + m * nx + k].toInt()});
    return points;
}

// ESRI cells are given by their lower-left corner; rows from the top down.
QList<Point> readEsri(const QByteArray& text, QMap<QByteArray, QByteArray>* header = nullptr)
{
    const QList<QByteArray> t = tokensOf(text);
    QMap<QByteArray, QByteArray> keys;
    int at = 0;
    while (at + 1 < t.size() && !t[at].isEmpty() && (t[at][0] < '0' || t[at][0] > '9') && t[at][0] != '-') {
        keys[t[at].toLower()] = t[at + 1];
        at += 2;
    }
    if (header)
        *header = keys;
    const int ncols = keys.value("ncols").toInt(), nrows = keys.value("nrows").toInt();
    const double dx = keys.value(keys.contains("cellsize") ? "cellsize" : "dx").toDouble();
    const double dy = keys.value(keys.contains("cellsize") ? "cellsize" : "dy").toDouble();
    const double xll = keys.value("xllcorner").toDouble(), yll = keys.value("yllcorner").toDouble();
    if (t.size() - at != ncols * nrows)
        return {};
    QList<Point> points;
    for (int m = 0; m < nrows; ++m)
        for (int k = 0; k < ncols; ++k)
            points.append({xll + (k + 0.5) * dx, yll + (nrows - m - 0.5) * dy, t[at + m * ncols + k].toInt()});
    return points;
}

QList<Point> readBack(SurveyFormat format, const QByteArray& text)
{
    switch (format) {
    case SurveyFormat::Xyz:
        return readXyz(text);
    case SurveyFormat::SurferText:
        return readSurfer(text);
    case SurveyFormat::EsriAscii:
        return readEsri(text);
    }
    return {};
}

// Each expected point appears exactly once, at its coordinates with its value.
void compareAsSets(QList<Point> read, const QList<Point>& expected)
{
    QCOMPARE(read.size(), expected.size());
    for (const Point& want : expected) {
        const auto found = std::find_if(read.begin(), read.end(), [&](const Point& p) {
            return qAbs(p.x - want.x) < 1e-5 && qAbs(p.y - want.y) < 1e-5;
        });
        QVERIFY2(found != read.end(), qPrintable(QStringLiteral("no point at %1, %2").arg(want.x).arg(want.y)));
        QCOMPARE(found->value, want.value);
        read.erase(found);
    }
}

QStringList filesIn(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files);
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

namespace {
// Why an export that must fail failed; empty when it wrote a file.
QString failureOf(const Result<QString>& exported)
{
    return exported ? QString() : exported.failure().reason;
}

// The tool's exit status, -1 when it did not finish.
int runTool(const QStringList& arguments, QByteArray* errors = nullptr)
{
    QProcess tool;
    tool.start(QStringLiteral(SORVANEL_EXPORT_TOOL), arguments);
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit)
        return -1;
    if (errors)
        *errors = tool.readAllStandardError();
    return tool.exitCode();
}

// What the tool writes for stored dataset `id` (named `name`) in every format into `folder`,
// by extension; empty when it failed.
QMap<QString, QByteArray> toolFiles(const QStringList& options, const QString& id, const QString& name,
                                    const QString& folder)
{
    if (runTool(QStringList{"-f", "all", "-o", folder, DatasetStore().path(id, DatasetFile::Values)} + options) != 0)
        return {};
    QMap<QString, QByteArray> files;
    for (const SurveyFormatInfo& info : surveyFormats)
        files[info.extension] = readAll(QDir(folder).filePath(name + info.extension));
    return files;
}

// The cleaning field: long enough tracks for a shift of 3 rows to be estimated, cells of 1 by 1,
// walked in zig-zag from the last column and the last row.
constexpr int fieldColumns = 12;
constexpr int fieldRows = 60;
using Reading = std::function<int(GroundPoint)>;

QString storeField(const QString& name, const Reading& reading, bool parallel = false)
{
    const FieldLayout layout{fieldRows, fieldColumns, 2, parallel};
    DataSetBrolSensor dataset;
    dataset.setProperty("track width", 1);
    dataset.setProperty("length", fieldRows);
    dataset.setProperty("start index", layout.startIndex);
    dataset.setProperty("parallel", parallel);
    for (int t = 0; t < fieldColumns; ++t) {
        std::vector<int16_t> track;
        for (int r = 0; r < fieldRows; ++r)
            track.push_back(int16_t(reading(columnParityPosition(layout, t, r))));
        dataset.appendTrack(track);
    }
    dataset.setName(name);
    return dataset.save() ? dataset.id() : QString();
}

// The field as the formats place it: ground row y at height fieldRows - y - 0.5.
QList<Point> fieldPoints(const Reading& reading)
{
    QList<Point> points;
    for (int x = 0; x < fieldColumns; ++x)
        for (int y = 0; y < fieldRows; ++y)
            points.append({x + 0.5, fieldRows - y - 0.5, reading({x, y})});
    return points;
}

int valueAt(const QList<Point>& points, GroundPoint at)
{
    for (const Point& p : points)
        if (qAbs(p.x - (at.x + 0.5)) < 1e-5 && qAbs(p.y - (fieldRows - at.y - 0.5)) < 1e-5)
            return p.value;
    return std::numeric_limits<int>::min();
}

// Oblique ridges: each track meets them a little further along.
int ridges(int column, int row)
{
    struct Ridge
    {
        double row, width, height;
    };
    const Ridge all[] = {{8, 3, 900}, {22, 5, 600}, {35, 4, 1200}, {50, 6, 700}};
    double sum = 0;
    for (const Ridge& r : all) {
        const double d = (row - r.row - 0.7 * column) / r.width;
        sum += r.height * std::exp(-0.5 * d * d);
    }
    return int(std::lround(sum));
}

// How far along the ground a reverse track's readings lie from where they were taken, when
// they come `lag` rows late along its walking direction.
int staggerOffset(const FieldLayout& layout, int column, int lag)
{
    if (!isReverseColumn(layout, column))
        return 0;
    return runsFromLastRow(layout.startIndex, layout.parallel, column) ? -lag : lag;
}
} // namespace

class TestSurveyExport : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(removeStoredDatasets()); }

    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void eachFormatHoldsTheFieldPointByPoint_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("extension");
        QTest::newRow("xyz") << int(SurveyFormat::Xyz) << ".csv";
        QTest::newRow("dsaa") << int(SurveyFormat::SurferText) << ".grd";
        QTest::newRow("esri") << int(SurveyFormat::EsriAscii) << ".asc";
    }

    void eachFormatHoldsTheFieldPointByPoint()
    {
        QFETCH(int, format);
        QFETCH(QString, extension);
        const QString id = store("Field A");
        QTemporaryDir target;
        const SurveyFormat survey = SurveyFormat(format);
        const Result<QString> first = exportStoredDataset(documentsFolder(), id, survey, target.path());
        QVERIFY(first);
        QCOMPARE(first.value(), target.filePath("Field A" + extension));
        compareAsSets(readBack(survey, readAll(first.value())), expectedPoints(cellWidth, cellLength));

        const Result<QString> second = exportStoredDataset(documentsFolder(), id, survey, target.path(), "../Field A");
        QCOMPARE(second.value(), target.filePath("_Field A" + extension));
        QVERIFY(exportStoredDataset(documentsFolder(), id, survey, target.path()));
        QCOMPARE(filesIn(target.path()), QStringList({"Field A(1)" + extension, "Field A" + extension,
                                                      "_Field A" + extension}));
    }

    void gridHeadersGiveRangesAndCellSizes()
    {
        const QString id = store("Field A");
        QTemporaryDir target;
        int lowest = 0, highest = 0;
        readSurfer(readAll(exportStoredDataset(documentsFolder(), id, SurveyFormat::SurferText, target.path()).value()),
                   &lowest, &highest);
        QCOMPARE(lowest, -403);
        QCOMPARE(highest, 303);

        QMap<QByteArray, QByteArray> header;
        readEsri(readAll(exportStoredDataset(documentsFolder(), id, SurveyFormat::EsriAscii, target.path()).value()),
                 &header);
        QCOMPARE(header.value("dx"), QByteArray("0.9"));
        QCOMPARE(header.value("dy"), QByteArray("0.5"));
        QVERIFY(!header.contains("cellsize"));
        // No 16-bit reading may be taken for a missing one.
        QVERIFY(header.value("nodata_value").toInt() < -32768);

        const QString square = store("Square", 0.5, 2);
        readEsri(readAll(exportStoredDataset(documentsFolder(), square, SurveyFormat::EsriAscii, target.path()).value()),
                 &header);
        QCOMPARE(header.value("cellsize"), QByteArray("0.5"));
        QVERIFY(!header.contains("dx"));
        compareAsSets(readEsri(readAll(target.filePath("Square.asc"))), expectedPoints(0.5, 0.5));
    }

    void commaDecimalLocaleStillWritesDots()
    {
        const QString id = store("Field A");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QByteArray previous = std::setlocale(LC_NUMERIC, nullptr);
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
        QTemporaryDir target;
        QList<QByteArray> texts;
        for (const SurveyFormatInfo& info : surveyFormats)
            texts << readAll(exportStoredDataset(documentsFolder(), id, info.format, target.path()).value());
        std::setlocale(LC_NUMERIC, previous.constData());
        for (const QByteArray& line : texts[0].split('\n').mid(1, tracks * rows))
            QCOMPARE(line.count(','), 2);
        QVERIFY(texts[0].contains("\n0.45,0.25,"));
        QVERIFY(texts[1].contains("\n0.45 3.15\n"));
        QVERIFY(!texts[1].contains(','));
        QVERIFY(texts[2].contains("\ndx 0.9\n"));
        QVERIFY(!texts[2].contains(','));
    }

    void datasetsThatDoNotLoadWriteNothing()
    {
        QTemporaryDir target;
        const QString id = store("Broken");
        QFile::resize(DatasetStore().path(id, DatasetFile::Values), 3);
        QVERIFY(failureOf(exportStoredDataset(documentsFolder(), id, SurveyFormat::Xyz, target.path()))
                    .contains("is not a file of"));

        QFile metadata(DatasetStore().path("foreign", DatasetFile::Metadata));
        QVERIFY(metadata.open(QIODevice::WriteOnly));
        metadata.write(QJsonDocument(QJsonObject{{"probe id", 99}, {"rows", 3}}).toJson());
        metadata.close();
        QVERIFY(failureOf(exportStoredDataset(documentsFolder(), "foreign", SurveyFormat::EsriAscii, target.path()))
                    .contains("names no known probe"));
        QVERIFY(failureOf(exportStoredDataset(documentsFolder(), "absent", SurveyFormat::SurferText, target.path()))
                    .startsWith("the dataset does not load: cannot read "));
        QVERIFY(failureOf(exportStoredDataset(documentsFolder(), "../" + id, SurveyFormat::Xyz, target.path()))
                    .contains("is no dataset identifier"));
        QVERIFY(filesIn(target.path()).isEmpty());
    }

    void surferGridsNeedTwoTracksAndTwoRows()
    {
        DataSetBrolSensor single;
        single.setProperty("length", 2);
        single.appendTrack({5, -6});
        single.setName("Single");
        QVERIFY(single.save());
        QTemporaryDir target;
        QCOMPARE(failureOf(exportStoredDataset(documentsFolder(), single.id(), SurveyFormat::SurferText, target.path())),
                 QString("a Surfer grid needs at least two tracks and two rows"));
        QVERIFY(filesIn(target.path()).isEmpty());
        const Result<QString> esri = exportStoredDataset(documentsFolder(), single.id(), SurveyFormat::EsriAscii, target.path());
        QVERIFY(esri);
        compareAsSets(readEsri(readAll(esri.value())), {{0.45, 1.5, 5}, {0.45, 0.5, -6}});
    }

    void toolConvertsFoldersAndTellsFailure()
    {
        const QString folder = documentsFolder();
        store("One");
        const QString two = store("Two");
        QTemporaryDir target;
        QByteArray errors;
        auto run = [&](const QStringList& arguments) { return runTool(arguments, &errors); };
        QCOMPARE(run({"--format", "xyz", "-o", target.path(), folder + "no-such-folder"}), 2);
        QCOMPARE(run({"--format", "tiff", "-o", target.path(), folder}), 2);
        QCOMPARE(run({"-o", target.path(), folder}), 2);
        QVERIFY(filesIn(target.path()).isEmpty());

        QCOMPARE(run({"--format", "all", "-o", target.path(), folder}), 0);
        QCOMPARE(filesIn(target.path()), QStringList({"One.asc", "One.csv", "One.grd", "Two.asc", "Two.csv", "Two.grd"}));
        QCOMPARE(run({"-f", "dsaa", "-o", target.path(), DatasetStore(folder).path(two, DatasetFile::Values)}), 0);
        compareAsSets(readSurfer(readAll(target.filePath("Two(1).grd"))), expectedPoints(cellWidth, cellLength));

        QFile::resize(DatasetStore(folder).path(two, DatasetFile::Values), 3);
        QCOMPARE(run({"-f", "asc", "-o", target.path(), folder}), 1);
        // Only the failure, not the loader's debug lines.
        const QByteArray failure = "sorvanel-export: " + QDir(folder).filePath(two).toUtf8() + ": the dataset does not load: ";
        QVERIFY2(errors.startsWith(failure) && errors.count('\n') == 1 && errors.contains("is not a file of"), errors);
        QVERIFY(QFile::exists(target.filePath("One(1).asc")));
        QVERIFY(!QFile::exists(target.filePath("Two(1).asc")));
    }

    // The map formats write a placed dataset and refuse, by name, one without a bearing.
    void toolWritesMapFormatsOfPlacedDatasets()
    {
        const QString placed = store("Placed");
        const QString unplaced = store("Unplaced");
        QJsonObject metadata = DatasetStore().readMetadata(placed).value();
        metadata.insert("lat", -33.9);
        metadata.insert("lon", 18.4);
        metadata.insert("bearing", 200);
        QVERIFY(writeFileAtomically(DatasetStore().path(placed, DatasetFile::Metadata), QJsonDocument(metadata).toJson()));
        QTemporaryDir target;
        QByteArray errors;
        const QStringList formats{"-f", "geotiff,geotiff-rgba,kmz", "-o", target.path()};
        QCOMPARE(runTool(formats + QStringList{DatasetStore().path(placed, DatasetFile::Values)}, &errors), 0);
        QCOMPARE(filesIn(target.path()), QStringList({"Placed.kmz", "Placed.rgba.tif", "Placed.tif"}));
        QVERIFY(readAll(target.filePath("Placed.tif")).startsWith("II*"));
        QVERIFY(readAll(target.filePath("Placed.kmz")).startsWith("PK"));

        QCOMPARE(runTool(formats + QStringList{DatasetStore().path(unplaced, DatasetFile::Values)}, &errors), 1);
        QVERIFY2(errors.contains("has no position"), errors);
        QCOMPARE(filesIn(target.path()).size(), 3);
    }

    void cleaningOptionsCleanTheWrittenGrid()
    {
        const FieldLayout layout{fieldRows, fieldColumns, 2, false};
        const Reading staggered = [&](GroundPoint p) { return ridges(p.x, p.y - staggerOffset(layout, p.x, 3)); };
        // Each reading back in its place; the rows moved in repeat the track's end reading.
        const Reading destaggered = [&](GroundPoint p) {
            return staggered({p.x, std::clamp(p.y + staggerOffset(layout, p.x, 3), 0, fieldRows - 1)});
        };
        const QString id = storeField("Staggered", staggered);
        QTemporaryDir target;
        const auto files = [&](const QStringList& options, const QString& folder) {
            return toolFiles(options, id, "Staggered", target.filePath(folder));
        };

        const Result<std::unique_ptr<FamilyDataset>> loaded = DatasetStore().open(id);
        QVERIFY(loaded);
        const QMap<QString, QByteArray> plain = files({}, "plain");
        for (const SurveyFormatInfo& info : surveyFormats)
            QCOMPARE(plain.value(info.extension), surveyText(*loaded.value(), info.format));

        const QMap<QString, QByteArray> automatic = files({"--destagger", "auto"}, "auto");
        compareAsSets(readEsri(automatic.value(".asc")), fieldPoints(destaggered));
        QVERIFY(files({"--destagger", "3"}, "fixed") == automatic);

        const GroundPoint spikeAt{5, 30};
        const Reading ramp = [](GroundPoint p) { return 10 * p.y + 7 * p.x; };
        const Reading spiked = [&](GroundPoint p) { return p == spikeAt ? 30000 : ramp(p); };
        const QString spikedId = storeField("Spiked", spiked);
        const QList<Point> despiked =
            readEsri(toolFiles({"--despike"}, spikedId, "Spiked", target.filePath("despiked")).value(".asc"));
        const int replaced = valueAt(despiked, spikeAt);
        QVERIFY2(replaced >= ramp({5, 29}) && replaced <= ramp({5, 31}), qPrintable(QString::number(replaced)));
        compareAsSets(despiked, fieldPoints([&](GroundPoint p) { return p == spikeAt ? replaced : ramp(p); }));

        std::vector<int> readings;
        for (const Point& p : fieldPoints(spiked))
            readings.push_back(p.value);
        std::sort(readings.begin(), readings.end());
        const int low = readings[size_t(std::lround(0.02 * double(readings.size() - 1)))];
        const int high = readings[size_t(std::lround(0.98 * double(readings.size() - 1)))];
        int lowest = 0, highest = 0;
        const QList<Point> clipped = readSurfer(
            toolFiles({"--clip", "2,98"}, spikedId, "Spiked", target.filePath("clipped")).value(".grd"), &lowest,
            &highest);
        QCOMPARE(lowest, low);
        QCOMPARE(highest, high);
        compareAsSets(clipped, fieldPoints([&](GroundPoint p) { return std::clamp(spiked(p), low, high); }));

        // Tracks walked in parallel have no reverse ones to move.
        const QString parallelId = storeField("Parallel", ramp, true);
        compareAsSets(
            readEsri(toolFiles({"--destagger", "-3"}, parallelId, "Parallel", target.filePath("parallel")).value(".asc")),
            fieldPoints(ramp));
    }

    void badCleaningValuesAreUsageErrors_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("destagger word") << QStringList{"--destagger", "x"};
        QTest::newRow("destagger fraction") << QStringList{"--destagger", "1.5"};
        QTest::newRow("clip one bound") << QStringList{"--clip", "5"};
        QTest::newRow("clip reversed") << QStringList{"--clip", "98,2"};
        QTest::newRow("clip below 0") << QStringList{"--clip", "-1,50"};
        QTest::newRow("clip above 100") << QStringList{"--clip", "2,101"};
    }

    void badCleaningValuesAreUsageErrors()
    {
        QFETCH(QStringList, options);
        const QString id = store("Field A");
        QTemporaryDir target;
        QByteArray errors;
        QCOMPARE(runTool(QStringList{"-f", "xyz", "-o", target.path(), DatasetStore().path(id, DatasetFile::Values)}
                             + options,
                         &errors),
                 2);
        QVERIFY2(errors.startsWith("sorvanel-export: --") && errors.endsWith("\nTry 'sorvanel-export --help'.\n"),
                 errors);
        QVERIFY(filesIn(target.path()).isEmpty());
    }
};

SORVANEL_TEST_MAIN(TestSurveyExport)
#include "test_survey_export.moc"
