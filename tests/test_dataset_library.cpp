#include "app/appsettings.h"
#include "app/language.h"
#include "app/settingskeys.h"
#include "app/widgets/mainwindow.h"
#include "datasets/dataset.h"
#include "datasets/familyclasses.h"
#include "datasets/datasetstore.h"
#include "datasets/exportnames.h"
#include "datasets/widgets/bottomwidget.h"
#include "datasets/widgets/datasetviewer.h"
#include "datasets/widgets/datasetwidget.h"
#include "datasets/widgets/editwidget.h"
#include "datasets/widgets/imagelabel.h"
#include "datasets/widgets/tiletext.h"
#include "datasets/widgets/topwidget.h"
#include "testenvironment.h"
#include "visualization/widgets/heightfieldviewer.h"

#include <JlCompress.h>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <climits>
#include <quazip.h>

namespace {
QString pathOf(const QString& id, const char* suffix) { return documentsFolder() + id + suffix; }

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Metadata of a listed dataset, written directly: the listing reads nothing else.
void storeMetadata(const QString& id, const QString& name, const QString& date, const QString& time,
                   const QString& location = {}, double lat = 0, double lon = 0,
                   std::optional<int> bearing = {})
{
    QJsonObject object{{"name", name}, {"date", date}, {"time", time}, {"location", location},
                       {"lat", lat}, {"lon", lon}, {"probe id", 170}, {"rows", 4}};
    if (bearing)
        object.insert("bearing", *bearing);
    QVERIFY(writeAll(pathOf(id, ".xml"), QJsonDocument(object).toJson()));
}

QStringList namesOf(const DatasetViewer& viewer)
{
    QStringList names;
    for (const DatasetWidget* tile : viewer.tiles())
        names.append(tile->record().name);
    return names;
}

void reload(DatasetViewer& viewer)
{
    libraryDirty = true;
    viewer.reloadDatasets();
}

DatasetWidget* tileOf(const DatasetViewer& viewer, const QString& id)
{
    for (DatasetWidget* tile : viewer.tiles())
        if (tile->record().identifier == id)
            return tile;
    return nullptr;
}

// The three-track, four-row Brol-sensor field: track t holds 10 t + row, minus for track 1.
void storeBrolField(const QString& name)
{
    DataSetBrolSensor dataset;
    dataset.setProperty("length", 2);
    dataset.setProperty("start index", 0);
    dataset.setProperty("parallel", true);
    dataset.appendTrack({0, 1, 2, 3});
    dataset.appendTrack({-10, -11, -12, -13});
    dataset.appendTrack({20, 21, 22, 23});
    dataset.setName(name);
    dataset.setDate(QDate(2025, 5, 1));
    QVERIFY(dataset.save());
}

// A whole legacy VTK file: the header lines by keyword, then every value line.
struct VtkFile
{
    QMap<QString, QString> header;
    QList<int> values;
};

VtkFile parseVtk(const QByteArray& text)
{
    VtkFile file;
    const QList<QByteArray> lines = text.split('\n');
    int line = 0;
    for (; line < 10 && line < lines.size(); ++line) {
        const QString content = QString::fromLatin1(lines[line]);
        file.header.insert(content.section(' ', 0, 0), content.section(' ', 1));
    }
    for (; line < lines.size(); ++line) {
        if (lines[line].isEmpty() && line == lines.size() - 1)
            break;
        bool ok = false;
        file.values.append(lines[line].toInt(&ok));
        if (!ok)
            file.values.append(INT_MIN);
    }
    return file;
}

void clearFolder(const QString& folder)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
}

// The settings file stays: only the datasets and the trash go.
void clearDatasets()
{
    QDir folder(documentsFolder());
    for (const QString& name : folder.entryList({"*.xml", "*.s3d", "*.png"}, QDir::Files))
        folder.remove(name);
    QDir(DatasetStore().trashFolder()).removeRecursively();
}
} // namespace

// Receives the addresses the desktop would open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
    Q_INVOKABLE void open(const QUrl& url) { urls.append(url); }
};

class DatasetLibraryTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        TestSupport::resetSettings();
        clearDatasets();
        clearFolder(downloadFolder());
        currentPosition = QGeoCoordinate(0, 0);
    }

    void emptyFolderGivesNoTilesAndHidesTheProgress()
    {
        DatasetViewer viewer;
        reload(viewer);
        QVERIFY(viewer.tiles().empty());
        QVERIFY(viewer.findChild<QProgressBar*>()->isHidden());
        QVERIFY(!libraryDirty);
    }

    void sortsByDateTimeNameAndLocation()
    {
        storeMetadata("a", "gamma", "01.03.2025", "08:00:00", "Zell");
        storeMetadata("b", "alpha", "02.03.2025", "09:00:00", "aachen");
        storeMetadata("c", "Beta", "02.03.2025", "10:30:00", "Berg");
        DatasetViewer viewer;
        reload(viewer);
        QCOMPARE(namesOf(viewer), QStringList({"Beta", "alpha", "gamma"}));
        auto* bar = viewer.findChild<TopWidget*>();
        bar->sortByDate();
        QCOMPARE(namesOf(viewer), QStringList({"gamma", "alpha", "Beta"}));
        bar->sortByDate();
        QCOMPARE(namesOf(viewer), QStringList({"Beta", "alpha", "gamma"}));
        bar->sortByName();
        QCOMPARE(namesOf(viewer), QStringList({"alpha", "Beta", "gamma"}));
        bar->sortByLocation();
        QCOMPARE(namesOf(viewer), QStringList({"alpha", "Beta", "gamma"}));
        bar->sortByLocation();
        QCOMPARE(namesOf(viewer), QStringList({"gamma", "Beta", "alpha"}));
    }

    void listsMetadataFilesOnly()
    {
        storeMetadata("listed", "Listed", "01.03.2025", "08:00:00");
        QVERIFY(writeAll(pathOf("orphan", ".s3d"), "SV-Brol_Sensor 3D-File "));
        QVERIFY(writeAll(pathOf("orphan", ".png"), readAll(":/res/images/new/vtk.png")));
        QVERIFY(writeAll(pathOf("broken", ".xml"), "{ not json"));
        DatasetViewer viewer;
        reload(viewer);
        QCOMPARE(int(viewer.tiles().size()), 2);
        QVERIFY(!tileOf(viewer, "orphan"));
        const DatasetRecord broken = tileOf(viewer, "broken")->record();
        QVERIFY(broken.name.isEmpty() && !broken.date.isValid() && !broken.time.isValid());
        QCOMPARE(broken.coordinate, QGeoCoordinate(0, 0));
        QCOMPARE(broken.probeId, 0);
    }

    // Previews are read when first painted; before that the label already has the size of its
    // picture, so nothing moves. One that fails to decode ends like a missing one.
    void previewIsReadWhenFirstPainted()
    {
        QImage picture(200, 90, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x, y * 2, (x * y) & 255));
        for (const char* id : {"wide", "damaged", "missing"})
            storeMetadata(id, id, "01.03.2025", "08:00:00");
        QVERIFY(picture.save(pathOf("wide", ".png")));
        QVERIFY(picture.save(pathOf("damaged", ".png")));
        QVERIFY(QFile::resize(pathOf("damaged", ".png"), QFileInfo(pathOf("damaged", ".png")).size() / 2));
        DatasetViewer viewer;
        reload(viewer);
        auto* wide = tileOf(viewer, "wide")->findChild<ImageLabel*>();
        const QPixmap expected = QPixmap::fromImage(picture).scaledToWidth(wide->width(), Qt::SmoothTransformation);
        QVERIFY(wide->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(wide->sizeHint(), expected.size());
        auto* damaged = tileOf(viewer, "damaged")->findChild<ImageLabel*>();
        QCOMPARE(damaged->sizeHint(), expected.size());

        for (DatasetWidget* tile : viewer.tiles())
            tile->grab();
        QCOMPARE(wide->pixmap(Qt::ReturnByValue).toImage(), expected.toImage());
        QCOMPARE(wide->sizeHint(), expected.size());
        QVERIFY(damaged->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(damaged->sizeHint(), tileOf(viewer, "missing")->findChild<ImageLabel*>()->sizeHint());
    }

    void tileShowsNameDateAndPlace()
    {
        storeMetadata("t", "North field", "01.03.2025", "08:05:09", "Hill", 48.137154, -11.5);
        DatasetViewer viewer;
        reload(viewer);
        QStringList texts;
        for (const TileText* box : viewer.tiles()[0]->findChildren<TileText*>())
            texts.append(box->text());
        QCOMPARE(texts, QStringList({"North field", "01.03.2025\n08:05:09",
                                     "Hill\nLatitude\n48.1372\nLongitude\n-11.5"}));
        // Degrees in the language's number format, as the edit dialog takes them.
        Settings::language.write("de");
        reload(viewer);
        const QStringList lines = viewer.tiles()[0]->findChildren<TileText*>().at(2)->text().split('\n');
        QCOMPARE(lines[2], QString("48,1372"));
        QCOMPARE(lines[4], QString("-11,5"));
    }

    void selectionShowsAndHidesTheActions()
    {
        storeMetadata("a", "A", "01.03.2025", "08:00:00");
        storeMetadata("b", "B", "02.03.2025", "08:00:00");
        DatasetViewer viewer;
        reload(viewer);
        auto* actions = viewer.findChild<BottomWidget*>();
        QVERIFY(actions->isHidden());
        viewer.addDatasetToSelection("a");
        QVERIFY(!actions->isHidden() && actions->singleActionsVisible());
        viewer.addDatasetToSelection("b");
        QVERIFY(!actions->isHidden() && !actions->singleActionsVisible());
        viewer.addDatasetToSelection("a");
        QCOMPARE(viewer.selection(), QStringList({"b"}));
        QVERIFY(actions->singleActionsVisible());
        viewer.addDatasetToSelection("b");
        QVERIFY(actions->isHidden());

        viewer.addDatasetToSelection("a");
        reload(viewer);
        QVERIFY(viewer.selection().isEmpty());
        QVERIFY(actions->isHidden());
    }

    void mapLinkNeedsCoordinates()
    {
        storeMetadata("nowhere", "N", "01.03.2025", "08:00:00");
        storeMetadata("munich", "M", "02.03.2025", "08:00:00", "", 48.137154, 11.575382);
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        TestSupport::MessageBoxSpy boxes;
        DatasetViewer viewer;
        reload(viewer);
        viewer.addDatasetToSelection("nowhere");
        viewer.showDatasetPositionGoogleMaps();
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].text, QString("No coordinates provided"));
        QVERIFY(catcher.urls.isEmpty());
        viewer.addDatasetToSelection("nowhere");
        viewer.addDatasetToSelection("munich");
        viewer.showDatasetPositionGoogleMaps();
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.urls, QList<QUrl>({QUrl("https://www.google.com/maps/?q=48.1372,11.5754")}));
    }

    void deleteMovesTheFilesToTheTrash()
    {
        storeMetadata("gone", "Gone", "01.03.2025", "08:00:00");
        QVERIFY(writeAll(pathOf("gone", ".s3d"), "values"));
        storeMetadata("kept", "Kept", "02.03.2025", "08:00:00");
        DatasetViewer viewer;
        reload(viewer);
        viewer.addDatasetToSelection("gone");
        viewer.deleteSelectedDatasets();
        QCOMPARE(namesOf(viewer), QStringList({"Kept"}));
        QVERIFY(viewer.selection().isEmpty());
        QVERIFY(!QFile::exists(pathOf("gone", ".xml")));
        const QStringList entries = QDir(DatasetStore().trashFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(entries.size(), 1);
        QVERIFY(entries[0].endsWith("_gone"));
        QCOMPARE(readAll(DatasetStore().trashFolder() + "/" + entries[0] + "/gone.s3d"), QByteArray("values"));
    }

    void editShowsAndStoresSixDigits()
    {
        DatasetRecord record;
        record.coordinate = QGeoCoordinate(48.137154, 11.575382);
        EditWidget dialog(&record);
        const QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
        QCOMPARE(edits[2]->text(), QString("48.1372"));
        dialog.accept();
        QCOMPARE(record.coordinate.latitude(), 48.1372);

        EditWidget again(&record);
        again.copyCurrentCoordinates();
        QCOMPARE(again.findChildren<QLineEdit*>()[2]->text(), QString("0"));
        again.accept();
        QCOMPARE(record.coordinate, QGeoCoordinate(0, 0));
    }

    // A coordinate is stored as the dialog promised, or refused with the record untouched:
    // never a silent 0, never both lost for one out of range.
    void editStoresOrRefusesCoordinates_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::newRow("latitude 95") << "en" << "95" << "11.5" << false << 0.0 << 0.0;
        QTest::newRow("longitude -181") << "en" << "48" << "-181" << false << 0.0 << 0.0;
        QTest::newRow("comma in German") << "de" << "48,5" << "-11,25" << true << 48.5 << -11.25;
        QTest::newRow("dot in German") << "de" << "48.5" << "11.25" << true << 48.5 << 11.25;
        QTest::newRow("dot in English") << "en" << "48.5" << "180" << true << 48.5 << 180.0;
        QTest::newRow("comma in English") << "en" << "48,5" << "11.5" << false << 0.0 << 0.0;
        QTest::newRow("not a number") << "en" << "48" << "abc" << false << 0.0 << 0.0;
        QTest::newRow("empty") << "de" << "" << "11" << false << 0.0 << 0.0;
        QTest::newRow("nan") << "en" << "nan" << "11" << false << 0.0 << 0.0;
    }
    void editStoresOrRefusesCoordinates()
    {
        QFETCH(QString, language);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QFETCH(bool, stored);
        Settings::language.write(language);
        DatasetRecord record;
        record.name = "Kept";
        record.coordinate = QGeoCoordinate(10, 20);
        EditWidget dialog(&record);
        const QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
        edits[0]->setText("New");
        edits[2]->setText(latitude);
        edits[3]->setText(longitude);
        TestSupport::MessageBoxSpy boxes;
        dialog.accept();
        if (stored) {
            QFETCH(double, lat);
            QFETCH(double, lon);
            QCOMPARE(boxes.requests().size(), 0);
            QCOMPARE(record.coordinate, QGeoCoordinate(lat, lon));
            QCOMPARE(record.name, QString("New"));
        } else {
            QCOMPARE(boxes.requests().size(), 1);
            QCOMPARE(boxes.requests()[0].kind, MessageBox::Kind::Warning);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(record.coordinate, QGeoCoordinate(10, 20));
            QCOMPARE(record.name, QString("Kept"));
        }
    }

    // Every language shows the stored degrees in its own format, takes them back unchanged,
    // and reads its own decimal separator and the dot alike.
    void editReadsEveryLanguagesNumbers()
    {
        for (const QString& code : embeddedLanguageCodes()) {
            Settings::language.write(code);
            const QLocale locale(code);
            DatasetRecord record;
            record.coordinate = QGeoCoordinate(48.137154, -11.5);
            EditWidget dialog(&record);
            const QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
            QCOMPARE(edits[2]->text(), locale.toString(48.1372, 'g', 6));
            QVERIFY2(edits[2]->hasAcceptableInput() && edits[3]->hasAcceptableInput(), qPrintable(code));
            TestSupport::MessageBoxSpy boxes;
            dialog.accept();
            QCOMPARE(record.coordinate, QGeoCoordinate(48.1372, -11.5));
            edits[2]->setText(locale.toString(12.25));
            edits[3]->setText("-7.75");
            dialog.accept();
            QVERIFY2(boxes.requests().isEmpty(), qPrintable(code));
            QCOMPARE(record.coordinate, QGeoCoordinate(12.25, -7.75));
        }
    }

    void editedMetadataNeverHoldsNullCoordinates()
    {
        storeMetadata("field", "Old", "01.03.2025", "08:00:00", "Hill", 48.5, 11.5);
        DatasetRecord record;
        record.identifier = "field";
        record.name = "New";
        record.coordinate = QGeoCoordinate(95, 11.5); // invalid: both degrees are NaN
        QVERIFY(DatasetStore().storeEdit(record));
        const QJsonObject stored = QJsonDocument::fromJson(readAll(pathOf("field", ".xml"))).object();
        QCOMPARE(stored.value("name").toString(), QString("New"));
        QCOMPARE(stored.value("lat").toDouble(), 48.5);
        QCOMPARE(stored.value("lon").toDouble(), 11.5);
    }

    void editThroughTheLibrary()
    {
        storeMetadata("field", "Old", "01.03.2025", "08:00:00", "Hill", 48.137154, 11.5);
        const QByteArray before = readAll(pathOf("field", ".xml"));
        DatasetViewer viewer;
        reload(viewer);
        viewer.addDatasetToSelection("field");
        answerEditDialog(false, {});
        viewer.editDataset();
        QCOMPARE(readAll(pathOf("field", ".xml")), before);
        QCOMPARE(viewer.selection(), QStringList({"field"}));

        answerEditDialog(true, "New");
        viewer.editDataset();
        const QJsonObject stored = QJsonDocument::fromJson(readAll(pathOf("field", ".xml"))).object();
        QCOMPARE(stored.value("name").toString(), QString("New"));
        QCOMPARE(stored.value("lat").toDouble(), 48.1372);
        QCOMPARE(stored.value("rows").toInt(), 4);
        QCOMPARE(stored.value("date").toString(), QString("01.03.2025"));
        QCOMPARE(namesOf(viewer), QStringList({"New"}));
        QVERIFY(viewer.selection().isEmpty());
    }

    // Whole degrees in the language's digits or ASCII ones; empty is "not known".
    void bearingsAreReadInEveryDigits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("degrees"); // -1: not known
        QTest::newRow("empty") << "en" << "" << true << -1;
        QTest::newRow("blank") << "en" << "  " << true << -1;
        QTest::newRow("north") << "en" << "0" << true << 0;
        QTest::newRow("last degree") << "en" << " 359 " << true << 359;
        QTest::newRow("full circle") << "en" << "360" << false << -1;
        QTest::newRow("negative") << "en" << "-1" << false << -1;
        QTest::newRow("fraction") << "en" << "12.5" << false << -1;
        QTest::newRow("letters") << "en" << "abc" << false << -1;
        QTest::newRow("Arabic-Indic digits") << "ar_EG" << "٢٠٠" << true << 200;
        QTest::newRow("ASCII in Arabic") << "ar_EG" << "200" << true << 200;
        QTest::newRow("German") << "de" << "45" << true << 45;
        QTest::newRow("German fraction") << "de" << "12,5" << false << -1;
    }
    void bearingsAreReadInEveryDigits()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, degrees);
        const QLocale locale(language);
        const BearingEntry entry = bearingFromText(text, locale);
        QCOMPARE(entry.valid, valid);
        QCOMPARE(entry.degrees, degrees < 0 ? std::nullopt : std::optional<int>(degrees));
        if (entry.degrees)
            QCOMPARE(bearingFromText(bearingText(degrees, locale), locale).degrees, entry.degrees);
    }

    // OK sets, changes or removes the bearing and leaves every other member; one that is no
    // bearing is refused with a box, the dialog stays open and the file as it was.
    void editBearingThroughTheLibrary_data()
    {
        QTest::addColumn<int>("stored"); // -1: none
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("expected");
        QTest::newRow("set") << -1 << "200" << false << 200;
        QTest::newRow("changed") << 90 << "200" << false << 200;
        QTest::newRow("cleared") << 90 << "" << false << -1;
        QTest::newRow("beyond the circle") << 90 << "400" << true << 90;
    }
    void editBearingThroughTheLibrary()
    {
        QFETCH(int, stored);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        QFETCH(int, expected);
        storeMetadata("field", "Field", "01.03.2025", "08:00:00", "Hill", 48.5, 11.5,
                      stored < 0 ? std::nullopt : std::optional<int>(stored));
        const QByteArray before = readAll(pathOf("field", ".xml"));
        DatasetViewer viewer;
        reload(viewer);
        viewer.addDatasetToSelection("field");
        TestSupport::MessageBoxSpy boxes;
        EditAnswer answer;
        answerEditDialogWithBearing(typed, &answer);
        viewer.editDataset();

        QCOMPARE(answer.shownBearing, stored < 0 ? QString() : QString::number(stored));
        QCOMPARE(answer.stayedOpen, refused);
        QCOMPARE(boxes.requests().size(), refused ? 1 : 0);
        if (refused) {
            QVERIFY(boxes.requests()[0].text.contains("359"));
            QCOMPARE(readAll(pathOf("field", ".xml")), before);
            return;
        }
        QJsonObject members = QJsonDocument::fromJson(readAll(pathOf("field", ".xml"))).object();
        QCOMPARE(members.take("bearing").toInt(-1), expected);
        QJsonObject others = QJsonDocument::fromJson(before).object();
        others.remove("bearing");
        QCOMPARE(members, others);
    }

    void zipNamesCountUpAndHoldTheThreeFiles()
    {
        storeBrolField("Field A");
        const QString id = QDir(documentsFolder()).entryList({"*.xml"})[0].chopped(4);
        TestSupport::MessageBoxSpy boxes;
        DatasetViewer viewer;
        for (int i = 0; i < 3; ++i)
            viewer.zipDataset(id, "Field A");
        for (const char* name : {"Field A.zip", "Field A(1).zip", "Field A(2).zip"}) {
            const QString archive = downloadFolder() + "/" + name;
            QuaZip zip(archive);
            QVERIFY2(zip.open(QuaZip::mdUnzip), qPrintable(name));
            QCOMPARE(zip.getFileNameList().size(), 3);
            zip.close();
            QTemporaryDir out;
            JlCompress::extractDir(archive, out.path());
            for (const char* suffix : {".s3d", ".xml", ".png"})
                QCOMPARE(readAll(out.path() + "/" + id + suffix), readAll(pathOf(id, suffix)));
        }
        QCOMPARE(boxes.requests().last().text,
                 "Dataset exportet to the download directory: \n" + downloadFolder() + "/Field A(2).zip");

        QFile::remove(pathOf(id, ".png"));
        viewer.zipDataset(id, "Field A");
        QCOMPARE(boxes.requests().last().kind, MessageBox::Kind::Warning);
        QVERIFY(boxes.requests().last().text.startsWith("Dataset could not be exportet to: \n"));
        QVERIFY(!QFile::exists(downloadFolder() + "/Field A(3).zip"));
    }

    void hostileNamesStayInTheDownloadFolder()
    {
        QCOMPARE(exportBaseName("../../etc/passwd", "id"), QString("_.._etc_passwd"));
        QCOMPARE(exportBaseName("..", "the-id"), QString("the-id"));
        QCOMPARE(exportBaseName("a\nb\\c:d", "id"), QString("a_b_c_d"));
        QCOMPARE(exportBaseName("", ""), QString("dataset"));
        storeBrolField("../../outside");
        const QString id = QDir(documentsFolder()).entryList({"*.xml"})[0].chopped(4);
        TestSupport::MessageBoxSpy boxes;
        DatasetViewer viewer;
        viewer.exportDatasetToVTK(id, "../../outside");
        QCOMPARE(QDir(downloadFolder()).entryList(QDir::Files), QStringList({"_.._outside.vtk"}));
    }

    void vtkHoldsTheGridRowsFromTheLast()
    {
        storeBrolField("Brol");
        const QString id = QDir(documentsFolder()).entryList({"*.xml"})[0].chopped(4);
        TestSupport::MessageBoxSpy boxes;
        DatasetViewer viewer;
        viewer.exportDatasetToVTK(id, "Brol");
        const QByteArray text = readAll(downloadFolder() + "/Brol.vtk");
        QVERIFY(text.startsWith("# vtk DataFile Version 3.1 \nGenerated from a Sorvanel3D_UA Dataset\nASCII\n"
                                "DATASET STRUCTURED_POINTS\n"));
        const VtkFile vtk = parseVtk(text);
        QCOMPARE(vtk.header.value("DIMENSIONS"), QString("3 4 1"));
        QCOMPARE(vtk.header.value("ORIGIN"), QString("0 0 0"));
        QCOMPARE(vtk.header.value("SPACING"), QString("0.9 0.5 1"));
        QCOMPARE(vtk.header.value("POINT_DATA"), QString("12"));
        QCOMPARE(vtk.header.value("SCALARS"), QString("P float"));
        QCOMPARE(vtk.header.value("LOOKUP_TABLE"), QString("default"));
        QCOMPARE(vtk.values, QList<int>({3, -13, 23, 2, -12, 22, 1, -11, 21, 0, -10, 20}));
        QCOMPARE(boxes.requests().last().kind, MessageBox::Kind::Information);

        viewer.exportDatasetToVTK(id, "Brol");
        QVERIFY(QFile::exists(downloadFolder() + "/Brol(1).vtk"));
    }

    void vtkOfAnUnloadableDatasetWritesNothing()
    {
        storeMetadata("bad", "Bad", "01.03.2025", "08:00:00");
        QVERIFY(writeAll(pathOf("bad", ".s3d"), "not a value file"));
        TestSupport::MessageBoxSpy boxes;
        DatasetViewer viewer;
        viewer.exportDatasetToVTK("bad", "Bad");
        QVERIFY(QDir(downloadFolder()).entryList(QDir::Files).isEmpty());
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].text, QString("Wrong data type"));

        // A dataset of no known probe fails like an unwritable file, not like a damaged one.
        QVERIFY(writeAll(pathOf("foreign", ".xml"), "{\"probe id\": 99}"));
        viewer.exportDatasetToVTK("foreign", "Foreign");
        QVERIFY(QDir(downloadFolder()).entryList(QDir::Files).isEmpty());
        QCOMPARE(boxes.requests().size(), 2);
        QCOMPARE(boxes.requests()[1].text, "Dataset could not be exportet to: \n" + downloadFolder() + "/Foreign.vtk");
    }

    void viewOpensTheDatasetAndBackReturnsToTheLibrary()
    {
        storeBrolField("Field A");
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        libraryDirty = true;
        window.setViewState();
        DatasetViewer* library = window.datasetLibrary();
        QCOMPARE(int(library->tiles().size()), 1);
        library->tiles()[0]->findChild<QPushButton*>()->click();
        QCOMPARE(window.screenState(), int(MainWindow::Visualization));
        QVERIFY(window.heightFieldViewer()->dataset());
        QCOMPARE(window.heightFieldViewer()->dataset()->name(), QString("Field A"));
        window.goBack();
        QCOMPARE(window.screenState(), int(MainWindow::Library));

        // A dataset stored meanwhile (as a finished recording is) is a new tile on entry.
        storeBrolField("Field B");
        libraryDirty = true;
        window.setViewState();
        QCOMPARE(namesOf(*library).size(), 2);
        QVERIFY(namesOf(*library).contains("Field B"));
    }

private:
    struct EditAnswer
    {
        QString shownBearing;
        bool stayedOpen = false;
    };

    // Answers the next edit dialog with `bearing` typed and OK; one that stays open after its
    // box is cancelled.
    static void answerEditDialogWithBearing(const QString& bearing, EditAnswer* answer)
    {
        QTimer::singleShot(0, [bearing, answer] {
            auto* dialog = qobject_cast<EditWidget*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QLineEdit* edit = dialog->findChildren<QLineEdit*>()[4];
            answer->shownBearing = edit->text();
            edit->setText(bearing);
            dialog->accept();
            answer->stayedOpen = dialog->isVisible();
            if (answer->stayedOpen)
                dialog->reject();
        });
    }

    // Answers the next edit dialog: OK with a new name, or Cancel.
    static void answerEditDialog(bool ok, const QString& name)
    {
        QTimer::singleShot(0, [ok, name] {
            auto* dialog = qobject_cast<EditWidget*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            if (!ok) {
                dialog->reject();
                return;
            }
            dialog->findChildren<QLineEdit*>()[0]->setText(name);
            dialog->accept();
        });
    }

};

SORVANEL_TEST_MAIN(DatasetLibraryTest)
#include "test_dataset_library.moc"
