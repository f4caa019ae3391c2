#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "datasetfamilies.h"
#include "datasets/atomicwrite.h"
#include "datasets/datasetstore.h"
#include "testenvironment.h"
#include "app/colormap.h"

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
using Track = std::vector<int16_t>;

QString pathOf(const QString& id, const char* suffix) { return documentsFolder() + id + suffix; }

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QJsonObject jsonOf(const QByteArray& text) { return QJsonDocument::fromJson(text).object(); }

QByteArray golden(const QString& name)
{
    const QString path = QFINDTESTDATA("data/" + name);
    return readAll(path);
}

// The Brol-sensor dataset that the golden files describe.
void fillLikeTheGoldenBrolSensor(Dataset& dataset, DataSetBrolSensor& tracks)
{
    dataset.setProperty("length", 4);
    dataset.setProperty("sensor max", 20000);
    dataset.setProperty("start index", 1);
    dataset.setProperty("parallel", true);
    dataset.setProperty("scale slider", 5);
    dataset.setProperty("boundary slider", 60);
    dataset.setProperty("grid transluency slider", 30);
    dataset.setProperty("occlude grid", 1);
    tracks.appendTrack({1, -2});
    tracks.appendTrack({256, -32768});
    tracks.appendTrack({32767, 0});
    dataset.setName("Field A");
    dataset.setDate(QDate(2025, 3, 14));
    dataset.setTime(QTime(9, 5, 7));
    dataset.setLocation("North slope");
    dataset.setCoordinate(QGeoCoordinate(52.5, 13.25));
}

QString rgbAt(const QImage& image, int x, int y)
{
    const QRgb c = image.pixel(x, y);
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}
} // namespace

class DatasetFilesTest : public QObject
{
    Q_OBJECT

    // A stored dataset under a chosen identifier, from raw file contents.
    static void store(const QString& id, const QByteArray& values, const QByteArray& metadata)
    {
        QVERIFY(writeAll(pathOf(id, ".s3d"), values));
        QVERIFY(writeAll(pathOf(id, ".xml"), metadata));
    }

    // Loading `id` into a Brol-sensor dataset fails, opens no box (the caller tells the user)
    // and changes nothing.
    static void expectRejected(const QString& id)
    {
        TestSupport::MessageBoxSpy boxes;
        DataSetBrolSensor dataset;
        dataset.appendTrack({4, 5, 6});
        dataset.setName("Untouched");
        const QString before = dataset.id();
        QVERIFY(!dataset.load(id));
        QVERIFY(boxes.requests().isEmpty());
        QCOMPARE(dataset.id(), before);
        QCOMPARE(dataset.name(), QString("Untouched"));
        QCOMPARE(dataset.values(), Track({4, 5, 6}));
        QCOMPARE(dataset.getProperty("rows"), QVariant(3));
    }

    QByteArray brolMetadata(int rows, int columns)
    {
        QJsonObject object = jsonOf(golden("brolsensor-3x2.json"));
        object["rows"] = rows;
        object["columns"] = columns;
        return QJsonDocument(object).toJson();
    }

private slots:
    void init()
    {
        TestSupport::resetSettings();
        QDir(documentsFolder()).mkpath(".");
    }

    // The library re-reads the folder only when told; every change through the store tells it.
    void everyChangeOfTheStoreMarksTheLibrary()
    {
        const DatasetStore store;
        const auto marks = [](const auto& change) {
            libraryDirty = false;
            change();
            return libraryDirty;
        };
        DataSetKM dataset;
        dataset.appendTrack({1, 2});
        QVERIFY(marks([&] { QVERIFY(dataset.save()); }));
        QVERIFY(marks([&] { QVERIFY(store.storePreview(dataset.id(), QImage(8, 8, QImage::Format_RGB32))); }));
        DatasetRecord record = store.list().at(0).record;
        record.name = "Renamed";
        QVERIFY(marks([&] { QVERIFY(store.storeEdit(record)); }));
        const Result<TransferReply> reply = store.readForTransfer(dataset.id());
        QVERIFY(reply);
        QVERIFY(marks([&] { QVERIFY(store.moveToTrash(dataset.id())); }));
        QVERIFY(marks([&] { QVERIFY(store.restore(store.trash().at(0))); }));
        QVERIFY(marks([&] { QCOMPARE(store.storeReceived(reply.value()).value(), QString("Renamed")); }));
        QVERIFY(!marks([&] { QVERIFY(!DatasetStore().load(dataset, "absent")); }));
    }

