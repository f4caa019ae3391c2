#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "datasets/familyclasses.h"
#include "testenvironment.h"
#include "staggeredfield.h"
#include "app/colormap.h"
#include "visualization/depthanalysis.h"
#include "visualization/widgets/overlaypainter.h"
#include "visualization/terrain.h"
#include "visualization/widgets/bottomwidgetheightfield.h"
#include "visualization/widgets/glwindow.h"
#include "visualization/widgets/heightfieldviewer.h"
#include "visualization/widgets/printseam.h"
#include "visualization/widgets/slideraction.h"
#include "visualization/widgets/soilbuttonwidget.h"
#include "visualization/widgets/terrainsettings.h"
#include "visualization/widgets/viewcontrolwindow.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <memory>

namespace {
// tracks x rows rising along the rows from -500 to +500: a slope from one end to the other.
std::unique_ptr<DataSetBrolSensor> slope(int tracks = 6, int rows = 20)
{
    auto dataset = std::make_unique<DataSetBrolSensor>();
    for (int t = 0; t < tracks; ++t) {
        std::vector<int16_t> track;
        for (int r = 0; r < rows; ++r)
            track.push_back(int16_t(-500 + 1000 * r / (rows - 1)));
        dataset->appendTrack(track);
    }
    dataset->setProperty("width", 3.0f);
    dataset->setProperty("length", 3);
    dataset->setProperty("sensor min", -1000);
    dataset->setProperty("sensor max", 1000);
    return dataset;
}

// Shows the widget at `size` and waits until it is on the screen.
bool shown(QWidget& widget, QSize size = {400, 300})
{
    widget.resize(size);
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
}

// Terrains are built on a worker thread: waits until the newest one is shown in full.
bool settled(GLWindow& view)
{
    return QTest::qWaitFor([&] { return !view.building(); }, 20000);
}

QImage frameOf(GLWindow& view)
{
    if (!settled(view))
        return {};
    view.update();
    return view.grabFramebuffer();
}

QColor centre(const QImage& image, double fx = 0.5, double fy = 0.5)
{
    return image.pixelColor(int(image.width() * fx), int(image.height() * fy));
}

bool isBackground(const QColor& c)
{
    return c.red() == 130 && c.green() == 130 && c.blue() == 130;
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button)
{
    QMouseEvent event(type, pos, type == QEvent::MouseMove ? Qt::NoButton : button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}
} // namespace

class GLViewTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        TestSupport::resetSettings();
        Settings::useShading.write(false);
        soilDepthScale = 0.2f;
    }

    // Each setting reaches its own option: a swapped key would filter or colour the wrong way.
    void terrainOptionsFollowTheirSettings()
    {
        const TerrainOptions first = terrainOptionsFromSettings();
        QVERIFY(first.trackMatching && first.smoothing && !first.valueQuantization && !first.delta
                && !first.outlier && !first.wireframe && !first.colorQuantization);
        QCOMPARE(first.colormap, int(ColormapId::Jet));
        const std::pair<const SettingKey*, bool TerrainOptions::*> flags[] = {
            {&Settings::trackMatchingFilter, &TerrainOptions::trackMatching},
            {&Settings::valueQuantization, &TerrainOptions::valueQuantization},
            {&Settings::deltaFilter, &TerrainOptions::delta},
            {&Settings::outlierFilter, &TerrainOptions::outlier},
            {&Settings::smoothingFilter, &TerrainOptions::smoothing},
            {&Settings::wireframe, &TerrainOptions::wireframe},
            {&Settings::colorQuantization, &TerrainOptions::colorQuantization},
            {&Settings::destaggerFilter, &TerrainOptions::destagger},
            {&Settings::despikeFilter, &TerrainOptions::despike},
            {&Settings::contrastClip, &TerrainOptions::contrastClip},
        };
        for (const auto& [key, member] : flags) {
            const bool before = first.*member;
            key->write(!before);
            const TerrainOptions changed = terrainOptionsFromSettings();
            QVERIFY2(changed.*member == !before, qPrintable(key->name));
            int differing = 0;
            for (const auto& other : flags)
                differing += changed.*other.second != first.*other.second;
            QVERIFY2(differing == 1, qPrintable(key->name));
            key->write(before);
        }
        Settings::colormap.write(int(ColormapId::Temperature));
        QCOMPARE(terrainOptionsFromSettings().colormap, int(ColormapId::Temperature));
    }

    void backgroundWithoutTerrain()
    {
        GLWindow view;
        QVERIFY(shown(view, {320, 240}));
        QVERIFY(isBackground(centre(frameOf(view))));
        auto empty = std::make_unique<DataSetBrolSensor>();
        TestSupport::MessageBoxSpy boxes;
        view.setDataset(empty.get());
        QVERIFY(!view.terrain());
        QVERIFY(boxes.requests().isEmpty());
        QVERIFY(isBackground(centre(frameOf(view))));
        view.setBoundaries(0.5f);
        view.showIsolines(true, 0.5f);
        view.recolor();
        QVERIFY(isBackground(centre(frameOf(view))));
    }

    void pixelsFollowColorMapShadingAndModes()
    {
        auto dataset = slope();
        GLWindow view;
        QVERIFY(shown(view));
        view.setDataset(dataset.get());
        view.setBoundaries(1.0f);
        const QImage flat = frameOf(view);
        // Row 0 (low values) lies at the top of the picture, the last row at the bottom.
        const QColor top = centre(flat, 0.45, 0.3);
        const QColor bottom = centre(flat, 0.45, 0.7);
        QVERIFY2(top.blue() > 200 && top.red() < 60, qPrintable(top.name()));
        QVERIFY2(bottom.red() > 200 && bottom.blue() < 60, qPrintable(bottom.name()));
        // Flat shading shows the vertex colours unlit: the colour map's own colours.
        QVERIFY(top.red() == 0 || top.green() == 255 || top.blue() == 255);
        // Legend: red at the top of the bar, blue at its bottom.
        const int barX = view.width() - int(0.1 * screenDpi) - 5;
        const QColor legendTop = flat.pixelColor(barX, int(0.25 * screenDpi) + 1);
        const QColor legendBottom = flat.pixelColor(barX, view.height() - int(0.25 * screenDpi) - 2);
        QVERIFY2(legendTop.red() == 255 && legendTop.green() < 20 && legendTop.blue() == 0,
                 qPrintable(legendTop.name()));
        QVERIFY2(legendBottom.red() == 0 && legendBottom.green() < 20 && legendBottom.blue() == 255,
                 qPrintable(legendBottom.name()));

        Settings::useShading.write(true);
        view.reloadShaders();
        const QImage lit = frameOf(view);
        QVERIFY(lit != flat);
        QVERIFY(centre(lit, 0.45, 0.3) != top);

        Settings::wireframe.write(true);
        view.updateTerrain();
        QVERIFY(frameOf(view) != lit);
        Settings::wireframe.write(false);
        view.updateTerrain();
        QCOMPARE(frameOf(view), lit);

        view.setTerrainGridTransluency(1.0f);
        const QImage grid = frameOf(view);
        QVERIFY(grid != lit);
        view.setTerrainGridTransluency(0.0f);
        const QImage noGrid = frameOf(view);
        QCOMPARE(noGrid, lit);
        QCOMPARE(noGrid.pixelColor(barX, int(0.25 * screenDpi) + 1), legendTop);

        depthFactor = 0.5f;
        view.setDepthAnalysisMode(true);
        view.setTerrainGridTransluency(1.0f);
        view.setDepthPlanePosition(0.55f);
        const QImage depth = frameOf(view);
        QVERIFY(depth.pixelColor(barX, int(0.25 * screenDpi) + 1) != legendTop);
        view.setDepthPlanePosition(0.0f);
        QVERIFY(frameOf(view) != depth);
    }

    // The white track grid over the white end of a colour map shows by its dark outline.
    void gridStaysVisibleOnWhite()
    {
        Settings::colormap.write(int(ColormapId::GreyScale));
        Settings::useShading.write(false);
        // White all over but for one low reading in a corner.
        DataSetBrolSensor dataset;
        for (int t = 0; t < 6; ++t)
            dataset.appendTrack(std::vector<int16_t>(20, t == 0 ? -500 : 500));
        dataset.setProperty("width", 3.0f);
        dataset.setProperty("length", 3);
        GLWindow view;
        QVERIFY(shown(view));
        view.setDataset(&dataset);
        view.setBoundaries(1.0f);
        view.setTerrainGridTransluency(1.0f);
        const QImage frame = frameOf(view);
        int dark = 0;
        for (int y = int(0.4 * frame.height()); y < int(0.6 * frame.height()); ++y)
            for (int x = int(0.5 * frame.width()); x < int(0.7 * frame.width()); ++x)
                dark += qGray(frame.pixel(x, y)) < 110;
        QVERIFY2(qGray(frame.pixel(int(0.61 * frame.width()), int(0.33 * frame.height()))) > 240, "the field is white");
        QVERIFY2(dark > 0, qPrintable(QString::number(dark)));
    }

    void cameraMaths()
    {
        GLWindow view;
        QSignalSpy xChanged(&view, &GLWindow::xRotationChanged);
        view.setXRotation(-1);
        QCOMPARE(view.camera().xRot, 5759);
        view.setXRotation(5761);
        QCOMPARE(view.camera().xRot, 1);
        view.setXRotation(5760);
        QCOMPARE(view.camera().xRot, 5760);
        view.setXRotation(5760);
        QCOMPARE(xChanged.count(), 3);

        view.resetView();
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
        QCOMPARE(view.camera().distance, -4.7f);

        view.resetView();
        sendMouse(&view, QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton);
        QMouseEvent drag(QEvent::MouseMove, QPoint(110, 10), Qt::NoButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &drag);
        QVERIFY(qAbs(view.camera().panX - 0.45f) < 1e-5f);
        QCOMPARE(view.camera().panY, 0.0f);
    }

    // One label per two text lines as before, but never none (at 160 dpi the edge was shorter
    // than two lines) and never thousands (near the box's top plane).
    void depthScaleSteps()
    {
        QCOMPARE(::depthScaleSteps(300, 15), 10);
        QCOMPARE(::depthScaleSteps(-300, 15), 10);
        QCOMPARE(::depthScaleSteps(40, 27), 1);
        QCOMPARE(::depthScaleSteps(0, 27), 1);
        QCOMPARE(::depthScaleSteps(5e7, 15), 12);
        QCOMPARE(::depthScaleSteps(std::nan(""), 15), 1);
    }

    void cornerLabelsDoNotOverlap()
    {
        // "6" at the end of the width axis and "12" at the end of the length axis.
        std::vector<QRectF> boxes{{100, 200, 10, 20}, {50, 50, 10, 20}, {104, 190, 20, 20}};
        liftOverlapping(boxes);
        QCOMPARE(boxes[1], QRectF(50, 50, 10, 20));
        QCOMPARE(boxes[2], QRectF(104, 179, 20, 20));
        QVERIFY(!boxes[2].intersects(boxes[0]));
    }

    void panelMaths()
    {
        ViewControlWindow panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        // Every slider leaves a finger room to move: a groove of 1.5 inches at least.
        for (const QSlider* slider : {panel.dataZoomSlider(), panel.scaleSlider()})
            QVERIFY(slider->width() >= int(1.5 * screenDpi));
        QSignalSpy boundaries(&panel, &ViewControlWindow::setBoundaries);
        QSignalSpy scaling(&panel, &ViewControlWindow::setScaling);
        const float expected[][2] = {{0, 0.0005f}, {100, 0.317f}, {500, 0.851f}, {1000, 0.978f}, {2000, 1.000002f}};
        for (const auto& e : expected)
            QVERIFY2(qAbs(ViewControlWindow::boundaryFactorOf(int(e[0])) - e[1]) < 0.001f, qPrintable(QString::number(e[0])));
        panel.scale(0);
        panel.scale(1);
        panel.scale(400);
        QCOMPARE(scaling.count(), 3);
        QCOMPARE(scaling[0][0].toFloat(), 0.01f);
        QCOMPARE(scaling[1][0].toFloat(), 0.01f);
        QCOMPARE(scaling[2][0].toFloat(), 4.0f);

        depthFactor = 0.5f;
        QSignalSpy plane(&panel, &ViewControlWindow::setDepthLayerPostion);
        panel.setDepthMode(true);
        QTRY_VERIFY(panel.depthSlider()->width() >= int(1.5 * screenDpi));
        panel.depthSlider()->setValue(150);
        QCOMPARE(panel.depthText()->text(), QString("DEPTH: 0.6 m"));
        QVERIFY(qAbs(plane.last()[0].toFloat() - 0.55f) < 1e-6f);

        QSignalSpy soil(panel.soilButtons(), &SoilButtonWidget::changeSoil);
        QTest::mousePress(panel.soilButtons()->pictureButton(13), Qt::LeftButton);
        QCOMPARE(soil.count(), 1);
        QCOMPARE(soil.last()[0].toDouble(), 0.191666667);
        QVERIFY(panel.soilButtons()->nameButton(13)->isFlat());
        QVERIFY(!panel.soilButtons()->nameButton(0)->isFlat());
        QTest::mousePress(panel.soilButtons()->nameButton(0), Qt::LeftButton);
        QCOMPARE(soil.last()[0].toDouble(), 0.20000000000000007);
        QCOMPARE(double(soilDepthScale), double(float(0.20000000000000007)));

        BottomWidgetHeightfield bar;
        bar.resize(int(6.9 * screenDpi), 40);
        bar.show();
        QTRY_COMPARE(bar.resetButton()->text(), QString(" "));
        bar.resize(int(7.1 * screenDpi), 40);
        QTRY_COMPARE(bar.resetButton()->text(), QString("  RESET CAMERA"));
        QCOMPARE(bar.recordButton()->text(), QString("  START NEW RECORDING"));
        QVERIFY(bar.recordButton()->iconSize().height() * 3 >= bar.recordButton()->height());
    }

    void viewerBuildsOnceSnapshotsAndPrints()
    {
        auto dataset = slope();
        HeightFieldViewer viewer;
        QVERIFY(shown(viewer, {1000, 600}));
        viewer.setDataset(dataset.get());
        QVERIFY(settled(*viewer.view()));
        QCOMPARE(viewer.view()->terrainBuilds(), 1);
        QCOMPARE(viewer.view()->terrain()->scale(), 0.01f);
        QVERIFY(qAbs(viewer.view()->terrain()->boundaryFactor() - 1.0f) < 1e-4f);
        QCOMPARE(viewer.view()->terrain()->gridTransluency(), 1.0f);
        QVERIFY(!isBackground(centre(viewer.view()->grabFramebuffer())));
        // The panel's reset asked for the colours the terrain was built with.
        QCOMPARE(viewer.view()->terrain()->colorings(), 1);
        QCOMPARE(viewer.view()->geometryUploads(), 1);
        viewer.colormapEntries()->actions().at(2)->trigger();
        viewer.isolineEntry()->slider()->setValue(40);
        viewer.panel()->dataZoomSlider()->setValue(500);
        QCOMPARE(viewer.view()->terrain()->colorings(), 3);
        QCOMPARE(viewer.view()->geometryUploads(), 1);

        QDir().mkpath(documentsFolder());
        const QString preview = documentsFolder() + dataset->id() + ".png";
        libraryDirty = false;
        QTest::mousePress(viewer.panel()->snapshotButton(), Qt::LeftButton);
        QCOMPARE(QImage(preview).width(), 128);
        QVERIFY(libraryDirty);

        const QString pdf = QDir::temp().filePath("sorvanel-print-test.pdf");
        QFile::remove(pdf);
        const PrintSeam::Handler previous = PrintSeam::setHandler(PrintSeam::pdfFile(pdf));
        QTest::mousePress(viewer.panel()->printButton(), Qt::LeftButton);
        PrintSeam::setHandler(previous);
        QCOMPARE(TestSupport::pdfPageCount(pdf), 1);

        QSignalSpy menus(&viewer, &HeightFieldViewer::viewMenuChanged);
        viewer.enableDepthAnalysis();
        QVERIFY(settled(*viewer.view()));
        QCOMPARE(viewer.currentViewMenu(), viewer.depthAnalysisMenu());
        QVERIFY(viewer.panel()->depthSlider()->isVisibleTo(&viewer));
        QVERIFY(!viewer.panel()->dataZoomSlider()->isVisibleTo(&viewer));
        // A dataset opened in depth analysis is built once, in that mode.
        auto next = slope(4, 30);
        viewer.setDataset(next.get());
        QVERIFY(settled(*viewer.view()));
        QCOMPARE(viewer.view()->terrainBuilds(), 3);
        QVERIFY(viewer.view()->terrain()->depthAnalysis());
        viewer.enableValueAnalysis();
        QCOMPARE(menus.count(), 2);
        QCOMPARE(viewer.currentViewMenu(), viewer.valueAnalysisMenu());
    }

    // Each cleaning switch changes the picture, and off again gives the picture before it, byte
    // for byte. The destagger shift is stepped by hand and given back to the estimate.
    void cleaningSwitchesChangeThePictureAndComeBack()
    {
        const FieldLayout layout{120, 8, 0, false};
        auto tracks = StaggeredField::tracks(StaggeredField::grid(layout, 3), layout);
        tracks[3][50] = 30000;
        auto dataset = std::make_unique<DataSetBrolSensor>();
        for (const auto& track : tracks)
            dataset->appendTrack(track);
        for (const auto& [key, value] : {std::pair<const char*, QVariant>{"width", 4.0f}, {"length", 6},
                                         {"sensor min", -1000}, {"sensor max", 3000},
                                         {"start index", 0}, {"parallel", false}})
            dataset->setProperty(key, value);
        HeightFieldViewer viewer;
        QVERIFY(shown(viewer, {1000, 600}));
        viewer.setDataset(dataset.get());
        const QImage plain = frameOf(*viewer.view());
        QVERIFY(!plain.isNull());
        ViewControlWindow& panel = *viewer.panel();
        QVERIFY(viewer.destaggerEntry()->isEnabled());
        QVERIFY(!panel.staggerShiftText()->isVisibleTo(&viewer));

        viewer.destaggerEntry()->trigger();
        const QImage destaggered = frameOf(*viewer.view());
        QVERIFY(destaggered != plain);
        QVERIFY(panel.staggerShiftText()->isVisibleTo(&viewer));
        QVERIFY2(panel.staggerShiftText()->text().startsWith("3"), qPrintable(panel.staggerShiftText()->text()));
        QVERIFY(!panel.staggerAutomaticButton()->isEnabled());
        QTest::mouseClick(panel.staggerMoreButton(), Qt::LeftButton);
        QVERIFY(frameOf(*viewer.view()) != destaggered);
        QCOMPARE(viewer.view()->terrain()->staggerShift(), 4);
        QVERIFY(panel.staggerAutomaticButton()->isEnabled());
        QTest::mouseClick(panel.staggerAutomaticButton(), Qt::LeftButton);
        QVERIFY(frameOf(*viewer.view()) == destaggered);
        viewer.destaggerEntry()->trigger();
        QVERIFY(frameOf(*viewer.view()) == plain);
        QVERIFY(!panel.staggerShiftText()->isVisibleTo(&viewer));

        for (void (HeightFieldViewer::*toggle)() : {&HeightFieldViewer::triggerDespike,
                                                    &HeightFieldViewer::triggerContrastClip}) {
            (viewer.*toggle)();
            QVERIFY(frameOf(*viewer.view()) != plain);
            (viewer.*toggle)();
            QVERIFY(frameOf(*viewer.view()) == plain);
        }
        // The clipped legend writes its range above the bar, where the plain one leaves the view.
        const int dpi = int(screenDpi);
        const QRect aboveBar(plain.width() - int(0.6 * dpi), 0, int(0.5 * dpi), int(0.25 * dpi) - 2);
        const auto textPixels = [&](const QImage& image) {
            int white = 0;
            for (int y = aboveBar.top(); y < aboveBar.bottom(); ++y)
                for (int x = aboveBar.left(); x < aboveBar.right(); ++x)
                    white += image.pixelColor(x, y) == Qt::white;
            return white;
        };
        QCOMPARE(textPixels(plain), 0);
        viewer.triggerContrastClip();
        QVERIFY(textPixels(frameOf(*viewer.view())) > 0);

        auto parallel = slope();
        parallel->setProperty("parallel", true);
        viewer.setDataset(parallel.get());
        QVERIFY(!viewer.destaggerEntry()->isEnabled());
    }

    // A field large enough for a reduced mesh: the view moves with it and comes back to the
    // full mesh's picture when the movement stops.
    void theStillPictureReturnsAfterADrag()
    {
        auto dataset = slope(50, 1000);
        GLWindow view;
        QVERIFY(shown(view));
        view.setDataset(dataset.get());
        const QImage before = frameOf(view);
        QVERIFY(!view.terrain()->reducedMesh().empty());
        QVERIFY(!view.drawsReducedMesh());
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        sendMouse(&view, QEvent::MouseMove, QPoint(110, 100), Qt::LeftButton);
        QVERIFY(view.drawsReducedMesh());
        QVERIFY(view.grabFramebuffer() != before);
        sendMouse(&view, QEvent::MouseMove, QPoint(100, 100), Qt::LeftButton);
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTRY_VERIFY(!view.drawsReducedMesh());
        QCOMPARE(view.grabFramebuffer(), before);
    }

    // Switches made while a build runs: the view ends with the last one's picture, and the
    // view and its dataset may go while a build runs.
    void theLastSwitchWinsAndClosingDuringABuildIsSafe()
    {
        auto dataset = slope(30, 600);
        Settings::wireframe.write(false);
        GLWindow reference;
        QVERIFY(shown(reference));
        reference.setDataset(dataset.get());
        const QImage expected = frameOf(reference);

        GLWindow view;
        QVERIFY(shown(view));
        view.setDataset(dataset.get());
        Settings::wireframe.write(true);
        view.updateTerrain();
        Settings::wireframe.write(false);
        view.updateTerrain();
        QVERIFY(view.building());
        QCOMPARE(frameOf(view), expected);
        QVERIFY(!view.terrain()->wireframe());

        // Moved to another window, the view gets a new context: the terrain is built again.
        const int builds = view.terrainBuilds();
        QWidget other;
        view.setParent(&other);
        QVERIFY(shown(other));
        view.show();
        QTRY_VERIFY(view.terrainBuilds() > builds && !view.building());
        QCOMPARE(frameOf(view), expected);
        view.setParent(nullptr);

        auto closing = std::make_unique<GLWindow>();
        QVERIFY(shown(*closing));
        auto gone = slope(30, 600);
        closing->setDataset(gone.get());
        gone.reset();
        QVERIFY(closing->building());
        closing.reset();
    }

    // What the user sets while a terrain is built reaches that terrain: the mode, the scale,
    // the colour map and the data zoom.
    void settingsMadeDuringABuildReachTheNewTerrain()
    {
        auto dataset = slope(30, 600);
        GLWindow view;
        QVERIFY(shown(view));
        view.setDataset(dataset.get());
        QVERIFY(settled(view));
        depthFactor = 0.0f;
        view.setDepthAnalysisMode(true);
        view.setScaling(0.5f);
        QVERIFY(view.building());
        QVERIFY(settled(view));
        QVERIFY(view.terrain()->depthAnalysis());
        QCOMPARE(view.terrain()->scale(), 0.5f);
        QCOMPARE(depthFactor, view.terrain()->depthFactor());
        QVERIFY(depthFactor > 0.0f);

        view.setDepthAnalysisMode(false);
        Settings::colormap.write(int(ColormapId::GreyScale));
        view.recolor();
        view.setBoundaries(0.25f);
        QVERIFY(settled(view));
        QCOMPARE(view.terrain()->colormap(), int(ColormapId::GreyScale));
        QCOMPARE(view.terrain()->boundaryFactor(), 0.25f);
    }

    // A recolour of a large field (its arrays handed to the GPU, a reduced mesh beside the full
    // one) writes the colours anew: back to the first colour map, the first picture returns.
    void aRecolourAfterTheUploadRestoresThePicture()
    {
        auto dataset = slope(50, 1000);
        GLWindow view;
        QVERIFY(shown(view));
        view.setDataset(dataset.get());
        const QImage jet = frameOf(view);
        QVERIFY(view.terrain()->mesh().positions.empty());
        Settings::colormap.write(int(ColormapId::Temperature));
        view.recolor();
        const QImage temperature = frameOf(view);
        QVERIFY(temperature != jet);
        Settings::colormap.write(int(ColormapId::Jet));
        view.recolor();
        QCOMPARE(frameOf(view), jet);
    }

    void isolineAndLabelsDrawWhereExpected()
    {
        auto dataset = slope();
        GLWindow view;
        QVERIFY(shown(view));
        view.setDataset(dataset.get());
        view.setScaling(0.01f);
        const QImage plain = frameOf(view);
        // Half way up the slope the isoline crosses every track: black across the middle.
        view.showIsolines(true, 0.5f);
        const QImage iso = frameOf(view);
        int blackRows = 0;
        for (int y = iso.height() / 3; y < 2 * iso.height() / 3; ++y)
            blackRows += iso.pixelColor(iso.width() / 2, y) == Qt::black ? 1 : 0;
        QVERIFY(blackRows > 0);
        view.showIsolines(false, 0.5f);
        QCOMPARE(frameOf(view), plain);

        // The length labels stand right of the field, outside the terrain: only the grid's
        // pen (and with it the labels) puts anything there.
        view.setTerrainGridTransluency(1.0f);
        const QImage labelled = frameOf(view);
        // The field ends at 0.73 of the width, the legend starts at 0.83.
        int labelPixels = 0;
        for (int y = 0; y < labelled.height(); ++y)
            for (int x = int(labelled.width() * 0.735); x < int(labelled.width() * 0.775); ++x)
                labelPixels += labelled.pixelColor(x, y) != plain.pixelColor(x, y) ? 1 : 0;
        QVERIFY2(labelPixels > 20, qPrintable(QString::number(labelPixels)));
    }

    void touchTurnsMovesAndZooms()
    {
        GLWindow view;
        QVERIFY(shown(view));
        QTouchDevice* device = QTest::createTouchDevice();
        QTest::touchEvent(&view, device).press(0, QPoint(100, 100), &view);
        QTest::touchEvent(&view, device).move(0, QPoint(110, 105), &view);
        QCOMPARE(view.camera().xRot, 10);
        QCOMPARE(view.camera().zRot, 20);
        QTest::touchEvent(&view, device).release(0, QPoint(110, 105), &view);

        view.resetView();
        QTest::touchEvent(&view, device).press(0, QPoint(100, 100), &view).press(1, QPoint(200, 100), &view);
        // The points spread from 100 to 200 pixels apart: 1 unit nearer; the first point
        // moved 10 pixels right: 10 * 0.001 * 5 to the right.
        QTest::touchEvent(&view, device).move(0, QPoint(110, 100), &view).move(1, QPoint(310, 100), &view);
        QVERIFY(qAbs(view.camera().distance - -4.0f) < 1e-4f);
        QVERIFY(qAbs(view.camera().panX - 0.05f) < 1e-5f);
        QCOMPARE(view.camera().xRot, 0);
    }

    void layoutFollowsOrientation()
    {
        HeightFieldViewer viewer;
        QVERIFY(shown(viewer, {1000, 600}));
        QWidget* view = viewer.view();
        QWidget* panel = viewer.panelScrollArea();
        QWidget* bar = viewer.bar();
        // Landscape: the panel at the left, the view above the bar at the right.
        QTRY_VERIFY(panel->geometry().right() < view->x());
        QVERIFY(view->geometry().bottom() < bar->y());
        QCOMPARE(panel->maximumHeight(), 600);

        viewer.resize(600, 1000);
        // Portrait: view, panel and bar from top to bottom, the panel at most half the height.
        QTRY_VERIFY(view->geometry().bottom() < panel->y());
        QVERIFY(panel->geometry().bottom() < bar->y());
        QCOMPARE(panel->maximumHeight(), 1000 / 2 - bar->height());
        QVERIFY(view->height() > 0);
    }
};

SORVANEL_TEST_MAIN(GLViewTest)
#include "test_glview.moc"
