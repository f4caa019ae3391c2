#include "testenvironment.h"

#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QTranslator>

// Every embedded path the program loads, spelled exactly as the code uses it.
static const char* const imagePaths[] = {
    ":/res/images/splash.png", ":/res/images/new/splash.png",
    ":/res/images/new/back.png", ":/res/images/new/connected.png", ":/res/images/new/not connected.png",
    ":/res/images/new/options.png", ":/res/images/new/options_open.png",
    ":/res/images/new/gps_on.png", ":/res/images/new/gps_off.png",
    ":/res/images/new/sound_on.png", ":/res/images/new/sound_off.png",
    ":/res/images/new/language_on.png", ":/res/images/new/language_off.png",
    ":/res/images/new/scanColor_on.png", ":/res/images/new/scanColor_offpng.png",
    ":/res/images/new/fileImport.png", ":/res/images/new/fileExport.png",
    ":/res/images/new/Jet.png", ":/res/images/new/BlackBodyRadiation.png",
    ":/res/images/new/GrayScale.png", ":/res/images/new/Temperature.png",
    ":/res/images/new/recordMode.png", ":/res/images/new/viewMode.png", ":/res/images/new/infoMode.png",
    ":/res/images/new/pause.png", ":/res/images/new/resume.png", ":/res/images/new/changeRow.png",
    ":/res/images/new/record.png", ":/res/images/new/stop.png",
    ":/res/images/new/zigzag_selected.png", ":/res/images/new/zigzag_unselected.png",
    ":/res/images/new/parallel_selected.png", ":/res/images/new/parralel_unselected.png",
    ":/res/images/new/upArrow.png", ":/res/images/new/downArrow.png",
    ":/res/images/new/Icon1-Feldvorschau.png", ":/res/images/new/Icon2-Frequenzanalyse.png",
    ":/res/images/new/Icon3-Gausskurve.png",
    ":/res/images/new/edit.png", ":/res/images/new/world.png", ":/res/images/new/delete.png",
    ":/res/images/new/zip.png", ":/res/images/new/vtk.png", ":/res/images/new/imageSelected.png",
    ":/res/images/new/cam_reset.png", ":/res/images/new/fileSelector.png",
    ":/res/images/new/printer.png", ":/res/images/new/screenshot.png",
    ":/res/images/new/screenshot_pressed.png",
    ":/res/images/new/combobox_checked.png", ":/res/images/new/combobox_unchecked.png",
    ":/res/images/new/soil/Alfisol.jpg", ":/res/images/new/soil/Andisol.jpg",
    ":/res/images/new/soil/Aridisol.jpg", ":/res/images/new/soil/Concrete.jpg",
    ":/res/images/new/soil/Entisol.jpg", ":/res/images/new/soil/Gelisol.jpg",
    ":/res/images/new/soil/Histosol.jpg", ":/res/images/new/soil/Inzeptisol.jpg",
    ":/res/images/new/soil/Mollisol.jpg", ":/res/images/new/soil/Oxisol.jpg",
    ":/res/images/new/soil/Pelosol.jpg", ":/res/images/new/soil/Spodosol.jpg",
    ":/res/images/new/soil/Ultisol.jpg", ":/res/images/new/soil/Vertisol.jpg",
};

static const char* const languageCodes[] = {"ar_EG", "de", "el_GR", "en", "es_ES", "fr_FR",
                                            "it_IT", "nl_NL", "ru_RU", "tr", "zh_CN"};

class ResourcesTest : public QObject
{
    Q_OBJECT
private slots:
    void everyImageLoads()
    {
        for (const char* path : imagePaths) {
            const QImage image(QString::fromUtf8(path));
            QVERIFY2(!image.isNull(), path);
            QVERIFY2(image.width() >= 32 && image.height() >= 32, path);
        }
    }

    void stylesheetIsEmbedded()
    {
        QFile file(":/res/styles/UniversalDesign.qss");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(file.readAll());
        QVERIFY(text.contains("background-color: #e6d1a7"));
        // Every url() in the stylesheet names an embedded picture.
        QRegularExpression url("url\\((:[^)]+)\\)");
        auto it = url.globalMatch(text);
        int urls = 0;
        while (it.hasNext()) {
            const QString path = it.next().captured(1);
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
            ++urls;
        }
        QCOMPARE(urls, 2);
    }

    void fontRegistersAFamily()
    {
        const int id = QFontDatabase::addApplicationFont(":/res/fonts/SF-Pro-Text-Regular.otf");
        QVERIFY(id >= 0);
        QVERIFY(!QFontDatabase::applicationFontFamilies(id).isEmpty());
    }

    void elevenTranslationsLoad()
    {
        const QStringList listed = QDir(":/res/languages/").entryList({"language_*.qm"});
        QCOMPARE(listed.size(), 11);
        for (const char* code : languageCodes) {
            QTranslator translator;
            QVERIFY2(translator.load(QStringLiteral(":/res/languages/language_") + code), code);
        }
    }
};

SORVANEL_TEST_MAIN(ResourcesTest)
#include "test_resources.moc"
