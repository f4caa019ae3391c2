#include "testenvironment.h"

#include "app/colormap.h"

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

    // Icons that stand for two states of one button must be told apart at a glance: at
    // least a tenth of the pixels differ clearly between the two pictures.
    void stateVariantsDiffer()
    {
        static const char* const pairs[][2] = {
            {"connected", "not connected"}, {"options", "options_open"}, {"gps_on", "gps_off"},
            {"sound_on", "sound_off"}, {"language_on", "language_off"},
            {"scanColor_on", "scanColor_offpng"}, {"zigzag_selected", "zigzag_unselected"},
            {"parallel_selected", "parralel_unselected"}, {"screenshot", "screenshot_pressed"},
            {"combobox_checked", "combobox_unchecked"}, {"pause", "resume"}, {"record", "stop"},
            {"upArrow", "downArrow"},
        };
        for (const auto& pair : pairs) {
            const QString a = QStringLiteral(":/res/images/new/%1.png").arg(pair[0]);
            const QString b = QStringLiteral(":/res/images/new/%1.png").arg(pair[1]);
            const QImage first = QImage(a).convertToFormat(QImage::Format_ARGB32);
            const QImage second = QImage(b).convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(first.size() == second.size(), qPrintable(a + " and " + b + " differ in size"));
            int differing = 0;
            for (int y = 0; y < first.height(); ++y) {
                for (int x = 0; x < first.width(); ++x) {
                    const QRgb p = first.pixel(x, y), q = second.pixel(x, y);
                    const int d = qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q))
                                  + qAbs(qBlue(p) - qBlue(q)) + qAbs(qAlpha(p) - qAlpha(q));
                    differing += d > 60;
                }
            }
            QVERIFY2(differing * 10 >= first.width() * first.height(), qPrintable(a + " and " + b + " look alike"));
        }
    }

    // The colour map icons show their map's own gradient: along the middle row, column x of
    // the 192-pixel icon's inner 160 columns (x = 16 .. 175) is the colour of the value
    // x - 16 in the range 0 .. 159. Catches icons left stale after a colour map change.
    void colormapIconsShowTheirMap()
    {
        const std::pair<ColormapId, const char*> icons[] = {
            {ColormapId::Jet, "Jet"}, {ColormapId::BlackBody, "BlackBodyRadiation"},
            {ColormapId::GreyScale, "GrayScale"}, {ColormapId::Temperature, "Temperature"}};
        for (const auto& [map, name] : icons) {
            const QString path = QStringLiteral(":/res/images/new/%1.png").arg(name);
            const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(192, 192));
            for (int x = 24; x < 168; x += 8) {
                const Rgb expected = colorFromValue(float(x - 16), 0.0f, 159.0f, int(map));
                const QRgb actual = image.pixel(x, 96);
                QVERIFY2(qRed(actual) == expected.red && qGreen(actual) == expected.green
                             && qBlue(actual) == expected.blue,
                         qPrintable(QStringLiteral("%1 at column %2").arg(path).arg(x)));
            }
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
