#include "app/appsettings.h"
#include "datasets/atomicwrite.h"
#include "datasets/datasetstore.h"
#include "datasets/exportnames.h"
#include "datasets/widgets/datasetviewer.h"
#include "datasets/widgets/datasetwidget.h"
#include "exportfield.h"
#include "testenvironment.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QToolButton>

namespace {
DatasetWidget* onlyTile(DatasetViewer& viewer)
{
    libraryDirty = true;
    viewer.reloadDatasets();
    return viewer.tiles().size() == 1 ? viewer.tiles()[0] : nullptr;
}

// The only tile, its grid-export menu opened by a press on its button.
DatasetWidget* tileWithOpenMenu(DatasetViewer& viewer)
{
    DatasetWidget* tile = onlyTile(viewer);
    if (!tile)
        return nullptr;
    viewer.show();
    QTest::mousePress(tile->findChild<QToolButton*>("gridExportButton"), Qt::LeftButton);
    return QTest::qWaitFor([tile] { return tile->findChild<QMenu*>() != nullptr; }) ? tile : nullptr;
}

QAction* formatAction(DatasetWidget* tile, const QString& title)
{
    for (QAction* action : tile->findChild<QMenu*>()->actions())
        if (action->text() == title)
            return action;
    return nullptr;
}
} // namespace

// The library tile's grid export: a button like the others that opens a menu of the formats.
class TestLibraryGridExport : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(ExportField::removeStoredDatasets());
        QDir(downloadFolder()).removeRecursively();
    }

    void theGridButtonOpensTheFormatsAndExports()
    {
        QVERIFY(!ExportField::store("Field A").isEmpty());
        TestSupport::MessageBoxSpy boxes;
        DatasetViewer viewer;
        DatasetWidget* tile = onlyTile(viewer);
        QVERIFY(tile);
        auto* gridButton = tile->findChild<QToolButton*>("gridExportButton");
        QVERIFY(gridButton);
        const QList<QToolButton*> buttons = tile->findChildren<QToolButton*>();
        QCOMPARE(buttons.size(), 4);
        for (QToolButton* other : buttons) {
            QCOMPARE(gridButton->minimumSize(), other->minimumSize());
            QCOMPARE(gridButton->iconSize(), other->iconSize());
            QCOMPARE(gridButton->sizeHint(), other->sizeHint());
            QCOMPARE(gridButton->styleSheet(), other->styleSheet());
        }
        QVERIFY(!gridButton->icon().isNull());

        viewer.show();
        // The library's kinetic scrolling hands the press on only after a moment.
        QTest::mousePress(gridButton, Qt::LeftButton);
        QTRY_VERIFY(tile->findChild<QMenu*>());
        auto* menu = tile->findChild<QMenu*>();
        QTRY_VERIFY(menu->isVisible());
        QStringList titles;
        for (QAction* action : menu->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({"XYZ / CSV", "Surfer 6 text grid (DSAA)", "ESRI ASCII grid", "",
                                      "GeoTIFF, readings (UTM)", "GeoTIFF, colours (UTM)", "KMZ for Google Earth"}));
        menu->hide();

        formatAction(tile, "ESRI ASCII grid")->trigger();
        formatAction(tile, "ESRI ASCII grid")->trigger();
        formatAction(tile, "Surfer 6 text grid (DSAA)")->trigger();
        QCOMPARE(QDir(downloadFolder()).entryList(QDir::Files, QDir::Name),
                 QStringList({"Field A(1).asc", "Field A.asc", "Field A.grd"}));
        QCOMPARE(boxes.requests().size(), 3);
        QCOMPARE(boxes.requests().last().kind, MessageBox::Kind::Information);
        QCOMPARE(boxes.requests().last().text,
                 "Dataset exportet to the download directory: \n" + downloadFolder() + "/Field A.grd");
    }

    // Map exports need the start corner's position and the bearing; without them the box says
    // what to add and nothing is written.
    void mapExportsAskForWhatTheyNeed()
    {
        const QString id = ExportField::store("Field A");
        TestSupport::MessageBoxSpy boxes;
        DatasetViewer viewer;
        DatasetWidget* tile = tileWithOpenMenu(viewer);
        QVERIFY(tile);
        formatAction(tile, "KMZ for Google Earth")->trigger();
        QVERIFY(QDir(downloadFolder()).entryList(QDir::Files).isEmpty());
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].kind, MessageBox::Kind::Warning);
        QVERIFY(boxes.requests()[0].text.contains("latitude and longitude"));

        QJsonObject metadata = DatasetStore().readMetadata(id).value();
        metadata.insert("lat", 48.1);
        metadata.insert("lon", 11.5);
        QVERIFY(writeFileAtomically(DatasetStore().path(id, DatasetFile::Metadata), QJsonDocument(metadata).toJson()));
        formatAction(tile, "GeoTIFF, readings (UTM)")->trigger();
        QCOMPARE(boxes.requests().size(), 2);
        QVERIFY(boxes.requests()[1].text.contains("bearing"));

        metadata.insert("bearing", 30);
        QVERIFY(writeFileAtomically(DatasetStore().path(id, DatasetFile::Metadata), QJsonDocument(metadata).toJson()));
        formatAction(tile, "GeoTIFF, readings (UTM)")->trigger();
        formatAction(tile, "GeoTIFF, colours (UTM)")->trigger();
        formatAction(tile, "KMZ for Google Earth")->trigger();
        QCOMPARE(QDir(downloadFolder()).entryList(QDir::Files, QDir::Name),
                 QStringList({"Field A.kmz", "Field A.rgba.tif", "Field A.tif"}));
        QCOMPARE(boxes.requests().size(), 5);
        QCOMPARE(boxes.requests().last().kind, MessageBox::Kind::Information);
    }

    void aDatasetThatDoesNotLoadWritesNoGrid()
    {
        const QString id = ExportField::store("Broken");
        QFile::resize(documentsFolder() + id + ".s3d", 4);
        TestSupport::MessageBoxSpy boxes;
        DatasetViewer viewer;
        DatasetWidget* tile = tileWithOpenMenu(viewer);
        QVERIFY(tile);
        formatAction(tile, "XYZ / CSV")->trigger();
        QVERIFY(QDir(downloadFolder()).entryList(QDir::Files).isEmpty());
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].text, QString("Wrong data type"));
    }
};

SORVANEL_TEST_MAIN(TestLibraryGridExport)
#include "test_library_grid_export.moc"
