// Each embedded language reaches the welcome screen, the settings menu and Qt's own button
// texts; a language chosen in the menu retranslates the screens that stay alive.
#include "app/language.h"
#include "app/widgets/mainwindow.h"
#include "app/widgets/messageboxdialog.h"
#include "app/widgets/navbar.h"
#include "app/widgets/welcomescreen.h"
#include "datasets/widgets/datasetviewer.h"
#include "testenvironment.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {
struct QuestionButtons
{
    QString yes;
    QString no;
};

QMessageBox* shownMessageBox()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            return box;
    return nullptr;
}

// The quit question as the real dialog: its buttons are read, then No is pressed.
QuestionButtons askQuit(MainWindow& window)
{
    QuestionButtons seen;
    const MessageBox::Handler previous = MessageBox::setHandler([&](const MessageBox::Request& request) {
        if (request.kind != MessageBox::Kind::Question)
            return MessageBox::Ok;
        QTimer::singleShot(0, [&] {
            QMessageBox* box = shownMessageBox();
            if (!box)
                return;
            seen = {box->button(QMessageBox::Yes)->text(), box->button(QMessageBox::No)->text()};
            box->button(QMessageBox::No)->click();
        });
        return execMessageBoxDialog(request);
    });
    window.goBack();
    MessageBox::setHandler(previous);
    return seen;
}

QStringList toolButtonTexts(const QWidget* screen)
{
    QStringList texts;
    for (const QToolButton* button : screen->findChildren<QToolButton*>())
        texts.append(button->text());
    return texts;
}

QAction* languageEntry(const NavBar* bar, const QString& code)
{
    for (QAction* action : bar->languageEntries()->actions())
        if (action->data().toString() == code)
            return action;
    return nullptr;
}
} // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }
    void cleanup() { setLanguage("en"); }

    void everyLanguageReachesTheScreensAndQtsButtons_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("languageMenu");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("no");
        // Qt's own print dialog: Qt has no Greek texts.
        QTest::addColumn<QString>("print");
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("ar_EG") << "ar_EG" << "اللغة" << "&نعم" << "&لا" << "اطبع" << true;
        QTest::newRow("de") << "de" << "Sprache" << "&Ja" << "&Nein" << "Drucken" << false;
        QTest::newRow("el_GR") << "el_GR" << "Γλώσσα" << "&Ναι" << "&Όχι" << "Print" << false;
        QTest::newRow("en") << "en" << "Language" << "&Yes" << "&No" << "Print" << false;
        QTest::newRow("es_ES") << "es_ES" << "Idioma" << "&Sí" << "&No" << "Imprimir" << false;
        QTest::newRow("fr_FR") << "fr_FR" << "Langue" << "&Oui" << "&Non" << "Imprimer" << false;
        QTest::newRow("it_IT") << "it_IT" << "Lingua" << "&Sì" << "&No" << "Stampa" << false;
        QTest::newRow("nl_NL") << "nl_NL" << "Taal" << "&Ja" << "&Nee" << "Afdrukken" << false;
        QTest::newRow("ru_RU") << "ru_RU" << "Язык" << "&Да" << "&Нет" << "Печать" << false;
        QTest::newRow("tr") << "tr" << "Dil" << "&Evet" << "&Hayır" << "Yazdır" << false;
        QTest::newRow("zh_CN") << "zh_CN" << "语言" << "是(&Y)" << "否(&N)" << "打印" << false;
    }

    void everyLanguageReachesTheScreensAndQtsButtons()
    {
        QFETCH(QString, code);
        QFETCH(QString, languageMenu);
        QFETCH(QString, yes);
        QFETCH(QString, no);
        QFETCH(QString, print);
        QFETCH(bool, rightToLeft);
        TestSupport::MessageBoxSpy boxes;
        setLanguage(code);
        MainWindow window;
        window.show();

        QCOMPARE(window.screenState(), int(MainWindow::Welcome));
        QVERIFY(window.welcomeScreen()->isVisible());
        QCOMPARE(window.welcomeScreen()->layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const NavBar* bar = window.navigationBar();
        QCOMPARE(bar->languageEntries()->title(), languageMenu);
        QVERIFY(languageEntry(bar, code)->isChecked());

        const QuestionButtons buttons = askQuit(window);
        QCOMPARE(buttons.yes, yes);
        QCOMPARE(buttons.no, no);
        QCOMPARE(window.screenState(), int(MainWindow::Welcome));
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), print);
    }

    void aLanguageChosenInTheMenuRetranslatesTheLiveScreens()
    {
        TestSupport::MessageBoxSpy boxes;
        setLanguage("en");
        MainWindow window;
        window.show();
        NavBar* bar = window.navigationBar();
        QVERIFY(toolButtonTexts(window.datasetLibrary()).contains("DATE"));
        const QImage arrow = QImage(":/res/images/new/back.png").convertToFormat(QImage::Format_ARGB32);
        const auto backArrow = [&] {
            return bar->backButtonWidget()->icon().pixmap(arrow.size()).toImage().convertToFormat(QImage::Format_ARGB32);
        };
        QCOMPARE(backArrow(), arrow);

        languageEntry(bar, "de")->trigger();
        QTRY_COMPARE(bar->languageEntries()->title(), QString("Sprache"));
        QTRY_VERIFY(toolButtonTexts(window.datasetLibrary()).contains("DATUM"));
        QCOMPARE(bar->gpsEntry()->text(), QString("GPS"));

        languageEntry(bar, "ar_EG")->trigger();
        QTRY_COMPARE(bar->languageEntries()->title(), QString("اللغة"));
        QCOMPARE(window.layoutDirection(), Qt::RightToLeft);
        QTRY_VERIFY(toolButtonTexts(window.datasetLibrary()).contains("التاريخ"));
        QCOMPARE(backArrow(), arrow.mirrored(true, false));

        languageEntry(bar, "en")->trigger();
        QTRY_COMPARE(bar->languageEntries()->title(), QString("Language"));
        QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
        QCOMPARE(backArrow(), arrow);
    }
};

SORVANEL_TEST_MAIN(LanguagesTest)
#include "test_languages.moc"
