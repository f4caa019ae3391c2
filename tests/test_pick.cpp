// Picking a point of the terrain by a tap, its read-out and profiles, on a real GL context (also
// run at a device pixel ratio of 2).
#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "datasets/familyclasses.h"
#include "testenvironment.h"
#include "visualization/depthanalysis.h"
#include "visualization/terrain.h"
#include "visualization/terrainreadout.h"
#include "visualization/widgets/glwindow.h"
#include "visualization/widgets/heightfieldviewer.h"
#include "visualization/widgets/pickreadout.h"
#include "visualization/widgets/profileplot.h"
#include "visualization/widgets/viewcontrolwindow.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <memory>

namespace {
// Nine tracks walked in zig-zag from the first corner, flat but for one raised reading: row 12
// of the walk of track 5 (the sixth), which runs back, so it lies in ground row 27.
constexpr int tracks = 9;
constexpr int rows = 40;

std::unique_ptr<DataSetBrolSensor> raisedCell()
{
    auto dataset = std::make_unique<DataSetBrolSensor>();
    for (int t = 0; t < tracks; ++t) {
        std::vector<int16_t> track(rows, 0);
        if (t == 5)
            track[12] = 3000;
        dataset->appendTrack(track);
    }
    for (const auto& [key, value] : {std::pair<const char*, QVariant>{"width", 4.5f}, {"length", 8},
                                     {"sensor min", -1000}, {"sensor max", 3000},
                                     {"start index", 0}, {"parallel", false}})
        dataset->setProperty(key, value);
    return dataset;
}

bool settled(GLWindow& view)
{
    return QTest::qWaitFor([&] { return !view.building(); }, 20000);
}

// Shows the viewer with the dataset's terrain in place.
bool opened(HeightFieldViewer& viewer, Dataset* dataset)
{
    viewer.resize(1000, 700);
    viewer.show();
    if (!QTest::qWaitForWindowExposed(&viewer))
        return false;
    viewer.setDataset(dataset);
    return settled(*viewer.view());
}

// A finger's tap, sent to the widget itself: QTest's touch events take the positions as the
// screen's device pixels, which differ at a device pixel ratio of 2.
void fingerTap(QWidget& widget, QPointF at)
{
    static QTouchDevice* finger = QTest::createTouchDevice();
    for (const auto& [type, state] : {std::pair{QEvent::TouchBegin, Qt::TouchPointPressed},
                                      std::pair{QEvent::TouchEnd, Qt::TouchPointReleased}}) {
        QTouchEvent::TouchPoint point(0);
        point.setState(state);
        point.setPos(at);
        point.setLastPos(at);
        point.setScreenPos(widget.mapToGlobal(at.toPoint()));
        QTouchEvent event(type, finger, Qt::NoModifier, state, {point});
        QApplication::sendEvent(&widget, &event);
    }
}

// The highest drawn point: the raised reading's peak.
TerrainPoint peak(const Terrain& t)
{
    const auto& h = t.heights();
    const size_t top = size_t(std::max_element(h.begin(), h.end()) - h.begin());
    return {int(top % size_t(t.terrainGridWidth())), int(top / size_t(t.terrainGridWidth()))};
}

void wheel(QWidget* view, int notches)
{
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &event);
}
} // namespace

class PickTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        TestSupport::resetSettings();
        Settings::smoothingFilter.write(false);
        Settings::trackMatchingFilter.write(false);
        soilDepthScale = 0.2f;
    }

    void aTapPicksTheRaisedReading_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("sliders");
        QTest::addColumn<bool>("depth");
        QTest::newRow("from above") << 0 << 0 << false << false;
        QTest::newRow("turned 90") << 90 << 0 << false << false;
        QTest::newRow("turned 200, zoomed in") << 200 << 3 << false << false;
        QTest::newRow("turned 90, zoomed out, scale and data zoom") << 90 << -4 << true << false;
        QTest::newRow("depth analysis, turned 200") << 200 << 0 << false << true;
    }
    void aTapPicksTheRaisedReading()
    {
        QFETCH(int, turn);
        QFETCH(int, zoom);
        QFETCH(bool, sliders);
        QFETCH(bool, depth);
        auto dataset = raisedCell();
        // Placed on the map, the read-out also tells where the reading was taken.
        dataset->setCoordinate(QGeoCoordinate(48.137154, 11.575));
        dataset->setBearing(90);
        HeightFieldViewer viewer;
        QVERIFY(opened(viewer, dataset.get()));
        GLWindow& view = *viewer.view();
        if (depth) {
            viewer.enableDepthAnalysis();
            QVERIFY(settled(view));
        }
        if (sliders) {
            viewer.panel()->scaleSlider()->setValue(150);
            viewer.panel()->dataZoomSlider()->setValue(700);
        }
        view.setXRotation(-50 * 16);
        view.setZRotation(turn * 16);
        wheel(&view, zoom);
        const std::optional<QPointF> target = view.pointOnWidget(peak(*view.terrain()));
        QVERIFY(target && view.rect().contains(target->toPoint()));

        // A drag from the point picks nothing.
        QTest::mousePress(&view, Qt::LeftButton, {}, target->toPoint());
        QTest::mouseMove(&view, target->toPoint() + QPoint(40, 0));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, target->toPoint() + QPoint(40, 0));
        QVERIFY(!view.pickedPoint());
        const std::optional<QPointF> moved = view.pointOnWidget(peak(*view.terrain()));

        QSignalSpy changed(&view, &GLWindow::pickChanged);
        QTest::mouseClick(&view, Qt::LeftButton, {}, moved->toPoint());
        QCOMPARE(changed.count(), 1);
        QVERIFY(view.pickedPoint());
        const PointReadout readout = pointReadout(*view.terrain(), *view.pickedPoint());
        QCOMPARE(readout.track, 6);
        QCOMPARE(readout.row, 13);
        QCOMPARE(readout.stored, 3000);
        QVERIFY(viewer.readout()->isVisibleTo(&viewer));
        QVERIFY2(viewer.readout()->placeText()->text().contains("13"),
                 qPrintable(viewer.readout()->placeText()->text()));
        QVERIFY2(viewer.readout()->positionText()->text().startsWith("Latitude 48.137"),
                 qPrintable(viewer.readout()->positionText()->text()));

        // The marker: magenta where the point is drawn, in the framebuffer's own pixels.
        const QImage frame = view.grabFramebuffer();
        const QPointF at = *view.pickedPointOnWidget() * frame.devicePixelRatioF();
        const QColor mark = frame.pixelColor(at.toPoint());
        QVERIFY2(mark.red() > 200 && mark.green() < 80 && mark.blue() > 200, qPrintable(mark.name()));

        // Beside the field the pick is cleared.
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!view.pickedPoint());
        QVERIFY(!viewer.readout()->isVisibleTo(&viewer));
    }

    void plotsFollowTheFiltersAndOpenLarge()
    {
        auto dataset = raisedCell();
        HeightFieldViewer viewer;
        QVERIFY(opened(viewer, dataset.get()));
        GLWindow& view = *viewer.view();
        view.setXRotation(-50 * 16);
        // A finger's tap picks as a click does.
        fingerTap(view, *view.pointOnWidget(peak(*view.terrain())));
        QVERIFY(view.pickedPoint());
        const TerrainPoint point = *view.pickedPoint();
        ProfilePlot& along = *viewer.readout()->trackPlot();
        QCOMPARE(along.profile().readings, trackProfile(*view.terrain(), point).readings);
        const float unfiltered = along.profile().readings[along.profile().picked];

        // A filter switch builds again; the point stays and its profiles follow.
        viewer.triggerSmoothingFilter();
        QVERIFY(settled(view));
        QVERIFY(view.pickedPoint() && *view.pickedPoint() == point);
        QCOMPARE(along.profile().readings, trackProfile(*view.terrain(), point).readings);
        QVERIFY(along.profile().readings[along.profile().picked] < unfiltered);
        QVERIFY(viewer.readout()->readingText()->text().contains(QLocale().toString(3000)));
        QVERIFY(!viewer.readout()->positionText()->isVisibleTo(&viewer));  // no bearing

        QTest::mouseClick(&along, Qt::LeftButton);
        auto* large = viewer.findChild<QDialog*>();
        QVERIFY(large && large->isVisible());
        QCOMPARE(large->findChild<ProfilePlot*>()->profile().readings, along.profile().readings);
        QTest::mouseClick(large->findChild<QPushButton*>(), Qt::LeftButton);
        QTRY_VERIFY(!viewer.findChild<QDialog*>());
    }
};

SORVANEL_TEST_MAIN(PickTest)
#include "test_pick.moc"
