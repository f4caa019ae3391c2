#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "benchenvironment.h"
#include "datasets/familyclasses.h"
#include "visualization/terrain.h"
#include "visualization/widgets/glwindow.h"
#include "visualization/widgets/heightfieldviewer.h"
#include "visualization/widgets/viewcamera.h"

#include "datasets/vtkexport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
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

// Rolling hills with a little noise, one value per row and track: the field "hills" of every
// figure here and of scripts/compare-vtk.sh.
std::unique_ptr<DataSetBrolSensor> hills(int tracks, int rows)
{
    auto dataset = std::make_unique<DataSetBrolSensor>();
    for (int t = 0; t < tracks; ++t) {
        std::vector<int16_t> track(static_cast<size_t>(rows));
        for (int r = 0; r < rows; ++r)
            track[size_t(r)] = int16_t(600 * std::sin(r * 0.02) * std::cos(t * 0.15) + (r * 31 + t * 17) % 23);
        dataset->appendTrack(std::move(track));
    }
    dataset->setProperty("width", float(tracks) / 2);
    dataset->setProperty("length", rows / 20);
    dataset->setProperty("sensor min", -2000);
    dataset->setProperty("sensor max", 2000);
    return dataset;
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
    if (const Outcome done = writeVtkFile(*hills(tracks, rows), path); !done)
        std::fprintf(stderr, "%s\n", qPrintable(done.failure().reason));
}

void showAndWait(QWidget& widget)
{
    widget.resize(viewWidth, viewHeight);
    widget.show();
    QCoreApplication::processEvents();
}

// The viewer shown with `dataset` open and its first frame drawn.
void openAndDraw(HeightFieldViewer& viewer, Dataset* dataset)
{
    showAndWait(viewer);
    viewer.setDataset(dataset);
    viewer.view()->grabFramebuffer();
}

void reportPeakMemory(benchmark::State& state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["maxrss_MB"] = double(usage.ru_maxrss) / 1024.0;
}

// The terrain's buffers drawn the simplest way: positions and colours, one matrix, one
// indexed draw, nothing else.
class BareView : public QOpenGLWidget, protected QOpenGLFunctions
{
public:
    explicit BareView(const Terrain& terrain)
        : terrain(terrain)
        , indices(QOpenGLBuffer::IndexBuffer)
    {
    }
    ~BareView() override
    {
        makeCurrent();
        positions.destroy();
        colors.destroy();
        indices.destroy();
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
        fill(positions, terrain.positions().data(), terrain.positions().size() * sizeof(QVector3D));
        fill(colors, terrain.colors().data(), terrain.colors().size() * sizeof(QVector3D));
        fill(indices, terrain.indices().data(), terrain.indices().size() * sizeof(uint32_t));
        glEnable(GL_DEPTH_TEST);
    }

    void paintGL() override
    {
        glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        program.bind();
        program.setUniformValue("MVP", viewProjection(width(), height()) * ViewCamera().view()
                                           * terrainModel(terrain.zScale(), terrain.minH()));
        bindAttribute(positions, "vertex");
        bindAttribute(colors, "color");
        indices.bind();
        glDrawElements(GL_TRIANGLES, GLsizei(terrain.indices().size()), GL_UNSIGNED_INT, nullptr);
        indices.release();
        program.release();
    }

private:
    static void fill(QOpenGLBuffer& buffer, const void* data, size_t bytes)
    {
        buffer.create();
        buffer.bind();
        buffer.allocate(data, int(bytes));
        buffer.release();
    }

    void bindAttribute(QOpenGLBuffer& buffer, const char* name)
    {
        buffer.bind();
        program.enableAttributeArray(name);
        program.setAttributeBuffer(name, GL_FLOAT, 0, 3, 0);
        buffer.release();
    }

