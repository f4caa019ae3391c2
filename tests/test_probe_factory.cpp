#include "acquisition/devices/probefactory.h"
#include "acquisition/devices/probeinterfaces.h"
#include "app/settingskeys.h"
#include "datasets/dataset.h"
#include "datasets/datasetproperties.h"
#include "testenvironment.h"
#include "visualization/widgets/heightfieldviewer.h"

#include <memory>

class ProbeFactoryTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void catalogue_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("Z-Series") << 1 << "Sorvanel Z-Series";
        QTest::newRow("Spanwell") << 2 << "Sorvanel Spanwell";
        QTest::newRow("Spanwell Gen2") << 3 << "Sorvanel Spanwell";
        QTest::newRow("KM") << 10 << "Sorvanel KM";
        QTest::newRow("50 Levelplane") << 11 << "50 Levelplane Probe";
        QTest::newRow("100 Levelplane") << 13 << "100 Levelplane Probe";
        QTest::newRow("85 Plumbset") << 21 << "85 Plumbset Probe";
        QTest::newRow("Brol Sensor") << 170 << "Sorvanel Brol Sensor";
    }
    void catalogue()
    {
        QFETCH(int, id);
        QFETCH(QString, name);
        std::unique_ptr<ProbeInterface> probe(createProbeInterface(id));
        QCOMPARE(probe->displayName(), name);
        QVERIFY(probe->recorder());
        QVERIFY(!probe->properties()->fieldDimensionInput().isEmpty());
        std::unique_ptr<Dataset> dataset(probe->createDataset());
        QCOMPARE(dataset->getProperty("probe id").toInt(), id);
        // The recorder accepts the family's own datasets.
        probe->recorder()->setDataset(dataset.get());
        probe->recorder()->setDataset(nullptr);
        std::unique_ptr<Dataset> loaded(createDatasetForProbe(id));
        QCOMPARE(loaded->getProperty("probe id").toInt(), id);
        std::unique_ptr<HeightFieldViewer> viewer(createViewer(id));
        QVERIFY(viewer);
    }

    void spanwellGenerationsShareANameButNotAFamily()
    {
        std::unique_ptr<ProbeInterface> first(createProbeInterface(2));
        std::unique_ptr<ProbeInterface> second(createProbeInterface(3));
        QCOMPARE(first->displayName(), second->displayName());
        std::unique_ptr<Dataset> secondDataset(second->createDataset());
        QVERIFY_EXCEPTION_THROWN(first->recorder()->setDataset(secondDataset.get()), std::runtime_error);
    }

    void datasetsArePrimedFromTheRecordSettings()
    {
        std::unique_ptr<Dataset> fresh(createDatasetForProbe(170));
        QCOMPARE(fresh->getProperty("width").toFloat(), 3.0f);
        QCOMPARE(fresh->getProperty("length").toInt(), 4);
        QCOMPARE(fresh->getProperty("start index").toInt(), 0);
        QCOMPARE(fresh->getProperty("parallel").toBool(), true);

        Settings::recordWidth.write(7);
        Settings::recordLength.write(9);
        Settings::recordCorner.write(2);
        Settings::recordParallel.write(false);
        std::unique_ptr<ProbeInterface> probe(createProbeInterface(1));
        std::unique_ptr<Dataset> primed(probe->createDataset());
        QCOMPARE(primed->getProperty("width").toInt(), 7);
        QCOMPARE(primed->getProperty("length").toInt(), 9);
        QCOMPARE(primed->getProperty("start index").toInt(), 2);
        QCOMPARE(primed->getProperty("parallel").toBool(), false);
    }

    void unknownIdsFail()
    {
        for (int id : {0, 4, 12, 169, 171, 255, -1}) {
            for (auto factory : {+[](int i) { delete createProbeInterface(i); },
                                 +[](int i) { delete createDatasetForProbe(i); },
                                 +[](int i) { delete createViewer(i); }}) {
                try {
                    factory(id);
                    QFAIL(qPrintable(QString("id %1 was accepted").arg(id)));
                } catch (const std::runtime_error& e) {
                    QCOMPARE(QString(e.what()), QString("Unknown Probe ID"));
                }
            }
        }
    }
};

SORVANEL_TEST_MAIN(ProbeFactoryTest)
#include "test_probe_factory.moc"
