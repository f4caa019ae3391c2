#include "app/appsettings.h"
#include "app/widgets/batterygauge.h"
#include "app/language.h"
#include "app/widgets/look.h"
#include "app/widgets/menuiconproxystyle.h"
#include "app/widgets/navbar.h"
#include "app/settingskeys.h"
#include "datasets/widgets/waitingspinnerwidget.h"
#include "testenvironment.h"

#include <QLocale>
#include <QSignalSpy>
#include <QToolButton>
#include <QTranslator>

namespace {
QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(32, 32).toImage();
}

QImage resourceImage(const QString& name)
{
    return iconImage(QIcon(":/res/images/new/" + name));
}

QStringList texts(const QMenu* menu)
{
    QStringList result;
    for (const QAction* action : menu->actions())
        result.append(action->text());
    return result;
}

// Marks every text of the bar so that a retranslation is visible.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return QLatin1String(context) == QLatin1String("NavBar") ? QStringLiteral("<%1>").arg(source) : QString();
    }
};
} // namespace

class NavBarTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void batteryGaugeLightsOneBarPerFourteenPercent_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("lit");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("14") << 14 << 0;
        QTest::newRow("15") << 15 << 1;
        QTest::newRow("29") << 29 << 2;
        QTest::newRow("98") << 98 << 6;
        QTest::newRow("99") << 99 << 7;
        QTest::newRow("100") << 100 << 7;
    }
    void batteryGaugeLightsOneBarPerFourteenPercent()
    {
        QFETCH(int, percent);
        QFETCH(int, lit);
        const QVector<BatteryGauge::Bar> bars = BatteryGauge::bars(QSize(50, 50), percent);
        QCOMPARE(bars.size(), 7);
        for (int k = 0; k < bars.size(); ++k)
            QCOMPARE(bars[k].lit, k < lit);

        QPixmap picture(50, 50);
        BatteryGauge::draw(picture, percent);
        const QImage image = picture.toImage();
        for (int k = 0; k < bars.size(); ++k)
            QCOMPARE(image.pixelColor(bars[k].rect.center()),
                     k < lit ? QColor(61, 169, 54) : QColor(87, 87, 86));
        QCOMPARE(image.pixelColor(49, 25), QColor(230, 209, 167));
    }

    void batteryBarsGeometry()
    {
        // At 96 dpi the gauge is 50 px: bars 3 px wide, 30 px high, 3 px apart.
        const QVector<BatteryGauge::Bar> bars = BatteryGauge::bars(QSize(50, 50), 50);
        QCOMPARE(bars.first().rect, QRect(0, 10, 3, 30));
        QCOMPARE(bars.last().rect, QRect(36, 10, 3, 30));
        QCOMPARE(bars[1].rect.x(), 6);
    }

    void sizesFollowTheScreenDensity()
    {
        NavBar bar;
        QCOMPARE(bar.minimumHeight(), 63);
        QCOMPARE(bar.maximumHeight(), 63);
        for (QToolButton* button : {bar.backButtonWidget(), bar.batteryButtonWidget(), bar.connectButtonWidget(),
                                    bar.settingsButtonWidget()}) {
            QCOMPARE(button->iconSize(), QSize(50, 50));
            QCOMPARE(button->minimumSize(), QSize(72, 63));
        }
        QCOMPARE(bar.batteryPicture().size(), QSize(50, 50));
        WaitingSpinnerWidget* spinner = bar.spinnerWidget();
        QCOMPARE(spinner->size(), QSize(62, 62));
        QCOMPARE(spinner->numberOfLines(), 12);
        QCOMPARE(spinner->lineWidthPx(), 4);
        QCOMPARE(spinner->animationInterval(), 83);
        QCOMPARE(spinner->lineColor(), QColor(98, 98, 98));
        QCOMPARE(bar.title(), QString("Sorvanel 3D"));
    }

    void menuIconsAreAThirdOfAnInch()
    {
        MenuIconProxyStyle style;
        QCOMPARE(style.pixelMetric(QStyle::PM_SmallIconSize), 33);
        QCOMPARE(style.pixelMetric(QStyle::PM_ToolBarIconSize),
                 style.baseStyle()->pixelMetric(QStyle::PM_ToolBarIconSize));

        // Also through the application's style sheet, which wraps the menus' style.
        qApp->setStyleSheet(styleSheetFor(96));
        {
            NavBar bar;
            QMenu* menu = bar.ownSettingsMenu();
            QCOMPARE(menu->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu), 33);
            QMenu foreign;
            bar.setSettingsMenu(&foreign);
            QCOMPARE(foreign.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &foreign), 33);
        }
        qApp->setStyleSheet(QString());
    }

    void settingsMenuOrder()
    {
        NavBar bar;
        QCOMPARE(texts(bar.ownSettingsMenu()),
                 QStringList({"GPS", "Enable Sound", "Scan Color", "Receive Dataset", "Deleted Datasets",
                              "Capture Scanner Stream", "Language"}));
        QCOMPARE(texts(bar.colormapEntries()), QStringList({"Jet", "Black Body", "Grey Scale", "Temperature"}));
        QCOMPARE(bar.settingsButtonWidget()->menu(), bar.ownSettingsMenu());
        QCOMPARE(bar.settingsButtonWidget()->popupMode(), QToolButton::InstantPopup);
    }

    void choosingAColourMapStoresItsNumber()
    {
        NavBar bar;
        const QList<QAction*> maps = bar.colormapEntries()->actions();
        maps[3]->trigger();
        QCOMPARE(appSettings().value("visualization/general/colormap").toInt(), 4);
        maps[0]->trigger();
        QCOMPARE(Settings::colormap.read().toInt(), 1);
        maps[1]->trigger();
        QCOMPARE(Settings::colormap.read().toInt(), 2);
        for (QAction* action : maps)
            QVERIFY(!action->isCheckable() && !action->isChecked());
    }

    void soundSwitchTogglesTheStoredValueAndIcon()
    {
        NavBar bar;
        QAction* sound = bar.soundEntry();
        QCOMPARE(iconImage(sound->icon()), resourceImage("sound_off.png"));
        sound->trigger();
        QCOMPARE(Settings::recordSound.read().toBool(), true);
        QCOMPARE(iconImage(sound->icon()), resourceImage("sound_on.png"));
        sound->trigger();
        QCOMPARE(appSettings().value("record/sound").toBool(), false);
        QCOMPARE(iconImage(sound->icon()), resourceImage("sound_off.png"));

        // A bar made while sound is on starts with the "on" picture.
        Settings::recordSound.write(true);
        NavBar second;
        QCOMPARE(iconImage(second.soundEntry()->icon()), resourceImage("sound_on.png"));
    }

    void languageMenuListsTheEmbeddedTranslations()
    {
        Settings::language.write("zh_CN");
        NavBar bar;
        const QList<QAction*> entries = bar.languageEntries()->actions();
        const QStringList codes = embeddedLanguageCodes();
        QCOMPARE(codes.size(), 11);
        QCOMPARE(entries.size(), codes.size());
        for (int i = 0; i < codes.size(); ++i) {
            QCOMPARE(entries[i]->data().toString(), codes[i]);
            QCOMPARE(entries[i]->text(), QLocale(codes[i]).nativeLanguageName());
            QCOMPARE(entries[i]->isChecked(), codes[i] == "zh_CN");
        }

        // Never chosen reads as "en".
        appSettings().remove("general/language");
        NavBar fresh;
        for (QAction* action : fresh.languageEntries()->actions())
            QCOMPARE(action->isChecked(), action->data().toString() == "en");
    }

    void choosingALanguageStoresItAndMarksTheLibrary()
    {
        NavBar bar;
        libraryDirty = false;
        QAction* german = nullptr;
        for (QAction* action : bar.languageEntries()->actions())
            if (action->data().toString() == "de")
                german = action;
        QVERIFY(german);
        german->trigger();
        QCOMPARE(appSettings().value("general/language").toString(), QString("de"));
        QVERIFY(libraryDirty);
        QVERIFY(german->isChecked());
        int checked = 0;
        for (QAction* action : bar.languageEntries()->actions())
            checked += action->isChecked() ? 1 : 0;
        QCOMPARE(checked, 1);
        setLanguage("en");
    }

    void languageChangeRetranslatesTheMenu()
    {
        NavBar bar;
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QTRY_COMPARE(bar.gpsEntry()->text(), QString("<GPS>"));
        QCOMPARE(texts(bar.ownSettingsMenu()),
                 QStringList({"<GPS>", "<Enable Sound>", "<Scan Color>", "<Receive Dataset>", "<Deleted Datasets>",
                              "<Capture Scanner Stream>", "<Language>"}));
        QCOMPARE(texts(bar.colormapEntries()),
                 QStringList({"<Jet>", "<Black Body>", "<Grey Scale>", "<Temperature>"}));
        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(bar.gpsEntry()->text(), QString("GPS"));
    }

    void connectionIndicators()
    {
        NavBar bar;
        QVERIFY(bar.batteryButtonWidget()->isHidden());
        bar.showConnecting();
        QVERIFY(bar.connectButtonWidget()->isHidden());
        QVERIFY(bar.spinnerWidget()->isSpinning());
        QVERIFY(!bar.spinnerWidget()->isHidden());

        bar.setConnected(true);
        QVERIFY(!bar.connectButtonWidget()->isHidden());
        QVERIFY(!bar.batteryButtonWidget()->isHidden());
        QVERIFY(!bar.spinnerWidget()->isSpinning());
        QVERIFY(bar.spinnerWidget()->isHidden());
        QCOMPARE(iconImage(bar.connectButtonWidget()->icon()), resourceImage("connected.png"));

        bar.showConnecting();
        bar.setConnected(false);
        QVERIFY(!bar.connectButtonWidget()->isHidden());
        QVERIFY(bar.batteryButtonWidget()->isHidden());
        QVERIFY(!bar.spinnerWidget()->isAnimating());
        QCOMPARE(iconImage(bar.connectButtonWidget()->icon()), resourceImage("not connected.png"));

        bar.setBatteryLevel(99);
        QCOMPARE(bar.batteryButtonWidget()->icon().pixmap(50, 50).toImage().pixelColor(37, 25),
                 QColor(61, 169, 54));
        bar.setGpsActive(true);
        QCOMPARE(iconImage(bar.gpsEntry()->icon()), resourceImage("gps_on.png"));
        bar.setGpsActive(false);
        QCOMPARE(iconImage(bar.gpsEntry()->icon()), resourceImage("gps_off.png"));
        bar.setTitle("DATASETS");
        QCOMPARE(bar.title(), QString("DATASETS"));
    }

    void buttonsAndEntriesEmitTheirSignals()
    {
        NavBar bar;
        QSignalSpy connectSpy(&bar, &NavBar::connectButtonPushed);
        QSignalSpy backSpy(&bar, &NavBar::backButtonPushed);
        QSignalSpy gpsSpy(&bar, &NavBar::gpsButtonPushed);
        QSignalSpy importSpy(&bar, &NavBar::fileImportButtonPushed);
        QTest::mousePress(bar.connectButtonWidget(), Qt::LeftButton);
        QCOMPARE(connectSpy.count(), 1);
        QTest::mousePress(bar.backButtonWidget(), Qt::LeftButton);
        QCOMPARE(backSpy.count(), 1);
        bar.gpsEntry()->trigger();
        QCOMPARE(gpsSpy.count(), 1);
        bar.receiveEntry()->trigger();
        QCOMPARE(importSpy.count(), 1);
        QCOMPARE(connectSpy.count() + backSpy.count(), 2);
        QSignalSpy deletedSpy(&bar, &NavBar::deletedDatasetsButtonPushed);
        bar.deletedDatasetsEntry()->trigger();
        QCOMPARE(deletedSpy.count(), 1);
    }

    void captureSwitchIsStoredAndShown()
    {
        NavBar bar;
        QVERIFY(bar.captureEntry()->isCheckable());
        QVERIFY(!bar.captureEntry()->isChecked());
        bar.captureEntry()->trigger();
        QCOMPARE(Settings::captureScannerStream.read().toBool(), true);
        NavBar next;
        QVERIFY(next.captureEntry()->isChecked());
        next.captureEntry()->trigger();
        QCOMPARE(Settings::captureScannerStream.read().toBool(), false);
    }

    void anotherScreensMenuCanBeAttachedAndRestored()
    {
        NavBar bar;
        QToolButton* settings = bar.settingsButtonWidget();
        auto* foreign = new QMenu;
        foreign->addAction("Depth Analysis");
        bar.setSettingsMenu(foreign);
        bar.setSettingsMenu(foreign);
        QCOMPARE(settings->menu(), foreign);
        QCOMPARE(bar.currentSettingsMenu(), foreign);
        emit foreign->aboutToShow();
        QCOMPARE(iconImage(settings->icon()), resourceImage("options_open.png"));
        emit foreign->aboutToHide();
        QCOMPARE(iconImage(settings->icon()), resourceImage("options.png"));

        bar.restoreSettingsMenu();
        QCOMPARE(settings->menu(), bar.ownSettingsMenu());
        // The detached menu no longer drives the button's picture.
        emit foreign->aboutToShow();
        QCOMPARE(iconImage(settings->icon()), resourceImage("options.png"));
        emit bar.ownSettingsMenu()->aboutToShow();
        QCOMPARE(iconImage(settings->icon()), resourceImage("options_open.png"));
        emit bar.ownSettingsMenu()->aboutToHide();

        // A screen that goes away with its menu attached leaves the bar's own menu behind.
        bar.setSettingsMenu(foreign);
        delete foreign;
        QCOMPARE(settings->menu(), bar.ownSettingsMenu());
        bar.setSettingsMenu(nullptr);
        QCOMPARE(settings->menu(), bar.ownSettingsMenu());
    }

    void languageEntryCanBeHidden()
    {
        NavBar bar;
        QAction* entry = bar.languageEntries()->menuAction();
        bar.setLanguageMenuVisible(false);
        QVERIFY(!entry->isVisible());
        bar.setLanguageMenuVisible(true);
        QVERIFY(entry->isVisible());
        emit bar.languageEntries()->aboutToShow();
        QCOMPARE(iconImage(bar.languageEntries()->icon()), resourceImage("language_on.png"));
        emit bar.languageEntries()->aboutToHide();
        QCOMPARE(iconImage(bar.languageEntries()->icon()), resourceImage("language_off.png"));
    }
};

SORVANEL_TEST_MAIN(NavBarTest)
#include "test_navbar.moc"