    // The box keeps its title and names what is wrong.
    void aFailedLoadNamesItsReason()
    {
        QCOMPARE(datasetLoadFailureTitle(), QString("Error Loading File"));
        DataSetKM saved;
        saved.appendTrack({1, 2});
        QVERIFY(saved.save());
        DataSetZSeries other;
        QCOMPARE(other.load(saved.id()).failure().text, QString("Wrong data type"));

        QFile metadata(DatasetStore().path(saved.id(), DatasetFile::Metadata));
        QVERIFY(metadata.open(QIODevice::WriteOnly));
        metadata.write("{ \"name\": ");
        metadata.close();
        DataSetKM km;
        const Outcome damaged = km.load(saved.id());
        QCOMPARE(damaged.failure().text, QString("The dataset's metadata file is missing or damaged."));
        QVERIFY2(damaged.failure().reason.contains(metadata.fileName()), qPrintable(damaged.failure().reason));
        QVERIFY(QFile::remove(DatasetStore().path(saved.id(), DatasetFile::Values)));
        QCOMPARE(km.load(saved.id()).failure().text, QString("The dataset's value file is missing or damaged."));
    }

    void everyFamilyLoadsWhatItSaved_data() { addFamilyRows(); }
    void everyFamilyLoadsWhatItSaved()
    {
        const FamilyRow row = fetchedFamily();
        auto saved = row.make();
        saved->setProperty("width", 7);
        saved->setProperty("length", 12);
        saved->setProperty("sensor min", -500);
        saved->setProperty("sensor max", 4000);
        saved->setProperty("start index", 2);
        saved->setProperty("parallel", true);
        saved->setProperty("sensor controls", true);
        saved->setProperty("boundary slider", 40);
        saved->setProperty("occlude grid", 1);
        if (row.byLength)
            saved->setProperty("track width", 0.4);
        saved->appendTrack({-32768, -1, 0, 1, 32767});
        saved->appendTrack({10, 20, 30});
        saved->appendTrack({5, 4, 3, 2, 1});
        saved->setName("Ösel — Field 7");
        saved->setDate(QDate(1999, 12, 31));
        saved->setTime(QTime(23, 59, 59));
        saved->setLocation("Behind the church, \"north\"\nside");
        saved->setCoordinate(QGeoCoordinate(-41.2865, 174.7762));
        saved->setBearing(359);
        QVERIFY(saved->save());

        auto loaded = row.make();
        QVERIFY(loaded->load(saved->id()));
        QCOMPARE(loaded->id(), saved->id());
        QCOMPARE(loaded->values(), saved->values());
        for (const PropertyEntry& entry : saved->properties().propertyList())
            QCOMPARE(loaded->getProperty(entry.key), saved->getProperty(entry.key));
        QCOMPARE(loaded->name(), saved->name());
        QCOMPARE(loaded->date(), saved->date());
        QCOMPARE(loaded->time(), saved->time());
        QCOMPARE(loaded->location(), saved->location());
        QCOMPARE(loaded->coordinate(), saved->coordinate());
        QCOMPARE(loaded->bearing(), std::optional<int>(359));
        // The value file is the family's header followed by the values.
        const QByteArray valueFile = readAll(pathOf(saved->id(), ".s3d"));
        QVERIFY(valueFile.startsWith(row.header));
        QCOMPARE(valueFile.size(), int(strlen(row.header)) + 2 * 15);
    }

