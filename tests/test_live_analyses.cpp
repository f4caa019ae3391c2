#include "app/appsettings.h"
#include "datasets/familyclasses.h"
#include "recording/gradientpicture.h"
#include "recording/widgets/frequencyanalysis.h"
#include "recording/widgets/gradientanalysis.h"
#include "recording/widgets/gradientvisualization.h"
#include "recording/widgets/namewidget.h"
#include "recording/widgets/recordingwidget.h"
#include "recording/widgets/visualizationchooser.h"
#include "recording/wrongvisexception.h"
#include "simulatedwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QPoint peakOf(const QPolygon& curve)
{
    return *std::min_element(curve.begin(), curve.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
}

QStringList titlesOf(const RecordingWidget& screen)
{
    QStringList titles;
    for (RecordingVisualization* view : screen.views())
        titles << view->title();
    return titles;
}

// The main window on a simulated probe of the family, on the recording screen.
RecordingWidget* recordingScreenOf(TestSupport::SimulatedWindow& session)
{
    if (!session.waitForProbe())
        return nullptr;
    session.window.setRecordState();
    return session.window.recordingWidget();
}
} // namespace

class LiveAnalysesTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void frequencyPicturesFromTheFifthSample()
    {
        FrequencyAnalysis view;
        DataSetBrolSensor dataset;
        QVERIFY(view.accepts(&dataset));
        view.setDataset(&dataset);
        QWidget* container = view.widget();
        container->resize(900, 600);
        container->show();
        QVERIFY(QTest::qWaitForWindowExposed(container));
        for (int i = 0; i < 4; ++i) {
            view.addValues({std::int16_t(1000 + 100 * (i % 3))});
            QVERIFY(view.scalogramWidget()->pixmap(Qt::ReturnByValue).isNull());
        }
        view.addValues({1200});
        const QPixmap scalogram = view.scalogramWidget()->pixmap(Qt::ReturnByValue);
        QVERIFY(!scalogram.isNull());
        const int w = container->width() - view.discWidget()->width();
        QCOMPARE(scalogram.size(), QSize(int(w * 0.95), int(container->height() * 0.5 - 20)));
        QVERIFY(!view.barChartWidget()->pixmap(Qt::ReturnByValue).isNull());

        view.reset();
        QCOMPARE(view.scalogramWidget()->pixmap(Qt::ReturnByValue).size(), QSize(32, 32));
        QCOMPARE(view.longHistorySize(), std::size_t(0));
    }

    void portraitToLandscapeMovesTheDisc()
    {
        FrequencyAnalysis view;
        DataSetZSeries dataset;
        view.setDataset(&dataset);
        QWidget* container = view.widget();
        container->resize(500, 900);
        container->show();
        QVERIFY(QTest::qWaitForWindowExposed(container));
        view.addValues({1000});
        QTRY_VERIFY(view.discWidget()->geometry().bottom() < view.barChartWidget()->y());
        container->resize(900, 500);
        QTRY_COMPARE(container->width(), 900);
        view.addValues({1010});
        QTRY_VERIFY(view.discWidget()->geometry().right() < view.barChartWidget()->x());
    }

    // At tablet densities the pictures once sized their own labels a little larger on every
    // rebuild: the screen grew by about 13 px a sample and pushed STOP off it.
    void frequencyViewKeepsItsSizeAtEveryDensity()
    {
        for (const double dpi : {96.0, 160.0, 240.0}) {
            screenDpi = dpi;
            QWidget window;
            FrequencyAnalysis view;
            DataSetBrolSensor dataset;
            view.setDataset(&dataset);
            auto* layout = new QVBoxLayout(&window);
            layout->addWidget(view.widget());
            view.widget()->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
            // The style's margins and spacing as they grow with the density on a tablet.
            view.widget()->layout()->setContentsMargins(QMargins(1, 1, 1, 1) * int(dpi / 6));
            view.widget()->layout()->setSpacing(int(dpi / 10));
            window.resize(800, 1180);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            for (int i = 0; i < 200; ++i) {
                view.addValues({std::int16_t(1000 + 300 * (i % 7))});
                QCoreApplication::processEvents();
            }
            QCOMPARE(window.size(), QSize(800, 1180));
            QVERIFY(window.minimumSizeHint().height() <= 1180);
            const QSize charts = view.scalogramWidget()->contentsRect().size();
            const QSize picture = view.scalogramWidget()->pixmap(Qt::ReturnByValue).size();
            QVERIFY(picture.width() <= charts.width() && picture.height() <= charts.height());
        }
        screenDpi = 96.0;
    }

    void gradientAcceptsZSeriesOnly()
    {
        GradientAnalysis view;
        DataSetZSeries z;
        DataSetBrolSensor brol;
        QVERIFY(view.accepts(&z));
        QVERIFY(!view.accepts(&brol));
        QVERIFY(!view.accepts(nullptr));
        QVERIFY_EXCEPTION_THROWN(view.setDataset(&brol), S3D::WrongVisException);
    }

    void gradientReactsOnlyWithSensorControls()
    {
        GradientAnalysis view;
        DataSetZSeries dataset;
        view.setDataset(&dataset);
        dataset.setProperty("sensor controls", false);
        view.reset();
        for (int i = 0; i < 10; ++i)
            view.addValues({std::int16_t(500 + i)});
        QCOMPARE(view.samples().size(), std::size_t(0));
        QCOMPARE(view.visualization()->currentReading().latestValue, 0.0f);

        dataset.setProperty("sensor controls", true);
        for (int i = 0; i < 76; ++i)
            view.addValues({std::int16_t(i)});
        QCOMPARE(view.samples().size(), std::size_t(75));
        QCOMPARE(view.samples().front(), std::int16_t(1)); // the 76th sample dropped the first
        QCOMPARE(view.samples().back(), std::int16_t(75));
        // The level before the 76th sample: mean of 0 .. 74 is 37.
        const GradientReading r = view.visualization()->currentReading();
        QCOMPARE(r.latestValue, 75.0f);
        QCOMPARE(r.smoothedLevel, float(75 * 0.05 + 37 * 0.95));
    }

    void gradientPeakAndHeight()
    {
        // w 500, h 400: margin 20, the peak 0.3 w = 150 off the centre, height 0.9 * 380.
        const GradientReading above{1000, 1300, 40};
        QCOMPARE(peakOf(GradientPicture::bellCurve(500, 400, above)), QPoint(400, 400 - 342 - 20));
        const GradientReading below{1000, 700, 25};
        QCOMPARE(peakOf(GradientPicture::bellCurve(500, 400, below)), QPoint(100, 400 - 342 - 20));
        QVERIFY(!GradientPicture::bars(500, 400, above, 1).empty());

        const GradientReading flat{1000, 1100, 0};
        for (const QPoint& p : GradientPicture::bellCurve(500, 400, flat))
            QCOMPARE(p.y(), 380);
        QVERIFY(GradientPicture::bars(500, 400, flat, 1).empty());
    }

    void recordingScreenOffersTheViewsThatAccept()
    {
        {
            ScannerSimulator::Options walk = TestSupport::fastWalk(1);
            walk.sensorControls = true;
            TestSupport::SimulatedWindow session(walk, {1280, 800});
            RecordingWidget* screen = recordingScreenOf(session);
            QVERIFY(screen);
            QCOMPARE(titlesOf(*screen),
                     QStringList({"Field Preview", "Frequency Analysis", "Gradient Analysis"}));
            QCOMPARE(screen->visualizationChooser()->buttons().size(), std::size_t(3));
            // The gradient view follows the probe's samples while its trigger drives the walk.
            screen->visualizationChooser()->buttons().back()->click();
            auto* gradient = dynamic_cast<GradientAnalysis*>(screen->currentVisualization());
            QVERIFY(gradient);
            QTest::mousePress(screen->recordButtonWidget(), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(gradient->samples().size() >= 3, 8000);
            NameWidget::setAnswer([](const QString&) { return std::optional<QString>(); }); // DELETE
            QTest::mousePress(screen->stopButtonWidget(), Qt::LeftButton);
            NameWidget::setAnswer(nullptr);
        }
        {
            TestSupport::SimulatedWindow session(TestSupport::fastWalk(170), {800, 1280});
            RecordingWidget* screen = recordingScreenOf(session);
            QVERIFY(screen);
            QCOMPARE(titlesOf(*screen), QStringList({"Field Preview", "Frequency Analysis"}));
        }
    }

    // Before its first resize the chooser must not ask for more than a portrait screen's width
    // (three views in one row did): the window widened past the screen and cut the navigation
    // bar for the rest of the session.
    void threeViewsFitAPortraitScreen()
    {
        FrequencyAnalysis frequency;
        GradientAnalysis gradient;
        GradientAnalysis another;
        QWidget screen;
        auto* chooser = new VisualizationChooser({&frequency, &gradient, &another}, &screen);
        QVERIFY(chooser->minimumSizeHint().width() <= 800);
    }
};

SORVANEL_TEST_MAIN(LiveAnalysesTest)
#include "test_live_analyses.moc"
