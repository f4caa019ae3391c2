// Saves that are killed at any moment or run out of disk never leave a damaged dataset: every
// dataset the library lists loads completely as a version that was saved, and a failed save
// keeps the previous version.
#include "savedversions.h"
#include "testenvironment.h"

#include "app/appsettings.h"
#include "datasets/familyclasses.h"
#include "datasets/datasetstore.h"
#include "datasets/datasetlisting.h"
#include "datasets/datasetpreview.h"
#include "datasets/stagedstore.h"
#include "datasets/transferdataset.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <csignal>
#include <sys/resource.h>

namespace {
// What the library shows must be whole: the values and name of one saved version, a location
// that is the saved one or an edit, and a readable preview.
QString damageIn(const ListedDataset& listed)
{
    const QString& id = listed.record.identifier;
    DataSetBrolSensor dataset;
    if (!dataset.load(id))
        return id + QStringLiteral(" does not load");
    bool numbered = false;
    const qint64 n = dataset.name().mid(1).toLongLong(&numbered);
    if (!numbered || dataset.name() != SavedVersions::nameOf(n))
        return id + QStringLiteral(" has the name ") + dataset.name();
    if (dataset.values() != SavedVersions::allValues(n))
        return id + QStringLiteral(" holds values no version had");
    if (!dataset.location().isEmpty() && !dataset.location().startsWith(QLatin1String("edited ")))
        return id + QStringLiteral(" has the location ") + dataset.location();
    if (readDatasetPreview(listed.previewPath).size() != QSize(previewSize, previewSize))
        return id + QStringLiteral(" has no whole preview");
    return {};
}

QString damageInFolder(int* datasets, int* edited)
{
    // As at start-up: a replacement that was decided when the loop died is finished first.
    DatasetStore().completeInterruptedStores();
    if (!QDir(documentsFolder()).entryList({QStringLiteral("*.incoming")}, QDir::Files).isEmpty())
        return QStringLiteral("staged files left behind");
    const std::vector<ListedDataset> listed = DatasetStore().list();
    *datasets = int(listed.size());
    for (const ListedDataset& entry : listed) {
        const QString damage = damageIn(entry);
        if (!damage.isEmpty())
            return damage;
        *edited += entry.record.location.isEmpty() ? 0 : 1;
    }
    return {};
}

QMap<QString, QByteArray> folderContent()
{
    QMap<QString, QByteArray> content;
    const QDir folder(documentsFolder());
    for (const QString& name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            content.insert(name, file.readAll());
    }
    return content;
}

// Writes beyond `bytes` in any file fail with EFBIG instead of ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit previous{};
    void (*previousHandler)(int) = nullptr;
};

QImage noise(quint32 seed)
{
    QRandomGenerator random(seed);
    QImage picture(previewSize, previewSize, QImage::Format_RGB32);
    for (int y = 0; y < previewSize; ++y)
        for (int x = 0; x < previewSize; ++x)
            picture.setPixel(x, y, random.generate());
    return picture;
}
} // namespace

class CrashSafeSaves : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QProcess::ExitStatus>(); }

    void init()
    {
        QDir(documentsFolder()).removeRecursively();
        TestSupport::resetSettings();
        QVERIFY(DatasetStore().ensureFolder());
    }

    void killedAtRandomMomentsLeavesOnlySavedVersions()
    {
        QRandomGenerator random(18);
        int datasets = 0;
        int edited = 0;
        for (int kill = 0; kill < 200; ++kill) {
            QProcess loop;
            QSignalSpy finished(&loop, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
            loop.start(QStringLiteral(SAVE_LOOP), {QString::number(qint64(kill) * 1000000)});
            // Killed at a random moment after its first save is through.
            QByteArray output;
            QTRY_VERIFY_WITH_TIMEOUT((output += loop.readAllStandardOutput()).contains("saved"), 20000);
            QTimer::singleShot(int(random.bounded(1, 60)), &loop, &QProcess::kill);
            QVERIFY(finished.wait(20000));
            QCOMPARE(loop.exitStatus(), QProcess::CrashExit);
            edited = 0;
            const QString damage = damageInFolder(&datasets, &edited);
            QVERIFY2(damage.isEmpty(), qPrintable(QStringLiteral("after kill %1: ").arg(kill) + damage));
        }
        // The loop got far enough to fill the folder and edit what it holds.
        QVERIFY2(datasets >= 10, qPrintable(QString::number(datasets)));
        QVERIFY2(edited >= 1, qPrintable(QString::number(edited)));
    }

    void fullDiskKeepsThePreviousVersion()
    {
        DataSetBrolSensor dataset;
        dataset.appendTrack(SavedVersions::track(1, 0));
        dataset.setName(SavedVersions::nameOf(1));
        QVERIFY(dataset.save());
        const QMap<QString, QByteArray> before = folderContent();
        QCOMPARE(before.size(), 3);
        DatasetRecord record = DatasetStore().list().at(0).record;
        Result<TransferReply> received = DatasetStore().readForTransfer(record.identifier);
        QVERIFY(received);
        received->values.append(QByteArray(8000, '\x01'));
        {
            const FileSizeLimit limit(4096);
            // The same recording grown past the limit, an edit and a snapshot that do not fit,
            // a new recording and a received replacement: each reports failure.
            for (int t = 0; t < 2000; ++t)
                dataset.appendTrack(SavedVersions::track(1, 0));
            QVERIFY(!dataset.save());
            record.location = QString(8000, QLatin1Char('x'));
            QVERIFY(!DatasetStore().storeEdit(record));
            QVERIFY(!DatasetStore().storePreview(record.identifier, noise(7)));
            DataSetBrolSensor other;
            for (int t = 0; t < 2000; ++t)
                other.appendTrack(SavedVersions::track(2, 0));
            QVERIFY(!other.save());
            QVERIFY(!DatasetStore().storeReceived(received.value()));
        }
        // Nothing replaced, nothing half-written left beside the old files.
        QCOMPARE(folderContent(), before);
    }
};

SORVANEL_TEST_MAIN(CrashSafeSaves)
#include "test_crash_safe_saves.moc"