    void filesMatchTheGoldenFiles()
    {
        DataSetBrolSensor dataset;
        fillLikeTheGoldenBrolSensor(dataset, dataset);
        QVERIFY(dataset.save());
        QCOMPARE(readAll(pathOf(dataset.id(), ".s3d")), golden("brolsensor-3x2.s3d"));

        const QByteArray text = readAll(pathOf(dataset.id(), ".xml"));
        QCOMPARE(jsonOf(text), jsonOf(golden("brolsensor-3x2.json")));
        // The float track width is widened to double, not rounded to the text "0.9".
        QVERIFY(text.contains("\"track width\": 0.8999999761581421"));
        // Indented by four blanks, keys in sorted order.
        QStringList keys;
        for (const QByteArray& line : text.split('\n')) {
            if (line.startsWith("    \""))
                keys.append(QString::fromUtf8(line.mid(5, line.indexOf('"', 5) - 5)));
        }
        QCOMPARE(keys.size(), 23);
        QStringList sorted = keys;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(keys, sorted);

        const QImage preview(pathOf(dataset.id(), ".png"));
        QCOMPARE(preview.size(), QSize(128, 128));
        QVERIFY(!preview.hasAlphaChannel());
    }

    void goldenFilesLoad()
    {
        store("golden-brol", golden("brolsensor-3x2.s3d"), golden("brolsensor-3x2.json"));
        DataSetBrolSensor brol;
        QVERIFY(brol.load("golden-brol"));
        QCOMPARE(brol.id(), QString("golden-brol"));
        QCOMPARE(brol.values(), Track({1, -2, 256, -32768, 32767, 0}));
        QCOMPARE(brol.getProperty("track width"), QVariant(0.9f));
        QCOMPARE(brol.getProperty("start index"), QVariant(1));
        QCOMPARE(brol.getProperty("parallel"), QVariant(true));
        QCOMPARE(brol.name(), QString("Field A"));
        QCOMPARE(brol.date(), QDate(2025, 3, 14));
        QCOMPARE(brol.time(), QTime(9, 5, 7));
        QCOMPARE(brol.coordinate(), QGeoCoordinate(52.5, 13.25));
        QVERIFY(!brol.bearing());

        store("golden-zseries", golden("zseries-2x1.s3d"), golden("zseries-2x1.json"));
        DataSetZSeries zseries;
        QVERIFY(zseries.load("golden-zseries"));
        QCOMPARE(zseries.values(), Track({16, -16}));
        QCOMPARE(zseries.getProperty("width"), QVariant(6));
        QCOMPARE(zseries.getProperty("sensor min"), QVariant(-4096));
        QCOMPARE(zseries.getProperty("sensor controls"), QVariant(true));
        QCOMPARE(zseries.location(), QString());
        // Saving it again writes the same members.
        QVERIFY(zseries.save());
        QCOMPARE(jsonOf(readAll(pathOf("golden-zseries", ".xml"))), jsonOf(golden("zseries-2x1.json")));
        QCOMPARE(readAll(pathOf("golden-zseries", ".s3d")), golden("zseries-2x1.s3d"));
    }

    // A stored dataset loaded and saved again keeps its bearing; one that is not a whole
    // number of degrees from 0 to 359 reads as not known and is not written back.
    void aDatasetSavedAgainKeepsItsBearing_data()
    {
        QTest::addColumn<QJsonValue>("stored");
        QTest::addColumn<int>("degrees"); // -1: not known
        QTest::newRow("whole") << QJsonValue(135) << 135;
        QTest::newRow("north") << QJsonValue(0) << 0;
        QTest::newRow("fraction") << QJsonValue(12.5) << -1;
        QTest::newRow("full circle") << QJsonValue(360) << -1;
        QTest::newRow("text") << QJsonValue("north") << -1;
    }
    void aDatasetSavedAgainKeepsItsBearing()
    {
        QFETCH(QJsonValue, stored);
        QFETCH(int, degrees);
        QJsonObject metadata = jsonOf(golden("zseries-2x1.json"));
        metadata["bearing"] = stored;
        store("turned", golden("zseries-2x1.s3d"), QJsonDocument(metadata).toJson());
        DataSetZSeries zseries;
        QVERIFY(zseries.load("turned"));
        QCOMPARE(zseries.bearing(), degrees < 0 ? std::nullopt : std::optional<int>(degrees));
        QVERIFY(zseries.save());
        if (degrees < 0)
            metadata.remove("bearing");
        QCOMPARE(jsonOf(readAll(pathOf("turned", ".xml"))), metadata);
    }

