#include "app/appsettings.h"
#include "datasets/surveyexportjob.h"
#include "exportfield.h"
#include "testenvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace ExportField;

namespace {
QByteArray outputOf(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}
} // namespace

// GDAL, as GIS software, reads the grid exports with the field's size, extent and orientation.
class TestSurveyGdal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("gdalinfo").isEmpty()
            || QStandardPaths::findExecutable("gdallocationinfo").isEmpty())
            QSKIP("GDAL (gdal-bin) is not installed");
        id = store("Field");
        QVERIFY(!id.isEmpty());
    }

    void gdalReadsSizeExtentAndValues_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("driver");
        QTest::newRow("dsaa") << int(SurveyFormat::SurferText) << "GSAG";
        QTest::newRow("esri") << int(SurveyFormat::EsriAscii) << "AAIGrid";
    }

    void gdalReadsSizeExtentAndValues()
    {
        QFETCH(int, format);
        QFETCH(QString, driver);
        const Result<QString> exported = exportStoredDataset(documentsFolder(), id, SurveyFormat(format), target.path());
        QVERIFY(exported);
        const QString written = exported.value();

        const QJsonObject info = QJsonDocument::fromJson(outputOf("gdalinfo", {"-json", "-mm", written})).object();
        QCOMPARE(info.value("driverShortName").toString(), driver);
        QCOMPARE(info.value("size").toArray(), QJsonArray({tracks, rows}));
        const QJsonArray transform = info.value("geoTransform").toArray();
        QCOMPARE(transform.size(), 6);
        const double expected[6] = {0, cellWidth, 0, rows * cellLength, 0, -cellLength};
        for (int i = 0; i < 6; ++i)
            QVERIFY2(qAbs(transform[i].toDouble() - expected[i]) < 1e-5, qPrintable(QString::number(i)));
        const QJsonObject band = info.value("bands").toArray().at(0).toObject();
        QCOMPARE(band.value("computedMin").toDouble(), -403.0);
        QCOMPARE(band.value("computedMax").toDouble(), 303.0);

        // The top-left pixel is the first row walked in the first column: from the last
        // column and row, that column's track (3) ran back; the bottom-right one is track 0's last.
        auto pixel = [&](int x, int y) {
            return outputOf("gdallocationinfo", {"-valonly", written, QString::number(x), QString::number(y)})
                .trimmed().toInt();
        };
        QCOMPARE(pixel(0, 0), stored(3, rows - 1));
        QCOMPARE(pixel(tracks - 1, rows - 1), stored(0, rows - 1));
        QCOMPARE(pixel(1, 0), stored(2, 0));
    }

private:
    QString id;
    QTemporaryDir target;
};

SORVANEL_TEST_MAIN(TestSurveyGdal)
#include "test_survey_gdal.moc"
