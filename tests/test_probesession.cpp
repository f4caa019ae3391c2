#include "acquisition/devices/probeinterface.h"
#include "acquisition/devices/wificonnection.h"
#include "app/devices/probesession.h"
#include "testenvironment.h"

class ProbeSessionTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void identifiesTheSimulatedProbeOnce()
    {
        TestSupport::InProcessScanner scanner;
        TestSupport::MessageBoxSpy boxes;
        ProbeSession session;
        QSignalSpy started(&session, &ProbeSession::connectionStarted);
        QSignalSpy identified(&session, &ProbeSession::identified);
        session.connectToScanner();
        QCOMPARE(started.size(), 1);
        QVERIFY(identified.wait(5000));
        QVERIFY(session.probe());
        QCOMPARE(session.probe()->displayName(), QString("Sorvanel Brol Sensor"));
        QVERIFY(boxes.requests().isEmpty());

        // Connecting again to the same probe keeps its descriptor.
        ProbeInterface* first = session.probe();
        QSignalSpy released(&session, &ProbeSession::probeReleasing);
        session.connectToScanner();
        QVERIFY(identified.wait(3000));
        QCOMPARE(session.probe(), first);
        QCOMPARE(released.size(), 0);
    }

    void unknownProbeFailsLikeALinkError()
    {
        ScannerSimulator::Options options;
        options.probeId = 99;
        TestSupport::InProcessScanner scanner(options);
        ProbeSession session;
        QSignalSpy failed(&session, &ProbeSession::failed);
        session.connectToScanner();
        QVERIFY(failed.wait(5000));
        QCOMPARE(failed[0][0].toString(), QString("Unknown Probe ID"));
        QVERIFY(!session.probe());
    }

    void linkErrorReleasesTheProbe()
    {
        TestSupport::InProcessScanner scanner;
        ProbeSession session;
        QSignalSpy identified(&session, &ProbeSession::identified);
        session.connectToScanner();
        QVERIFY(identified.wait(5000));
        // The window drops what uses the recorder while the descriptor is still there.
        bool probeStillThere = false;
        connect(&session, &ProbeSession::probeReleasing, this,
                [&] { probeStillThere = session.probe() != nullptr; });
        QSignalSpy failed(&session, &ProbeSession::failed);
        emit session.link()->error("Connection Time Out");
        QCOMPARE(failed.size(), 1);
        QVERIFY(probeStillThere);
        QVERIFY(!session.probe());
        QCOMPARE(session.batteryLevel(), 0);
    }
};

SORVANEL_TEST_MAIN(ProbeSessionTest)
#include "test_probesession.moc"