    void trackWidthIsReadBackAsTheFloat()
    {
        QJsonObject object = jsonOf(golden("brolsensor-3x2.json"));
        QCOMPARE(object["track width"].toDouble(), 0.8999999761581421);
        store("track-width", golden("brolsensor-3x2.s3d"), QJsonDocument(object).toJson());
        DataSetBrolSensor dataset;
        QVERIFY(dataset.load("track-width"));
        const QVariant width = dataset.getProperty("track width");
        QCOMPARE(width.userType(), int(QMetaType::Float));
        QVERIFY(width.toFloat() == 0.9f); // exactly the float, no fuzzy compare
    }

    void loadingLogsWhatItReads()
    {
        store("logged", golden("brolsensor-3x2.s3d"), golden("brolsensor-3x2.json"));
        TestSupport::DebugLog log;
        DataSetBrolSensor dataset;
        QVERIFY(dataset.load("logged"));
        QVERIFY(log.lines().contains("Open File: " + pathOf("logged", ".s3d") + " Header: SV-Brol_Sensor 3D-File "));
        QCOMPARE(log.count("Set: "), 17);
        QVERIFY(log.lines().contains("Set: track width"));
        QVERIFY(dataset.save());
        QCOMPARE(log.count("Get: "), 17);
        QVERIFY(log.lines().contains("Get: rows value: 2"));
    }

    void foreignHeadersAreRejected()
    {
        DataSetZSeries zseries;
        zseries.appendTrack({1, 2, 3});
        QVERIFY(zseries.save());
        expectRejected(zseries.id());

        // Differs from the Brol-sensor header only in letter case.
        store("lower-case", "sv-brol_sensor 3d-file \x01\x00\x02\x00", brolMetadata(1, 2));
        expectRejected("lower-case");
        // Too short to hold the header.
        store("short-header", "SV-Brol_Sensor 3D", brolMetadata(1, 1));
        expectRejected("short-header");
    }

    void spanwellGenerationsReadEachOthersFiles()
    {
        DataSetSpanwell first;
        first.appendTrack({7, 8});
        QVERIFY(first.save());
        DataSetSpanwellGen2 second;
        QVERIFY(second.load(first.id()));
        QCOMPARE(second.values(), Track({7, 8}));
        // The probe id stays that of the reading class.
        QCOMPARE(second.getProperty("probe id"), QVariant(3));

        DataSetSpanwellGen2 third;
        third.appendTrack({-9});
        QVERIFY(third.save());
        DataSetSpanwell fourth;
        QVERIFY(fourth.load(third.id()));
        QCOMPARE(fourth.values(), Track({-9}));
    }

    void emptyDatasetWritesNothing()
    {
        DataSetKM dataset;
        QVERIFY(!dataset.save());
        for (const char* suffix : {".s3d", ".xml", ".png"})
            QVERIFY(!QFile::exists(pathOf(dataset.id(), suffix)));
    }

    void previewIsWrittenOnlyOnce()
    {
        DataSet50Levelplane dataset;
        dataset.appendTrack({0, 100, 200});
        QVERIFY(dataset.save());
        const QString png = pathOf(dataset.id(), ".png");
        QVERIFY(writeAll(png, "kept"));
        dataset.appendTrack({300, 400, 500});
        QVERIFY(dataset.save());
        QCOMPARE(readAll(png), QByteArray("kept"));
        QVERIFY(QFile::remove(png));
        QVERIFY(dataset.save());
        QCOMPARE(QImage(png).size(), QSize(128, 128));
    }

