// A dataset folder full of damaged and foreign files: the library lists every metadata file
// it finds (and nothing else), and opening each tile either shows the 3D view, refuses with
// the load failure box or the box of a field that cannot be shown, or (a probe id of no
// family) goes back to the welcome screen.
#include "app/appsettings.h"
#include "app/widgets/mainwindow.h"
#include "datasets/datasetstore.h"
#include "datasets/widgets/datasetviewer.h"
#include "datasets/widgets/datasetwidget.h"
#include "testenvironment.h"
#include "visualization/terrain.h"
#include "visualization/widgets/glwindow.h"
#include "visualization/widgets/heightfieldviewer.h"

#include <QDir>
#include <algorithm>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace {
// Hidden files (a name starting with a dot) are not listed.
enum Outcome { Opens, Refused, Unshowable, Welcome, Unlisted };

struct HostileEntry
{
    QString id;
    QByteArray metadata;
    QByteArray values; // none when empty
    QByteArray preview; // none when empty
    Outcome outcome;
};

QByteArray testData(const QString& name)
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray metadataWith(const QVariantMap& changes)
{
    QJsonObject object = QJsonDocument::fromJson(testData("brolsensor-3x2.json")).object();
    for (auto it = changes.begin(); it != changes.end(); ++it)
        object.insert(it.key(), QJsonValue::fromVariant(it.value()));
    return QJsonDocument(object).toJson();
}

// A PNG signature and header chunk that declare a picture of width × height and nothing more.
QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    QByteArray header("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    uchar size[8];
    qToBigEndian(width, size);
    qToBigEndian(height, size + 4);
    header.append(reinterpret_cast<const char*>(size), 8);
    header.append("\x08\x02\0\0\0\0\0\0\0", 9);
    return header;
}

QList<HostileEntry> hostileEntries()
{
    const QByteArray metadata = testData("brolsensor-3x2.json");
    const QByteArray values = testData("brolsensor-3x2.s3d");
    const QByteArray header("SV-Brol_Sensor 3D-File ");
    return {
        {"sound", metadata, values, {}, Opens},
        // A value file must hold exactly the declared grid.
        {"truncated", metadata, header + '\x01', {}, Refused},
        {"oversized", metadata, values + QByteArray(8 << 20, '\x7f'), {}, Refused},
        // Unreadable metadata names no probe, so no family can open it.
        {"notjson", "{{ \"name\": ", values, {}, Welcome},
        {"notobject", "[1, 2, 3]", values, {}, Welcome},
        {"foreignheader", metadata, "SV-ZSeries 3D-File \x01\x02", {}, Refused},
        {"novalues", metadata, {}, {}, Refused},
        {"wrongtypes", R"({"rows": "2", "columns": [3], "name": 5, "date": {}, "lat": "x", "probe id": "170"})",
         values, {}, Welcome},
        {"giantnumbers", metadataWith({{"rows", 1e30}, {"columns", 2147483647.0}, {"lat", 1e308}}), values, {},
         Refused},
        // Declared far beyond its value file: refused before the grid is made.
        {"largegrid", metadataWith({{"rows", 8192}, {"columns", 8192}}), values, {}, Refused},
        // Whole and loadable, but its terrain would not fit in memory.
        {"hugegrid", metadataWith({{"rows", 2048}, {"columns", 1024}}), header + QByteArray(4 << 20, '\0'), {},
         Unshowable},
        {"negativegrid", metadataWith({{"rows", -2}, {"columns", -3}}), values, {}, Refused},
        {"unknownfamily", metadataWith({{"probe id", 99999}}), values, {}, Welcome},
        {"notpng", metadata, values, "GIF89a, not a preview", Opens},
        {"hugepng", metadata, values, pngHeaderOnly(60000, 60000), Opens},
        {"", metadata, values, {}, Unlisted},
        {".", metadata, values, {}, Unlisted},
        {"with space", metadata, values, {}, Opens},
        {"new\nline", metadata, values, {}, Opens},
        {QString::fromUtf8("ünï€ødé"), metadata, values, {}, Opens},
        {QString(200, QLatin1Char('a')), metadata, values, {}, Opens},
    };
}

void write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(content) == content.size(), qPrintable(path));
}
} // namespace

class HostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(TestSupport::resetSettingsAndDocuments());
    }

    void libraryListsWhatItCanAndTheViewOpensOrRefuses()
    {
        const QList<HostileEntry> entries = hostileEntries();
        for (const HostileEntry& entry : entries) {
            write(documentsFolder() + entry.id + ".xml", entry.metadata);
            if (!entry.values.isEmpty())
                write(documentsFolder() + entry.id + ".s3d", entry.values);
            if (!entry.preview.isEmpty())
                write(documentsFolder() + entry.id + ".png", entry.preview);
        }
        // Folders named like a dataset's files are not datasets.
        QVERIFY(QDir().mkpath(documentsFolder() + "folder.xml"));
        QVERIFY(QDir().mkpath(documentsFolder() + "folder.s3d"));

        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        window.resize(1000, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        libraryDirty = true;
        window.setViewState();
        QTRY_VERIFY(!window.datasetLibrary()->tiles().empty());
        QStringList listed;
        for (const DatasetWidget* tile : window.datasetLibrary()->tiles())
            listed.append(tile->record().identifier);
        QStringList expected;
        for (const HostileEntry& entry : entries)
            expected.append(entry.outcome == Unlisted ? QString() : entry.id);
        expected.removeAll(QString());
        listed.sort();
        expected.sort();
        QCOMPARE(listed, expected);

        for (const HostileEntry& entry : entries) {
            if (entry.outcome == Unlisted)
                continue;
            const DatasetWidget* tile = nullptr;
            for (const DatasetWidget* candidate : window.datasetLibrary()->tiles())
                tile = candidate->record().identifier == entry.id ? candidate : tile;
            QVERIFY2(tile, qPrintable(entry.id));
            boxes.clear();
            window.setVisualizationState(entry.id, tile->record().probeId);
            const bool viewerShown = window.heightFieldViewer() && window.heightFieldViewer()->isVisible();
            // The terrain is built on a worker thread; a field it cannot show is reported then.
            if (viewerShown)
                QTRY_VERIFY(!window.heightFieldViewer()->view()->building());
            // No scanner answers here: the link's time-out box may come at any moment.
            QList<MessageBox::Request> asked = boxes.requests();
            asked.erase(std::remove_if(asked.begin(), asked.end(),
                                       [](const MessageBox::Request& r) { return r.title == "Connection Time Out"; }),
                        asked.end());
            switch (entry.outcome) {
            case Opens:
                QVERIFY2(viewerShown && asked.isEmpty(), qPrintable(entry.id));
                break;
            case Refused:
                QVERIFY2(!asked.isEmpty(), qPrintable(entry.id));
                QCOMPARE(asked.at(0).title, datasetLoadFailureTitle());
                break;
            case Unshowable:
                QVERIFY2(!asked.isEmpty(), qPrintable(entry.id));
                QCOMPARE(asked.at(0).title, Terrain::failureTitle());
                break;
            case Welcome:
                QVERIFY2(!viewerShown && asked.isEmpty(), qPrintable(entry.id));
                QCOMPARE(window.screenState(), int(MainWindow::Welcome));
                break;
            case Unlisted:
                break;
            }
            window.setViewState();
        }
    }
};

SORVANEL_TEST_MAIN(HostileFiles)
#include "test_hostile_files.moc"
