// An options.ini with garbage, wrong types and out-of-range values: after the start-up steps
// the program reads sane values and shows its first screen.
#include "app/appsettings.h"
#include "app/language.h"
#include "app/settingskeys.h"
#include "app/settingsrepair.h"
#include "app/widgets/mainwindow.h"
#include "recording/widgets/fielddimensionwidget.h"
#include "recording/widgets/walkingdirectionwidget.h"
#include "testenvironment.h"

#include <QDir>

namespace {
const char hostileIni[] = R"([%General]
language=xx

[record]
width=-3
length=many
corner=9
parallel=perhaps
sound=@Variant(\0\0\0\x7f\0\0\0\x18QMap)

[visualization]
general\colormap=7
2D\scalar\isovalue=1e400
2D\scalar\showGrid=1, 2, 3
2D\scalar\filter\smoothingFilter=

[network]
scannerPort=99999
scannerHost=127.0.0.1
[[[broken
=nothing
)";

void startWith(const QByteArray& content)
{
    const QString path = defaultSettingsPath();
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    // The start-up steps that touch the settings, in their order.
    openAppSettings(path);
    repairSettings();
    initLanguage(QStringLiteral("de_DE"));
}
} // namespace

class HostileSettings : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestSupport::resetSettings(); }

    void damagedValuesStartWithTheirDefaults()
    {
        startWith(hostileIni);
        QCOMPARE(Settings::recordWidth.read().toInt(), 3);
        QCOMPARE(Settings::recordLength.read().toInt(), 4);
        QCOMPARE(Settings::recordCorner.read().toInt(), 0);
        QCOMPARE(Settings::colormap.read().toInt(), 1);
        QCOMPARE(Settings::isovalue.read().toInt(), 0);
        QCOMPARE(Settings::scannerPort.read().toInt(), 9876);
        QCOMPARE(Settings::recordParallel.read().toBool(), true);
        QCOMPARE(Settings::recordSound.read().toBool(), false);
        QCOMPARE(Settings::showGrid.read().toBool(), true);
        QCOMPARE(Settings::smoothingFilter.read().toBool(), true);
        // An unknown language is kept and shows the English texts.
        QCOMPARE(Settings::language.read().toString(), QString("xx"));
        QCOMPARE(QCoreApplication::translate("NavBar", "English text"), QString("English text"));

        QCOMPARE(FieldDimensionWidget(QStringLiteral("width and length")).widthValue(), 3);
        QCOMPARE(WalkingDirectionWidget().cornerValue(), 0);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.screenState(), int(MainWindow::Welcome));
    }

    void soundValuesAreKept()
    {
        startWith("[record]\nwidth=12\ncorner=3\nparallel=false\n[visualization]\ngeneral\\colormap=4\n"
                  "2D\\scalar\\isovalue=55\n[network]\nscannerPort=1\n");
        QCOMPARE(Settings::recordWidth.read().toInt(), 12);
        QCOMPARE(Settings::recordCorner.read().toInt(), 3);
        QCOMPARE(Settings::recordParallel.read().toBool(), false);
        QCOMPARE(Settings::colormap.read().toInt(), 4);
        QCOMPARE(Settings::isovalue.read().toInt(), 55);
        QCOMPARE(Settings::scannerPort.read().toInt(), 1);
    }
};

SORVANEL_TEST_MAIN(HostileSettings)
#include "test_hostile_settings.moc"