    void previewOfEqualValuesIsWidenedAroundThem()
    {
        DataSetZSeries dataset;
        for (int i = 0; i < 3; ++i)
            dataset.appendTrack(Track(5, 17));
        QVERIFY(dataset.save());
        // 17 in -83 .. 117 is the middle of Jet: pure green, not the red of an empty range.
        const QImage preview(pathOf(dataset.id(), ".png"));
        for (const QPoint p : {QPoint(0, 0), QPoint(127, 127), QPoint(64, 3)})
            QCOMPARE(rgbAt(preview, p.x(), p.y()), QString("(0, 255, 0)"));
        const ValueRange range = widenToMinimumColorRange({17, 17});
        QCOMPARE(range.low, -83);
        QCOMPARE(range.high, 117);
    }

    void previewLaysTracksInWalkingOrder()
    {
        // Start in the last column and last row, zig-zag, two tracks: track 0 runs up the
        // right half, track 1 down the left half.
        DataSet100Levelplane dataset;
        dataset.setProperty("start index", 2);
        dataset.setProperty("parallel", false);
        dataset.appendTrack({0, 1000});
        dataset.appendTrack({0, 1000});
        QVERIFY(dataset.save(int(ColormapId::GreyScale)));
        const QImage preview(pathOf(dataset.id(), ".png"));
        const QString black("(0, 0, 0)");
        const QString white("(255, 255, 255)");
        QCOMPARE(rgbAt(preview, 0, 0), black);
        QCOMPARE(rgbAt(preview, 63, 63), black);
        QCOMPARE(rgbAt(preview, 127, 0), white);
        QCOMPARE(rgbAt(preview, 0, 127), white);
        QCOMPARE(rgbAt(preview, 64, 64), black);
        QCOMPARE(rgbAt(preview, 127, 127), black);
    }

    void valueFilesMustHoldTheDeclaredGrid()
    {
        const QByteArray values = golden("brolsensor-3x2.s3d");
        store("short-values", values.left(values.size() - 2), brolMetadata(2, 3));
        expectRejected("short-values");
        store("long-values", values + "trailing", brolMetadata(2, 3));
        expectRejected("long-values");
        store("exact-values", values, brolMetadata(2, 3));
        DataSetBrolSensor dataset;
        QVERIFY(dataset.load("exact-values"));
        QCOMPARE(dataset.values(), Track({1, -2, 256, -32768, 32767, 0}));
    }

