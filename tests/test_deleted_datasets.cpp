#include "app/appsettings.h"
#include "datasets/datasetstore.h"
#include "datasets/widgets/deleteddatasetsdialog.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>

namespace {
const QString alpha = QStringLiteral("0f8fad5b-d9cb-469f-a165-70867728950e");
const QString beta = QStringLiteral("7c9e6679-7425-40de-944b-e07fc1f90ae7");
const char* const suffixes[] = {".s3d", ".xml", ".png"};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Three files whose contents carry `tag`, so a test can tell which dataset they belong to.
void storeDataset(const QString& id, const QString& name, const QByteArray& tag)
{
    QVERIFY(DatasetStore().ensureFolder());
    for (const char* suffix : suffixes) {
        QFile file(DatasetStore().folder() + id + suffix);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (QByteArray(suffix) == ".xml")
            file.write("{\"name\": \"" + name.toUtf8() + "\", \"date\": \"01.03.2025\", \"time\": \"08:00:00\", "
                       "\"bearing\": 200, \"tag\": \"" + tag + "\"}");
        else
            file.write(tag + suffix);
    }
}

bool holdsDataset(const QString& id, const QByteArray& tag)
{
    return readAll(DatasetStore().path(id, DatasetFile::Values)) == tag + ".s3d" && readAll(DatasetStore().path(id, DatasetFile::Preview)) == tag + ".png"
           && readAll(DatasetStore().path(id, DatasetFile::Metadata)).contains("\"tag\": \"" + tag + "\"");
}

void deleteAt(const QString& id, const QDateTime& when)
{
    QVERIFY(DatasetStore().moveToTrash(id, when));
}
} // namespace

class DeletedDatasetsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QDir folder(documentsFolder());
        for (const QString& name : folder.entryList({"*.xml", "*.s3d", "*.png"}, QDir::Files))
            folder.remove(name);
        QDir(DatasetStore().trashFolder()).removeRecursively();
        libraryDirty = false;
    }

    void restoreBringsTheDatasetBackUnderItsIdentifier()
    {
        storeDataset(alpha, "Field A", "a");
        const QDateTime deleted = QDateTime::currentDateTimeUtc();
        deleteAt(alpha, deleted);
        const std::vector<TrashEntry> entries = DatasetStore().trash();
        QCOMPARE(entries.size(), std::size_t(1));
        QCOMPARE(entries[0].id, alpha);
        QCOMPARE(entries[0].record.name, QString("Field A"));
        QCOMPARE(entries[0].record.bearing, std::optional<int>(200));
        QCOMPARE(entries[0].deletedAt, deleted);
        QCOMPARE(readAll(entries[0].previewPath), QByteArray("a.png"));

        QCOMPARE(DatasetStore().restore(entries[0]).value(), alpha);
        QVERIFY(holdsDataset(alpha, "a"));
        QVERIFY(readAll(DatasetStore().path(alpha, DatasetFile::Metadata)).contains("\"bearing\": 200"));
        QVERIFY(DatasetStore().trash().empty());
        QVERIFY(libraryDirty);
    }

    void restoreBesideADatasetWithTheSameIdentifierKeepsBoth()
    {
        storeDataset(alpha, "Old", "old");
        deleteAt(alpha, QDateTime::currentDateTimeUtc());
        // The same dataset arrived again, from a transfer say.
        storeDataset(alpha, "New", "new");
        const QString restored = DatasetStore().restore(DatasetStore().trash().at(0)).value();
        QVERIFY(!restored.isEmpty());
        QVERIFY(restored != alpha);
        QCOMPARE(restored.size(), 36);
        QVERIFY(holdsDataset(alpha, "new"));
        QVERIFY(holdsDataset(restored, "old"));
    }

    void emptyTrashAndTheThirtyDayRule()
    {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        storeDataset(alpha, "Old", "old");
        deleteAt(alpha, now.addDays(-31));
        storeDataset(beta, "Recent", "recent");
        deleteAt(beta, now.addDays(-29));
        QVERIFY(QDir().mkpath(DatasetStore().trashFolder() + "/notes"));

        QCOMPARE(DatasetStore().purgeTrash(now), 1);
        const std::vector<TrashEntry> left = DatasetStore().trash();
        QCOMPARE(left.size(), std::size_t(1));
        QCOMPARE(left[0].id, beta);
        QVERIFY(QDir(DatasetStore().trashFolder() + "/notes").exists());

        QVERIFY(DatasetStore().emptyTrash());
        QVERIFY(DatasetStore().trash().empty());
        QVERIFY(holdsDataset(alpha, "old") == false && holdsDataset(beta, "recent") == false);
    }

    void dialogRestoresTheSelectionAndEmptiesOnConfirmation()
    {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        storeDataset(alpha, "Older deletion", "a");
        deleteAt(alpha, now.addSecs(-60));
        storeDataset(beta, "Newer deletion", "b");
        deleteAt(beta, now);
        TestSupport::MessageBoxSpy boxes;
        DeletedDatasetsDialog dialog;
        QListWidget* list = dialog.entryList();
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(0)->text().startsWith("Newer deletion\n01.03.2025 08:00:00\n"));
        QVERIFY(!dialog.restoreButtonWidget()->isEnabled());

        QSignalSpy restored(&dialog, &DeletedDatasetsDialog::datasetsRestored);
        list->item(1)->setSelected(true);
        dialog.restoreButtonWidget()->click();
        QCOMPARE(restored.count(), 1);
        QVERIFY(holdsDataset(alpha, "a"));
        QCOMPARE(list->count(), 1);

        boxes.queueAnswer(MessageBox::No);
        dialog.emptyButtonWidget()->click();
        QCOMPARE(DatasetStore().trash().size(), std::size_t(1));
        dialog.emptyButtonWidget()->click();
        QVERIFY(DatasetStore().trash().empty());
        QCOMPARE(list->count(), 0);
        QVERIFY(!dialog.emptyButtonWidget()->isEnabled());
        QCOMPARE(boxes.requests().size(), 2);
        QCOMPARE(boxes.requests()[0].kind, MessageBox::Kind::Question);
    }
};

SORVANEL_TEST_MAIN(DeletedDatasetsTest)
#include "test_deleted_datasets.moc"
