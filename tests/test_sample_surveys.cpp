#include "acquisition/probefamily.h"
#include "datasets/datasetidentifier.h"
#include "datasets/datasetstore.h"
#include "datasets/familydataset.h"
#include "datasets/gridcleaning.h"
#include "samplerecording.h"
#include "testenvironment.h"
#include "visualization/terrain.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>

namespace {
SampleSurvey smallSurvey(int probeId, quint32 seed)
{
    SampleSurvey survey;
    survey.walk.probeId = probeId;
    survey.walk.seed = seed;
    survey.walk.tracks = 5;
    survey.walk.rows = 30;
    survey.walk.lengthMetres = 3;
    survey.walk.objects = 2;
    survey.name = QStringLiteral("Sample");
    survey.location = QStringLiteral("Meadow");
    survey.position = QGeoCoordinate(47.25, 8.5);
    survey.bearing = 40;
    survey.recordedAt = QDateTime(QDate(2026, 4, 18), QTime(10, 12));
    return survey;
}

std::vector<std::int16_t> flattened(const std::vector<std::vector<std::int16_t>>& tracks)
{
    std::vector<std::int16_t> all;
    for (const auto& track : tracks)
        all.insert(all.end(), track.begin(), track.end());
    return all;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesBelow(const QString& folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}
} // namespace

class SampleSurveysTest : public QObject
{
    Q_OBJECT
private slots:
    // The recorders log every message they decode.
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false")); }

    void recordingEqualsTheWalkedField_data()
    {
        QTest::addColumn<int>("probeId");
        for (const ProbeFamily& family : probeFamilies)
            QTest::newRow(family.name) << family.probeId;
    }

    // Every family's recorder, driven as its controls drive it, keeps exactly what the probe sent.
    void recordingEqualsTheWalkedField()
    {
        QFETCH(int, probeId);
        SampleSurvey survey = smallSurvey(probeId, 7);
        survey.walk.lag = 2;
        survey.walk.startIndex = probeId % 4;
        Result<std::unique_ptr<FamilyDataset>> recorded = recordSampleSurvey(survey);
        QVERIFY2(recorded.ok(), qPrintable(recorded.failure().reason));
        const FamilyDataset& dataset = *recorded.value();
        QCOMPARE(dataset.getProperty("probe id").toInt(), probeId);
        QCOMPARE(dataset.getProperty("columns").toInt(), 5);
        QCOMPARE(dataset.getProperty("rows").toInt(), 30);
        QCOMPARE(dataset.getProperty("start index").toInt(), survey.walk.startIndex);
        QCOMPARE(dataset.values(), flattened(walkedReadings(survey.walk)));
    }

    void lagIsTheShiftTheDestaggerFinds_data()
    {
        QTest::addColumn<int>("corner");
        for (int corner = 0; corner < 4; ++corner)
            QTest::addRow("corner %d", corner) << corner;
    }

    void lagIsTheShiftTheDestaggerFinds()
    {
        QFETCH(int, corner);
        SampleWalk walk;
        walk.tracks = 12;
        walk.rows = 160;
        walk.lengthMetres = 16;
        walk.objects = 8;
        walk.startIndex = corner;
        walk.lag = 3;
        const FieldLayout layout = sampleLayout(walk);
        const GroundColumns ground = groundGrid(flattened(walkedReadings(walk)), layout, columnParityPosition);
        QCOMPARE(estimateStaggerShift(ground, layout), 3);
    }

    // The same seed gives the same three files, which load and list like a recording.
    void storedSampleIsByteIdenticalAndLoads()
    {
        QTemporaryDir first, second;
        const SampleSurvey survey = smallSurvey(2, 11);
        QVERIFY(storeSampleSurvey(survey, first.path()).ok());
        QVERIFY(storeSampleSurvey(survey, second.path()).ok());
        const QString id = sampleIdentifier(11);
        QVERIFY(isDatasetIdentifier(id));
        for (DatasetFile file : {DatasetFile::Values, DatasetFile::Metadata, DatasetFile::Preview}) {
            const QByteArray bytes = contentOf(DatasetStore(first.path()).path(id, file));
            QVERIFY(!bytes.isEmpty());
            QCOMPARE(contentOf(DatasetStore(second.path()).path(id, file)), bytes);
        }
        // A second store under the same identifier leaves the first alone.
        QVERIFY(!storeSampleSurvey(smallSurvey(1, 11), first.path()).ok());

        const DatasetStore store(first.path());
        const std::vector<ListedDataset> listed = store.list();
        QCOMPARE(listed.size(), std::size_t(1));
        QCOMPARE(listed[0].record.identifier, id);
        QCOMPARE(listed[0].record.probeId, 2);
        QCOMPARE(listed[0].record.bearing, std::optional<int>(40));
        QCOMPARE(listed[0].record.date, QDate(2026, 4, 18));
        Result<std::unique_ptr<FamilyDataset>> opened = store.open(id);
        QVERIFY(opened.ok());
        QCOMPARE(opened.value()->values(), flattened(walkedReadings(survey.walk)));
        QCOMPARE(opened.value()->coordinate(), survey.position);
    }

    // The demo's samples are written once, into the demo home only; a deleted sample stays deleted.
    void demoSeedingHappensOnceInsideTheDemoHome()
    {
        QTemporaryDir root;
        const QString home = root.filePath("demo-home");
        const QString outside = root.filePath("outside");
        QVERIFY(QDir().mkpath(outside));
        const auto seed = [&] {
            QProcess script;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("HOME", outside);
            environment.insert("DEMO_SMALL_SAMPLES", "1");
            script.setProcessEnvironment(environment);
            script.start("bash", {SORVANEL_SOURCE_DIR "/scripts/demo-samples.sh", home, SORVANEL_SAMPLE_TOOL});
            return script.waitForFinished(60000) && script.exitStatus() == QProcess::NormalExit
                   && script.exitCode() == 0;
        };
        QVERIFY(seed());
        const DatasetStore store(home + "/Documents/Sorvanel3D");
        const std::vector<ListedDataset> listed = store.list();
        QCOMPARE(listed.size(), std::size_t(6));
        QSet<int> families;
        for (const ListedDataset& entry : listed) {
            Result<std::unique_ptr<FamilyDataset>> opened = store.open(entry.record.identifier);
            QVERIFY2(opened.ok(), qPrintable(entry.record.name));
            // What the 3D view builds when the sample is opened.
            const Terrain terrain(opened.value().get());
            QVERIFY2(terrain.lastBuild().ok(), qPrintable(entry.record.name));
            QVERIFY(entry.record.bearing.has_value() && entry.record.coordinate.isValid());
            QVERIFY(!entry.record.location.isEmpty());
            families.insert(entry.record.probeId);
        }
        QVERIFY(families.size() >= 4);
        QCOMPARE(entriesBelow(root.path()).filter(QRegularExpression("^outside/")), QStringList());

        QVERIFY(store.moveToTrash(listed[0].record.identifier).ok());
        const QStringList before = entriesBelow(root.path());
        QVERIFY(seed());
        QCOMPARE(entriesBelow(root.path()), before);
        QCOMPARE(store.list().size(), std::size_t(5));
    }
};

SORVANEL_TEST_MAIN(SampleSurveysTest)
#include "test_sample_surveys.moc"
