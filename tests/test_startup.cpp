#include "app/appsettings.h"
#include "app/language.h"
#include "app/widgets/look.h"
#include "app/messagebox.h"
#include "app/settingskeys.h"
#include "testenvironment.h"

#include <QStandardPaths>

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void versionStringFromTheBuildDate()
    {
        QCOMPARE(versionStringFromBuildDate("Oct 14 2019"), QString("19.10.00"));
        // The compiler pads single-digit days with a blank.
        QCOMPARE(versionStringFromBuildDate("Mar  4 2021"), QString("21.03.00"));
        QVERIFY(QRegularExpression("^\\d\\d\\.\\d\\d\\.00$").match(versionString()).hasMatch());
    }

    void densityRulesAt96Dpi()
    {
        const QString rules = densityRules(96);
        QCOMPARE(rules,
                 QString("QSlider:horizontal {min-height: 38.4px;}"
                         "QSlider::groove:horizontal {height: 38.4px; margin: -11.52px 0;}"
                         "QSlider::handle:horizontal { border-radius: 19.2px; width: 38.4px; }"
                         "QCheckBox::indicator:unchecked, QMenu::indicator:unchecked { width: 33.6px; height: 33.6px;}"
                         "QCheckBox::indicator:checked, QMenu::indicator:checked { width: 33.6px; height: 33.6px;}"
                         "QLineEdit { min-height: 33.6px; }"
                         "QDialogButtonBox QPushButton { min-height: 33.6px; min-width: 72px; }"
                         "QMenu::item { padding: 0px 53.2px 0px 53.2px; min-height: 48px;}"));
    }

    void densityRulesOverrideTheStylesheet()
    {
        const QString sheet = styleSheetFor(144);
        QVERIFY(sheet.startsWith("QWidget { background-color: #c6c6c6; }"));
        // The density rules come last, so they win over the fixed sizes of the same selectors.
        QVERIFY(sheet.lastIndexOf("QSlider:horizontal") > sheet.indexOf("min-height: 64px"));
        QVERIFY(sheet.endsWith(densityRules(144)));
    }

    void defaultLanguageMatchesTheLanguagePartOnly_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German") << "de_DE" << "de";
        QTest::newRow("Austrian German") << "de_AT" << "de";
        QTest::newRow("Turkish") << "tr_TR" << "tr";
        QTest::newRow("English") << "en_GB" << "en";
        // it_IT is embedded, but "it" does not equal the code "it_IT".
        QTest::newRow("Italian") << "it_IT" << "en";
        QTest::newRow("Chinese") << "zh_CN" << "en";
        QTest::newRow("C locale") << "C" << "en";
    }
    void defaultLanguageMatchesTheLanguagePartOnly()
    {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QCOMPARE(defaultLanguageFor(locale), expected);
    }

    void firstStartChoosesAndStoresTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("stored");
        QTest::newRow("German system") << "de_DE" << "de";
        QTest::newRow("Italian system") << "it_IT" << "en";
    }
    void firstStartChoosesAndStoresTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, stored);
        QVERIFY(!appSettings().contains(Settings::language.name));
        initLanguage(locale);
        QCOMPARE(appSettings().value("general/language").toString(), stored);
        appSettings().sync();
        QSettings file(defaultSettingsPath(), QSettings::IniFormat);
        QCOMPARE(file.value("general/language").toString(), stored);
    }

    void storedLanguageIsUsedUnchanged()
    {
        appSettings().setValue("general/language", "xx_YY");
        initLanguage("de_DE");
        QCOMPARE(appSettings().value("general/language").toString(), QString("xx_YY"));
        appSettings().setValue("general/language", "it_IT");
        initLanguage("de_DE");
        QCOMPARE(appSettings().value("general/language").toString(), QString("it_IT"));
    }

    void settingsLiveInTheDocumentsFolder()
    {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY2(documents.startsWith(QDir::homePath()) && QDir::homePath().contains("sorvanel-test-"),
                 "tests must use a private documents folder");
        QCOMPARE(defaultSettingsPath(), documents + "/Sorvanel3D/config/options.ini");
        QCOMPARE(appSettings().fileName(), defaultSettingsPath());
    }

    void unwrittenKeysYieldTheirDefaults()
    {
        QCOMPARE(Settings::recordWidth.read().toInt(), 3);
        QCOMPARE(Settings::recordLength.read().toInt(), 4);
        QCOMPARE(Settings::recordCorner.read().toInt(), 0);
        QCOMPARE(Settings::recordParallel.read().toBool(), true);
        QCOMPARE(Settings::recordSound.read().toBool(), false);
        QCOMPARE(Settings::colormap.read().toInt(), 1);
        QCOMPARE(Settings::showGrid.read().toBool(), true);
        QCOMPARE(Settings::smoothingFilter.read().toBool(), true);
        QCOMPARE(Settings::trackMatchingFilter.read().toBool(), true);
        QCOMPARE(Settings::outlierFilter.read().toBool(), false);
        QCOMPARE(Settings::dataHost.read().toString(), QString());
        QCOMPARE(Settings::scannerPort.read().toInt(), 9876);
        // Every key is a slash-separated group path, and no key is listed twice.
        QSet<QString> names;
        for (const SettingKey* key : Settings::allKeys()) {
            QVERIFY2(key->name.contains('/'), qPrintable(key->name));
            names.insert(key->name);
        }
        QCOMPARE(names.size(), Settings::allKeys().size());
    }

    void toggleWritesTheNegation()
    {
        QCOMPARE(Settings::recordSound.toggle(), true);
        QCOMPARE(appSettings().value("record/sound").toBool(), true);
        QCOMPARE(Settings::recordSound.toggle(), false);
    }

    void messageBoxSeamReportsAndAnswers()
    {
        TestSupport::MessageBoxSpy spy;
        spy.queueAnswer(MessageBox::No);
        QCOMPARE(MessageBox::question(nullptr, QString(), "Quit?"), MessageBox::No);
        QCOMPARE(MessageBox::warning(nullptr, "Title", "Text"), MessageBox::Ok);
        QCOMPARE(spy.requests().size(), 2);
        QCOMPARE(spy.requests()[0].kind, MessageBox::Kind::Question);
        QCOMPARE(spy.requests()[0].buttons, MessageBox::Yes | MessageBox::No);
        QCOMPARE(spy.requests()[1].kind, MessageBox::Kind::Warning);
        QCOMPARE(spy.requests()[1].title, QString("Title"));
        QCOMPARE(spy.requests()[1].text, QString("Text"));
    }
};

SORVANEL_TEST_MAIN(StartupTest)
#include "test_startup.moc"