    void implausibleGridsAreRejected_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::newRow("negative rows") << -1 << 3;
        QTest::newRow("negative columns") << 2 << -3;
        QTest::newRow("above 2^26 values") << 65536 << 1025;
        QTest::newRow("product overflows int") << 2000000000 << 2000000000;
        QTest::newRow("countless empty tracks") << 0 << 2000000000;
    }
    void implausibleGridsAreRejected()
    {
        QFETCH(int, rows);
        QFETCH(int, columns);
        store("implausible", golden("brolsensor-3x2.s3d"), brolMetadata(rows, columns));
        expectRejected("implausible");
    }

    void smallFilesCannotDeclareLargeGrids()
    {
        // 2^26 values (128 MB once made) declared over six: refused before the grid is made.
        store("largest", golden("brolsensor-3x2.s3d"), brolMetadata(65536, 1024));
        expectRejected("largest");
        store("square", golden("brolsensor-3x2.s3d"), brolMetadata(8192, 8192));
        expectRejected("square");
    }

    void brokenFilesAreRejected()
    {
        const QByteArray values = golden("brolsensor-3x2.s3d");
        store("garbage-metadata", values, "\x89PNG not json at all {");
        expectRejected("garbage-metadata");
        store("array-metadata", values, "[1, 2, 3]");
        expectRejected("array-metadata");
        store("truncated-metadata", values, golden("brolsensor-3x2.json").left(120));
        expectRejected("truncated-metadata");
        store("empty-metadata", values, "");
        expectRejected("empty-metadata");

        QVERIFY(writeAll(pathOf("no-metadata", ".s3d"), values));
        expectRejected("no-metadata");
        QVERIFY(writeAll(pathOf("no-values", ".xml"), golden("brolsensor-3x2.json")));
        expectRejected("no-values");
        expectRejected("never-stored");
        // Identifiers name files in the dataset folder only.
        store("../outside", values, golden("brolsensor-3x2.json"));
        expectRejected("../outside");
        expectRejected("");
    }

    // A stored dataset comes back as its family's own class (recorders and the 3D view test
    // for it), and only a probe of the catalogue gives one.
    void theStoreOpensEachFamilyAsItsOwnClass()
    {
        const DatasetStore store;
        DataSetSpanwellGen2 saved;
        saved.appendTrack({4, 5, 6});
        QVERIFY(saved.save());
        const Result<std::unique_ptr<FamilyDataset>> opened = store.open(saved.id());
        QVERIFY(opened);
        QVERIFY(dynamic_cast<DataSetSpanwellGen2*>(opened.value().get()));
        QCOMPARE(opened.value()->values(), saved.values());
        QCOMPARE(store.probeId(saved.id()).value(), 3);

        QVERIFY(writeAll(pathOf("foreign", ".xml"), "{\"probe id\": 99}"));
        const Result<std::unique_ptr<FamilyDataset>> foreign = store.open("foreign");
        QVERIFY(!foreign);
        QCOMPARE(foreign.failure().text, QString("The dataset's metadata names no known probe."));
    }

    // One size cap for every reader: an oversized metadata file is refused by the loader and the
    // edit, yet still listed (with empty texts) so that the operator can delete it.
    void oversizedMetadataIsRefusedButListed()
    {
        const DatasetStore store;
        QByteArray huge = "{\"name\": \"";
        huge.append(QByteArray(16 * 1024 * 1024, 'x'));
        huge.append("\"}");
        QVERIFY(writeAll(pathOf("huge", ".xml"), huge));
        QVERIFY(store.readMetadata("huge").failure().reason.contains("bytes"));
        DatasetRecord record;
        record.identifier = "huge";
        record.name = "Shorter";
        QVERIFY(!store.storeEdit(record));
        QCOMPARE(QFileInfo(pathOf("huge", ".xml")).size(), qint64(huge.size()));
        const std::vector<ListedDataset> listed = store.list();
        const auto tile = std::find_if(listed.begin(), listed.end(),
                                       [](const ListedDataset& d) { return d.record.identifier == "huge"; });
        QVERIFY(tile != listed.end());
        QVERIFY(tile->record.name.isEmpty());
    }

    void failedSavesAreReported()
    {
        DataSetZSeries dataset;
        dataset.appendTrack({1, 2});
        // A folder in the way of the metadata file: nothing can replace it.
        QVERIFY(QDir().mkpath(pathOf(dataset.id(), ".xml")));
        QVERIFY(!dataset.save());
        QVERIFY(QDir().rmdir(pathOf(dataset.id(), ".xml")));
        QVERIFY(dataset.save());
    }

    void interruptedWritesKeepThePreviousFile()
    {
        const QString path = documentsFolder() + "atomic.bin";
        QVERIFY(writeFileAtomically(path, QByteArray("first")));
        QVERIFY(!writeFileAtomically(path, [](QIODevice& file) {
            file.write("half of the sec");
            return false; // the disk filled up
        }));
        QCOMPARE(readAll(path), QByteArray("first"));
        QVERIFY(writeFileAtomically(path, QByteArray("second")));
        QCOMPARE(readAll(path), QByteArray("second"));
        const QStringList left = QDir(documentsFolder()).entryList({"atomic*"}, QDir::Files | QDir::Hidden);
        QCOMPARE(left, QStringList({"atomic.bin"}));
    }

    void missingDatasetFolderIsCreated()
    {
        QVERIFY(QDir(documentsFolder()).removeRecursively());
        DataSetKM dataset;
        dataset.appendTrack({3});
        QVERIFY(dataset.save());
        DataSetKM loaded;
        QVERIFY(loaded.load(dataset.id()));
        QCOMPARE(loaded.values(), Track({3}));
        QDir().mkpath(documentsFolder() + "config");
    }
};

SORVANEL_TEST_MAIN(DatasetFilesTest)
#include "test_dataset_files.moc"
