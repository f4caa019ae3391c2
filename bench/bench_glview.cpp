#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "benchenvironment.h"
#include "datasets/familyclasses.h"
#include "hillsfield.h"
#include "visualization/terrain.h"
#include "visualization/widgets/glwindow.h"
#include "visualization/widgets/heightfieldviewer.h"
#include "visualization/widgets/meshbuffers.h"
#include "visualization/widgets/terrainsettings.h"
#include "visualization/widgets/viewcamera.h"

#include "datasets/vtkexport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QOpenGLWidget>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

// The 3D view on a real GL context: run under xvfb-run with QT_QPA_PLATFORM=xcb (Mesa
// llvmpipe). Each frame is rendered and read back with grabFramebuffer(); ClearOnly gives
// that fixed cost alone. Cases: 40 x 330 (typical) and 200 x 2000 (large, about 8 M triangles).
namespace {
constexpr int viewWidth = 1280;
constexpr int viewHeight = 800;

QApplication& application()
{
    static int argc = 1;
    static char name[] = "bench_glview";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    prepareOnce();
    static QApplication app(argc, argv);
    return app;
}

// scripts/compare-vtk.sh has VTK read the same fields: SORVANEL_BENCH_VTK names the folder that
// gets the program's own VTK export of each, as hills-TRACKSxROWS.vtk.
void writeVtkOnce(int tracks, int rows)
{
    const QString folder = qEnvironmentVariable("SORVANEL_BENCH_VTK");
    if (folder.isEmpty())
        return;
    const QString path = QStringLiteral("%1/hills-%2x%3.vtk").arg(folder).arg(tracks).arg(rows);
    if (QFile::exists(path))
        return;
    if (const Outcome done = writeVtkFile(*hillsDataset(tracks, rows), path); !done)
        std::fprintf(stderr, "%s\n", qPrintable(done.failure().reason));
}

void showAndWait(QWidget& widget)
{
    widget.resize(viewWidth, viewHeight);
    widget.show();
    QCoreApplication::processEvents();
}

// Until the full mesh of the shown terrain is drawn (the view is on the screen and paints).
void waitUntilRefined(GLWindow& view)
{
    while (view.building())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// The full mesh's first paint on the screen, so that it falls in no measurement (if none
// starts within half a second, none was due).
void waitForThePaint(GLWindow& view)
{
    const int frames = view.framesDrawn();
    QElapsedTimer waited;
    waited.start();
    while (view.framesDrawn() == frames && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// The viewer shown with `dataset` open and its full mesh drawn.
void openAndDraw(HeightFieldViewer& viewer, Dataset* dataset)
{
    showAndWait(viewer);
    viewer.setDataset(dataset);
    waitUntilRefined(*viewer.view());
    waitForThePaint(*viewer.view());
}

void reportPeakMemory(benchmark::State& state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["maxrss_MB"] = double(usage.ru_maxrss) / 1024.0;
}

// The terrain's mesh drawn the simplest way: positions and colours, one matrix, the blocks of
// strips the view draws, nothing else.
class BareView : public QOpenGLWidget, protected QOpenGLFunctions
{
public:
    explicit BareView(const Terrain& terrain)
        : terrain(terrain)
    {
    }
    ~BareView() override
    {
        makeCurrent();
        mesh.destroy();
        doneCurrent();
    }

protected:
    void initializeGL() override
    {
        initializeOpenGLFunctions();
        program.addShaderFromSourceCode(QOpenGLShader::Vertex,
                                        "attribute vec3 vertex; attribute vec3 color; uniform mat4 MVP;\n"
                                        "varying vec3 col;\n"
                                        "void main() { gl_Position = MVP * vec4(vertex, 1.0); col = color; }\n");
        program.addShaderFromSourceCode(QOpenGLShader::Fragment,
                                        "varying vec3 col; void main() { gl_FragColor = vec4(col, 1.0); }\n");
        program.link();
        mesh.create();
        mesh.upload(terrain.mesh());
        glEnable(GL_DEPTH_TEST);
    }

    void paintGL() override
    {
        glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        program.bind();
        program.setUniformValue("MVP", viewProjection(width(), height()) * ViewCamera().view()
                                           * terrainModel(terrain.zScale(), terrain.minH()));
        const int vertex = program.attributeLocation("vertex");
        const int color = program.attributeLocation("color");
        program.enableAttributeArray(vertex);
        program.enableAttributeArray(color);
        mesh.draw(program, *this, vertex, -1, color, false);
        program.release();
    }

private:
    const Terrain& terrain;
    QOpenGLShaderProgram program;
    MeshBuffers mesh;
};

void cases(benchmark::internal::Benchmark* b)
{
    b->Args({40, 330})->Args({200, 2000})->Unit(benchmark::kMillisecond)->UseRealTime();
}

// The cases with the shading off (0) and on (1).
void shadingCases(benchmark::internal::Benchmark* b)
{
    b->Args({40, 330, 0})->Args({40, 330, 1})->Args({200, 2000, 0})->Args({200, 2000, 1});
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}
} // namespace

// The CPU side of opening, for the goal's sum: the terrain as the viewer builds it.
static void terrainBuild(benchmark::State& state)
{
    application();
    const auto dataset = hillsDataset(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        const Terrain terrain(dataset.get(), TerrainStart{false, 1.0f, {}});
        benchmark::DoNotOptimize(terrain.mesh().positions.data());
    }
}
BENCHMARK(terrainBuild)->Apply(cases);

// setDataset on the shown viewer up to its first frame (range 2: shading off or on); two
// datasets take turns so that each iteration opens a new one, as the library does.
// openToFirstFrame stops at the first frame of the new terrain (from the reduced mesh on a
// large field), openToFullFrame at the first frame of the full mesh. Each frame is drawn and
// read back the moment the view has it.
void openToFrame(benchmark::State& state, bool full)
{
    application();
    Settings::useShading.write(state.range(2) != 0);
    const auto first = hillsDataset(int(state.range(0)), int(state.range(1)));
    const auto second = hillsDataset(int(state.range(0)), int(state.range(1)));
    HeightFieldViewer viewer;
    showAndWait(viewer);
    writeVtkOnce(int(state.range(0)), int(state.range(1)));
    state.counters["view_w"] = viewer.view()->width();
    state.counters["view_h"] = viewer.view()->height();
    GLWindow& view = *viewer.view();
    QElapsedTimer clock;
    double seconds = -1.0;
    const auto frameNow = [&] {
        if (seconds >= 0.0)
            return;
        benchmark::DoNotOptimize(view.grabFramebuffer().constBits());
        seconds = double(clock.nsecsElapsed()) / 1e9;
    };
    QObject::connect(&view, &GLWindow::terrainShown, &view, [&] {
        if (!full || !view.building())
            frameNow();
    });
    QObject::connect(&view, &GLWindow::refined, &view, [&] {
        if (full)
            frameNow();
    });
    bool useFirst = true;
    for (auto _ : state) {
        seconds = -1.0;
        clock.start();
        viewer.setDataset(useFirst ? first.get() : second.get());
        while (seconds < 0.0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        state.SetIterationTime(seconds);
        waitUntilRefined(view);
        waitForThePaint(view);
        useFirst = !useFirst;
    }
    reportPeakMemory(state);
    Settings::useShading.write(true);
}

// The shading cases timed by the benchmark itself.
void manuallyTimedCases(benchmark::internal::Benchmark* b)
{
    b->Args({40, 330, 0})->Args({40, 330, 1})->Args({200, 2000, 0})->Args({200, 2000, 1});
    b->Unit(benchmark::kMillisecond)->UseManualTime();
}

static void openToFirstFrame(benchmark::State& state)
{
    openToFrame(state, false);
}
BENCHMARK(openToFirstFrame)->Apply(manuallyTimedCases);

static void openToFullFrame(benchmark::State& state)
{
    openToFrame(state, true);
}
BENCHMARK(openToFullFrame)->Apply(manuallyTimedCases);

// A frame of the open view (range 2: shading off or on).
static void steadyFrame(benchmark::State& state)
{
    application();
    Settings::useShading.write(state.range(2) != 0);
    const auto dataset = hillsDataset(int(state.range(0)), int(state.range(1)));
    HeightFieldViewer viewer;
    openAndDraw(viewer, dataset.get());
    for (auto _ : state)
        benchmark::DoNotOptimize(viewer.view()->grabFramebuffer().constBits());
    Settings::useShading.write(true);
}
BENCHMARK(steadyFrame)->Apply(shadingCases);

// A frame while the user turns the view: a drag by one pixel before each frame.
static void interactionFrame(benchmark::State& state)
{
    application();
    const auto dataset = hillsDataset(int(state.range(0)), int(state.range(1)));
    HeightFieldViewer viewer;
    openAndDraw(viewer, dataset.get());
    GLWindow& view = *viewer.view();
    const QPoint centre(view.width() / 2, view.height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &press);
    int step = 1;
    for (auto _ : state) {
        QMouseEvent move(QEvent::MouseMove, centre + QPoint(step, 0), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &move);
        step = -step;
        benchmark::DoNotOptimize(view.grabFramebuffer().constBits());
    }
    state.counters["reduced"] = view.drawsReducedMesh() ? 1 : 0;
}
BENCHMARK(interactionFrame)->Apply(cases);

// The same mesh by the minimal program, at the size the view has in the viewer.
static void bareFrame(benchmark::State& state)
{
    application();
    const auto dataset = hillsDataset(int(state.range(0)), int(state.range(1)));
    HeightFieldViewer viewer;
    openAndDraw(viewer, dataset.get());
    // The view keeps no copy of the arrays it uploaded: the bare program gets its own.
    const Terrain terrain(dataset.get(), TerrainStart{false, 1.0f, terrainOptionsFromSettings()});
    BareView bare(terrain);
    bare.resize(viewer.view()->size());
    bare.show();
    QCoreApplication::processEvents();
    bare.grabFramebuffer();
    for (auto _ : state)
        benchmark::DoNotOptimize(bare.grabFramebuffer().constBits());
}
BENCHMARK(bareFrame)->Apply(cases);

// Clearing and reading back the view's framebuffer without a terrain: the cost every
// figure above includes.
static void clearOnly(benchmark::State& state)
{
    application();
    HeightFieldViewer viewer;
    showAndWait(viewer);
    viewer.view()->grabFramebuffer();
    for (auto _ : state)
        benchmark::DoNotOptimize(viewer.view()->grabFramebuffer().constBits());
}
BENCHMARK(clearOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// A filter switch on the open view (range 2: shading off or on), from the switch until the
// new terrain's full mesh is in place (the full mesh's first paint, the steady frame, comes
// after). A zero timer notes every turn of the event loop; "stall_ms" is the longest time
// between two turns up to that moment, the time the window could neither paint nor take input.
static void filterSwitchStall(benchmark::State& state)
{
    application();
    Settings::useShading.write(state.range(2) != 0);
    const auto dataset = hillsDataset(int(state.range(0)), int(state.range(1)));
    HeightFieldViewer viewer;
    openAndDraw(viewer, dataset.get());
    GLWindow& view = *viewer.view();
    double longestStall = 0.0;
    bool smoothing = Settings::smoothingFilter.read().toBool();
    QElapsedTimer clock;
    qint64 lastTurn = 0;
    qint64 longest = 0;
    double seconds = -1.0;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - lastTurn);
        lastTurn = now;
    });
    const auto inPlace = [&] {
        if (seconds >= 0.0 || view.building())
            return;
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - lastTurn);
        seconds = double(now) / 1e9;
        ticker.stop();
    };
    QObject::connect(&view, &GLWindow::terrainShown, &view, inPlace);
    QObject::connect(&view, &GLWindow::refined, &view, inPlace);
    for (auto _ : state) {
        lastTurn = 0;
        longest = 0;
        seconds = -1.0;
        clock.start();
        ticker.start();
        smoothing = !smoothing;
        QTimer::singleShot(0, &view, [&] {
            Settings::smoothingFilter.write(smoothing);
            view.updateTerrain();
        });
        while (seconds < 0.0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        state.SetIterationTime(seconds);
        longestStall = std::max(longestStall, double(longest) / 1e6);
        waitForThePaint(view);
    }
    state.counters["stall_ms"] = longestStall;
    Settings::smoothingFilter.write(true);
    Settings::useShading.write(true);
}
BENCHMARK(filterSwitchStall)->Args({40, 330, 1})->Args({200, 2000, 1})->Unit(benchmark::kMillisecond)->UseManualTime();

// A tap on the terrain through the view's centre: the pick and the read-out with its profiles.
static void pickAtCentre(benchmark::State& state)
{
    application();
    const auto dataset = hillsDataset(int(state.range(0)), int(state.range(1)));
    HeightFieldViewer viewer;
    openAndDraw(viewer, dataset.get());
    GLWindow& view = *viewer.view();
    view.setXRotation(-50 * 16);
    const QPointF centre(view.width() / 2.0, view.height() / 2.0);
    for (auto _ : state) {
        view.pickAt(centre);
        benchmark::DoNotOptimize(view.pickedPoint());
    }
    if (!view.pickedPoint())
        state.SkipWithError("the line of sight through the centre missed the field");
}
BENCHMARK(pickAtCentre)->Apply(cases);

// steadyFrame (shading on) with a picked point's marker drawn.
static void markedFrame(benchmark::State& state)
{
    application();
    const auto dataset = hillsDataset(int(state.range(0)), int(state.range(1)));
    HeightFieldViewer viewer;
    openAndDraw(viewer, dataset.get());
    GLWindow& view = *viewer.view();
    view.pickAt(QPointF(view.width() / 2.0, view.height() / 2.0));
    for (auto _ : state)
        benchmark::DoNotOptimize(view.grabFramebuffer().constBits());
    if (!view.pickedPoint())
        state.SkipWithError("no point picked");
}
BENCHMARK(markedFrame)->Apply(cases);