    const Terrain& terrain;
    QOpenGLShaderProgram program;
    QOpenGLBuffer positions;
    QOpenGLBuffer colors;
    QOpenGLBuffer indices;
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
    const auto dataset = hills(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        const Terrain terrain(dataset.get(), TerrainStart{false, 1.0f, {}});
        benchmark::DoNotOptimize(terrain.positions().data());
    }
}
BENCHMARK(terrainBuild)->Apply(cases);

// setDataset on the shown viewer up to the first finished frame (range 2: shading off or
// on); two datasets take turns so that each iteration opens a new one, as the library does.
static void openToFirstFrame(benchmark::State& state)
{
    application();
    Settings::useShading.write(state.range(2) != 0);
    const auto first = hills(int(state.range(0)), int(state.range(1)));
    const auto second = hills(int(state.range(0)), int(state.range(1)));
    HeightFieldViewer viewer;
    showAndWait(viewer);
    writeVtkOnce(int(state.range(0)), int(state.range(1)));
    state.counters["view_w"] = viewer.view()->width();
    state.counters["view_h"] = viewer.view()->height();
    bool useFirst = true;
    for (auto _ : state) {
        viewer.setDataset(useFirst ? first.get() : second.get());
        benchmark::DoNotOptimize(viewer.view()->grabFramebuffer().constBits());
        useFirst = !useFirst;
    }
    reportPeakMemory(state);
    Settings::useShading.write(true);
}
BENCHMARK(openToFirstFrame)->Apply(shadingCases);

// A frame of the open view (range 2: shading off or on).
static void steadyFrame(benchmark::State& state)
{
    application();
    Settings::useShading.write(state.range(2) != 0);
    const auto dataset = hills(int(state.range(0)), int(state.range(1)));
    HeightFieldViewer viewer;
    openAndDraw(viewer, dataset.get());
    for (auto _ : state)
        benchmark::DoNotOptimize(viewer.view()->grabFramebuffer().constBits());
    Settings::useShading.write(true);
}
BENCHMARK(steadyFrame)->Apply(shadingCases);

// The same buffers by the minimal program, at the size the view has in the viewer.
static void bareFrame(benchmark::State& state)
{
    application();
    const auto dataset = hills(int(state.range(0)), int(state.range(1)));
    HeightFieldViewer viewer;
    openAndDraw(viewer, dataset.get());
    BareView bare(*viewer.view()->terrain());
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

// A filter switch on the open view (range 2: shading off or on), from the switch to the first
// frame of the new terrain. A zero timer notes every turn of the event loop; "stall_ms" is the
// longest time between two turns, the time the window could neither paint nor take input.
static void filterSwitchStall(benchmark::State& state)
{
    application();
    Settings::useShading.write(state.range(2) != 0);
    const auto dataset = hills(int(state.range(0)), int(state.range(1)));
    HeightFieldViewer viewer;
    openAndDraw(viewer, dataset.get());
    double longestStall = 0.0;
    bool smoothing = Settings::smoothingFilter.read().toBool();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        qint64 lastTurn = 0;
        qint64 longest = 0;
        QTimer ticker;
        ticker.setInterval(0);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - lastTurn);
            lastTurn = now;
        });
        ticker.start();
        const int builds = viewer.view()->terrainBuilds();
        smoothing = !smoothing;
        QTimer::singleShot(0, viewer.view(), [&] {
            Settings::smoothingFilter.write(smoothing);
            viewer.view()->updateTerrain();
        });
        while (viewer.view()->terrainBuilds() == builds)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        benchmark::DoNotOptimize(viewer.view()->grabFramebuffer().constBits());
        ticker.stop();
        longestStall = std::max(longestStall, double(longest) / 1e6);
    }
    state.counters["stall_ms"] = longestStall;
    Settings::smoothingFilter.write(true);
    Settings::useShading.write(true);
}
BENCHMARK(filterSwitchStall)->Args({40, 330, 1})->Args({200, 2000, 1})->Unit(benchmark::kMillisecond)->UseRealTime();
