#include "acquisition/wificonnection.h"
#include "app/mainwindow.h"
#include "app/settingskeys.h"
#include "testenvironment.h"

class MainWindowLinkTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void identifiesTheSimulatedProbe()
    {
        TestSupport::InProcessScanner scanner;
        TestSupport::DebugLog log;
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        QTRY_COMPARE_WITH_TIMEOUT(log.count("Probe identified: 170"), 1, 5000);
        QCOMPARE(window.link()->probeId(), 170);
        QVERIFY(boxes.requests().isEmpty());
    }

    void noScannerShowsTheLinkErrorAsWarningTitle()
    {
        Settings::scannerPort.write(int(TestSupport::closedLoopbackPort()));
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        QTRY_COMPARE_WITH_TIMEOUT(boxes.requests().size(), 1, 6000);
        QCOMPARE(boxes.requests()[0].kind, MessageBox::Kind::Warning);
        QCOMPARE(boxes.requests()[0].title, QString("Connection Time Out"));
        QVERIFY(boxes.requests()[0].text.startsWith("Could not connect."));
    }
};

SORVANEL_TEST_MAIN(MainWindowLinkTest)
#include "test_mainwindow_link.moc"
