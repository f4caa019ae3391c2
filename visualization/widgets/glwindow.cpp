#include "visualization/widgets/glwindow.h"

#include "app/appsettings.h"
#include "app/messagebox.h"
#include "app/settingskeys.h"
#include "datasets/dataset.h"
#include "visualization/depthanalysis.h"
#include "visualization/terrain.h"
#include "visualization/terrainbuilder.h"
#include "visualization/terraincoloring.h"
#include "visualization/terraingeometry.h"
#include "visualization/widgets/overlaypainter.h"
#include "visualization/widgets/terrainsettings.h"
#include "visualization/widgets/terrainshaders.h"

#include <QDebug>
#include <QLocale>
#include <QMouseEvent>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QPainter>
#include <QTouchEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {
// A step of the full mesh's upload takes a few milliseconds: the window answers between them.
constexpr size_t uploadStepBytes = size_t(8) << 20;

template <typename T>
void upload(QOpenGLBuffer& buffer, QOpenGLBuffer::UsagePattern usage, const T* data, size_t count)
{
    buffer.bind();
    buffer.setUsagePattern(usage);
    buffer.allocate(data, int(count * sizeof(T)));
    buffer.release();
}

template <typename Array>
void upload(QOpenGLBuffer& buffer, QOpenGLBuffer::UsagePattern usage, const Array& array)
{
    upload(buffer, usage, array.data(), array.size());
}
} // namespace

GLWindow::GLWindow(QWidget* parent)
    : QOpenGLWidget(parent)
{
    setAttribute(Qt::WA_AcceptTouchEvents);
    builder = new TerrainBuilder([this](std::shared_ptr<Terrain> terrain) { showTerrain(std::move(terrain)); }, this);
    // Long enough to bridge the gaps between the events of one drag or pinch.
    stillTimer.setSingleShot(true);
    stillTimer.setInterval(200);
    connect(&stillTimer, &QTimer::timeout, this, [this] { update(); });
}

GLWindow::~GLWindow()
{
    // A running build ends before the view goes.
    delete builder;
    builder = nullptr;
    if (!isValid())
        return;
    makeCurrent();
    delete program;
    for (QOpenGLBuffer& buffer : buffers)
        buffer.destroy();
    fullMesh.destroy();
    reducedMesh.destroy();
    doneCurrent();
}

template <typename Upload>
void GLWindow::withContext(Upload uploadNow)
{
    // Before the first show there is no context; the first frame uploads everything.
    if (!isValid()) {
        uploadPending = true;
        return;
    }
    makeCurrent();
    uploadNow();
    doneCurrent();
}

bool GLWindow::building() const
{
    return builder->busy() || fullMeshPending;
}

bool GLWindow::drawsReducedMesh() const
{
    return !reducedMesh.empty() && (fullMeshPending || stillTimer.isActive());
}

void GLWindow::setDataset(Dataset* dataset, float boundaryFactorNow)
{
    qDebug() << "Fill Buffer...";
    // A new dataset starts as a new terrain does.
    boundaryFactor = boundaryFactorNow;
    scale = 1.0f;
    gridTransluency = 0.0f;
    occludeGrid = false;
    staggerShiftByHand.reset();
    if (picked) {
        picked.reset();
        emit pickChanged();
    }
    // A dataset without values (one that did not load) has nothing to build or report.
    if (!dataset || dataset->values().empty()) {
        builder->cancel();
        requested = nullptr;
        terrain_.reset();
        fullMeshPending = false;
        update();
        emit terrainShown();
        return;
    }
    requestBuild(dataset);
}

void GLWindow::setStaggerShift(std::optional<int> shift)
{
    staggerShiftByHand = shift;
    updateTerrain();
}

void GLWindow::updateTerrain()
{
    if (terrain_ || builder->busy())
        requestBuild(nullptr);
}

void GLWindow::requestBuild(Dataset* dataset)
{
    // A rebuild reads the dataset of the newest request again.
    if (dataset)
        requested = dataset;
    if (!requested)
        return;
    TerrainStart start{depthAnalysis, boundaryFactor, terrainOptionsFromSettings()};
    start.options.staggerShift = staggerShiftByHand;
    start.scale = scale;
    start.wholeMesh = false;
    scaleSinceRequest = false;
    isolinesShown = Settings::showIsolines.read().toBool();
    isolineLevel = Settings::isovalue.read().toInt() / 100.0f;
    builder->request(terrainSource(*requested), start, requested);
}

void GLWindow::showTerrain(std::shared_ptr<Terrain> built)
{
    ++builds;
    if (built->failed()) {
        const Failure failure = built->lastBuild().failure();
        terrain_.reset();
        fullMeshPending = false;
        qWarning().noquote() << "Cannot show the dataset:" << failure.reason;
        update();
        emit terrainShown();
        MessageBox::critical(this, Terrain::failureTitle(), failure.text);
        return;
    }
    terrain_ = std::move(built);
    applyViewSettings(*terrain_);
    if (terrain_->depthAnalysis())
        depthFactor = terrain_->depthFactor();
    rebuildDepthPlane();
    qDebug() << "...with " << terrain_->mesh().points() << " Vertices.";
    if (isolinesShown)
        terrain_->computeIsolines(isolineLevel);
    else
        terrain_->clearIsolines();
    withContext([this] { uploadTerrain(); });
    update();
    keepPick();
    emit terrainShown();
}

void GLWindow::applyViewSettings(Terrain& t)
{
    if (scaleSinceRequest)
        t.setScale(scale);
    scale = t.scale();
    t.setGridTransluency(gridTransluency);
    t.setOccludeGrid(occludeGrid);
    const TerrainOptions now = terrainOptionsFromSettings();
    const TerrainOptions& built = t.options();
    if (now.colormap != built.colormap || now.colorQuantization != built.colorQuantization
        || t.boundaryFactor() != boundaryFactor) {
        TerrainOptions recolored = built;
        recolored.colormap = now.colormap;
        recolored.colorQuantization = now.colorQuantization;
        t.setOptions(recolored);
        t.setBoundaryFactor(boundaryFactor);
    }
    updateLegend(boundaryFactor);
}

void GLWindow::uploadTerrain()
{
    const Terrain& t = *terrain_;
    // A new context (the widget moved to another window) after the mesh went to the old one:
    // the terrain keeps no copy, so it is built again.
    if (t.meshReleased()) {
        uploadPending = false;
        fullMesh.clear();
        reducedMesh.clear();
        fullMeshPending = false;
        QTimer::singleShot(0, this, [this] { updateTerrain(); });
        return;
    }
    upload(buffers[OverlayPositions], QOpenGLBuffer::StaticDraw, t.overlayLines());
    upload(buffers[OverlayColors], QOpenGLBuffer::StaticDraw, t.overlayColors());
    upload(buffers[IsolinePositions], QOpenGLBuffer::DynamicDraw, t.isolines());
    upload(buffers[IsolineColors], QOpenGLBuffer::DynamicDraw, t.isolineColors());
    upload(buffers[PlanePositions], QOpenGLBuffer::StaticDraw, planeCorners);
    const std::vector<QVector3D> black(planeCorners.size(), QVector3D(0.0f, 0.0f, 0.0f));
    upload(buffers[PlaneColors], QOpenGLBuffer::StaticDraw, black);
    uploadLineNormals();
    uploadPending = false;
    ++uploads;
    fullMesh.beginUpload();
    if (t.reducedMesh().empty() || !isVisible()) {
        reducedMesh.clear();
        fullMeshPending = false;
        while (!fullMesh.uploadStep(*terrain_, uploadStepBytes)) {
        }
        terrain_->releaseMeshArrays();
        return;
    }
    // The reduced mesh gives the first frame; the full one follows once that is drawn.
    reducedMesh.upload(t.reducedMesh());
    fullMeshPending = true;
    fullMeshStarted = false;
}

void GLWindow::uploadFullMesh()
{
    if (!terrain_ || terrain_->mesh().empty()) {
        fullMeshPending = false;
        return;
    }
    if (!fullMesh.uploadStep(*terrain_, uploadStepBytes)) {
        QTimer::singleShot(0, this, [this] { uploadNextPart(); });
        return;
    }
    // The GPU holds the vertices from now on; a recolour fills the colours anew.
    terrain_->releaseMeshArrays();
    const bool wasPending = fullMeshPending;
    fullMeshPending = false;
    if (wasPending) {
        update();
        emit refined();
    }
}

void GLWindow::uploadNextPart()
{
    if (!fullMeshPending || !isValid())
        return;
    makeCurrent();
    uploadFullMesh();
    doneCurrent();
}

void GLWindow::uploadLineNormals()
{
    const size_t count = std::max({terrain_->overlayLines().size(), terrain_->isolines().size(), planeCorners.size()});
    upload(buffers[LineNormals], QOpenGLBuffer::DynamicDraw, terrain_->lineNormals(count));
}

void GLWindow::rebuildDepthPlane()
{
    const DepthBox box = terrain_->depthBox();
    const float x0 = box.low.x(), y0 = box.low.y(), x1 = box.high.x(), y1 = box.high.y();
    planeCorners = {{x0, y0, 0.0f}, {x0, y1, 0.0f}, {x1, y0, 0.0f},
                    {x1, y1, 0.0f}, {x1, y0, 0.0f}, {x0, y1, 0.0f}};
}

void GLWindow::updateLegend(float blend)
{
    legendBlend = blend;
    if (terrain_->contrastClipped()) {
        legendPercentages = terrain_->clippedLegendPercentages(blend);
        return;
    }
    const TerrainSource& d = terrain_->source();
    legendPercentages = ::legendPercentages(d.values, d.scalar2, d.sensorMin, d.sensorMax, blend);
}

void GLWindow::showIsolines(bool enabled, float isoValue)
{
    isolinesShown = enabled;
    isolineLevel = isoValue;
    if (!terrainOfRequest())
        return;
    terrain_->clearIsolines();
    if (enabled)
        terrain_->computeIsolines(isoValue);
    if (!terrain_->isolines().empty()) {
        withContext([this] {
            upload(buffers[IsolinePositions], QOpenGLBuffer::DynamicDraw, terrain_->isolines());
            upload(buffers[IsolineColors], QOpenGLBuffer::DynamicDraw, terrain_->isolineColors());
            uploadLineNormals();
        });
    }
    update();
}

Terrain* GLWindow::terrainOfRequest() const
{
    // Until a new dataset's terrain is shown, its settings wait for it; the previous dataset's
    // picture stays as it is.
    return terrain_ && terrain_->dataset() == requested ? terrain_.get() : nullptr;
}

void GLWindow::setScaling(float scaleFactor)
{
    scale = scaleFactor;
    scaleSinceRequest = true;
    if (Terrain* t = terrainOfRequest()) {
        t->setScale(scaleFactor);
        update();
    }
}

void GLWindow::setBoundaries(float b)
{
    boundaryFactor = b;
    if (terrainOfRequest()) {
        // A new dataset's panel asks for the factor the terrain may already have.
        if (terrain_->boundaryFactor() != b) {
            terrain_->setOptions(terrainOptionsFromSettings());
            terrain_->setBoundaryFactor(b);
            withContext([this] { uploadColors(); });
        }
        if (legendBlend != b)
            updateLegend(b);
        update();
    }
}

void GLWindow::recolor()
{
    if (!terrainOfRequest())
        return;
    terrain_->setOptions(terrainOptionsFromSettings());
    terrain_->recolor();
    withContext([this] { uploadColors(); });
    update();
}

void GLWindow::uploadColors()
{
    if (!reducedMesh.empty())
        reducedMesh.uploadColors(terrain_->reducedMesh());
    // A full mesh not uploaded yet takes its new colours with it.
    if (fullMeshPending) {
        fullMesh.colouredAgain();
        return;
    }
    fullMesh.rewriteColors(*terrain_);
}

void GLWindow::setTerrainGridTransluency(float t)
{
    gridTransluency = t;
    if (Terrain* shown = terrainOfRequest()) {
        shown->setGridTransluency(t);
        update();
    }
}

void GLWindow::setTerrainGridOcclude(bool o)
{
    occludeGrid = o;
    if (Terrain* t = terrainOfRequest()) {
        t->setOccludeGrid(o);
        update();
    }
}

void GLWindow::setDepthAnalysisMode(bool depthAnalysisOn)
{
    depthAnalysis = depthAnalysisOn;
    updateTerrain();
}

void GLWindow::setDepthPlanePosition(float pos)
{
    planeModel.setToIdentity();
    planeModel.translate(0.0f, 0.0f, pos);
    update();
}

void GLWindow::resetView()
{
    camera_ = ViewCamera();
    update();
}

void GLWindow::setRotation(int& stored, int angle, void (GLWindow::*changed)(int))
{
    angle = normalizedAngle(angle);
    if (angle == stored)
        return;
    stored = angle;
    emit(this->*changed)(angle);
}

void GLWindow::setXRotation(int angle)
{
    setRotation(camera_.xRot, angle, &GLWindow::xRotationChanged);
}

void GLWindow::setYRotation(int angle)
{
    setRotation(camera_.yRot, angle, &GLWindow::yRotationChanged);
}

void GLWindow::setZRotation(int angle)
{
    setRotation(camera_.zRot, angle, &GLWindow::zRotationChanged);
}

void GLWindow::rotateBy(int dx, int dy)
{
    setXRotation(camera_.xRot + 2 * dy);
    setZRotation(camera_.zRot + 2 * dx);
}

void GLWindow::reloadShaders()
{
    const bool shading = Settings::useShading.read().toBool();
    makeCurrent();
    delete program;
    program = new QOpenGLShaderProgram;
    auto* vertex = new QOpenGLShader(QOpenGLShader::Vertex, program);
    vertex->compileSourceCode(terrainVertexShader);
    qDebug() << "Compile FragmentShader: " << vertex->log();
    auto* fragment = new QOpenGLShader(QOpenGLShader::Fragment, program);
    fragment->compileSourceCode(shading ? litFragmentShader : flatFragmentShader);
    qDebug() << "Compile FragmentShader: " << fragment->log();
    program->addShader(vertex);
    program->addShader(fragment);
    program->link();
    qDebug() << "Linking Program: " << program->log();
    vertexLocation = program->attributeLocation("vertex");
    colorLocation = program->attributeLocation("color");
    normalLocation = program->attributeLocation("normal");
    cameraLocation = program->uniformLocation("camera");
    modelLocation = program->uniformLocation("M");
    viewLocation = program->uniformLocation("V");
    mvpLocation = program->uniformLocation("MVP");
    normalMatrixLocation = program->uniformLocation("NM");
    alphaLocation = program->uniformLocation("alpha");
}

void GLWindow::checkGLError()
{
    const GLenum error = context()->functions()->glGetError();
    if (error != 0)
        qDebug() << "OpenGL Error: \n" << error;
}

void GLWindow::initializeGL()
{
    QOpenGLFunctions* gl = context()->functions();
    gl->glClearColor(130 / 255.0f, 130 / 255.0f, 130 / 255.0f, 1.0f);
    gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl->glDepthFunc(GL_LEQUAL);
    gl->glEnable(GL_DEPTH_TEST);
    gl->glDepthMask(GL_TRUE);
    // A new context (the widget moved to another window) starts with new buffers.
    for (QOpenGLBuffer& buffer : buffers) {
        buffer = QOpenGLBuffer(QOpenGLBuffer::VertexBuffer);
        buffer.create();
    }
    fullMesh = MeshBuffers();
    reducedMesh = MeshBuffers();
    fullMesh.create();
    reducedMesh.create();
    uploadPending = terrain_ != nullptr;
    program = nullptr;
    reloadShaders();
    checkGLError();
}

void GLWindow::resizeGL(int w, int h)
{
    viewportWidth = w;
    viewportHeight = h;
    projection = viewProjection(w, h);
}

void GLWindow::setMatrices(const QMatrix4x4& m)
{
    const QMatrix4x4 mv = view * m;
    program->setUniformValue(modelLocation, m);
    program->setUniformValue(mvpLocation, projection * mv);
    program->setUniformValue(normalMatrixLocation, mv.inverted().transposed());
}

void GLWindow::bindAttribute(Buffer buffer, int location)
{
    buffers[buffer].bind();
    program->setAttributeBuffer(location, GL_FLOAT, 0, 3, 0);
    buffers[buffer].release();
}

void GLWindow::paintGL()
{
    if (!program)
        initializeGL();
    QOpenGLFunctions* gl = context()->functions();
    // The overlay painter of the previous frame may have left the depth mask off.
    gl->glDepthMask(GL_TRUE);
    gl->glClearColor(130 / 255.0f, 130 / 255.0f, 130 / 255.0f, 1.0f);
    gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!terrain_)
        return;
    if (uploadPending)
        uploadTerrain();
    const bool reduced = drawsReducedMesh();
    program->bind();
    view = camera_.view();
    model = terrainModel(terrain_->zScale(), terrain_->minH());
    program->setUniformValue(cameraLocation, eyePosition(view));
    program->setUniformValue(viewLocation, view);
    setMatrices(model);
    program->setUniformValue(alphaLocation, 1.0f);
    for (int location : {vertexLocation, colorLocation, normalLocation})
        program->enableAttributeArray(location);
    drawTerrain(reduced ? reducedMesh : fullMesh);
    drawOverlayLines();
    drawIsoline();
    if (terrain_->depthAnalysis())
        drawDepthPlane();
    for (int location : {vertexLocation, colorLocation, normalLocation})
        program->disableAttributeArray(location);
    program->release();
    paintOverlay(model);
    ++frames;
    // The full mesh goes up after the reduced mesh's first frame is on the screen.
    if (fullMeshPending && !fullMeshStarted) {
        fullMeshStarted = true;
        QTimer::singleShot(0, this, [this] { uploadNextPart(); });
    }
}

void GLWindow::drawTerrain(MeshBuffers& mesh)
{
    QOpenGLFunctions* gl = context()->functions();
    gl->glEnable(GL_DEPTH_TEST);
    mesh.draw(*program, *gl, vertexLocation, normalLocation, colorLocation, terrain_->wireframe());
}

void GLWindow::drawOverlayLines()
{
    QOpenGLFunctions* gl = context()->functions();
    bindAttribute(OverlayPositions, vertexLocation);
    bindAttribute(OverlayColors, colorLocation);
    bindAttribute(LineNormals, normalLocation);
    const GLsizei count = GLsizei(terrain_->overlayLines().size());
    gl->glEnable(GL_BLEND);
    gl->glDisable(GL_DEPTH_TEST);
    // A thin dark outline under the white lines: added light vanishes on the white and
    // yellow ends of the Temperature and Black Body maps.
    program->disableAttributeArray(colorLocation);
    program->setAttributeValue(colorLocation, QVector3D(0.15f, 0.15f, 0.15f));
    program->setUniformValue(alphaLocation, 0.6f * terrain_->gridTransluency());
    gl->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl->glLineWidth(3.5f);
    gl->glDrawArrays(GL_LINES, 0, count);
    program->enableAttributeArray(colorLocation);
    program->setUniformValue(alphaLocation, terrain_->gridTransluency());
    gl->glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    gl->glLineWidth(1.5f);
    gl->glDrawArrays(GL_LINES, 0, count);
    gl->glLineWidth(2.0f);
    gl->glDisable(GL_BLEND);
}

void GLWindow::drawIsoline()
{
    QOpenGLFunctions* gl = context()->functions();
    bindAttribute(IsolinePositions, vertexLocation);
    bindAttribute(IsolineColors, colorLocation);
    gl->glDrawArrays(GL_LINES, 0, GLsizei(terrain_->isolines().size()));
    gl->glLineWidth(1.0f);
    gl->glEnable(GL_DEPTH_TEST);
    gl->glDisable(GL_BLEND);
}

void GLWindow::drawDepthPlane()
{
    QOpenGLFunctions* gl = context()->functions();
    model = planeModel;
    setMatrices(model);
    gl->glEnable(GL_DEPTH_TEST);
    gl->glEnable(GL_BLEND);
    gl->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl->glDisable(GL_CULL_FACE);
    program->setUniformValue(alphaLocation, 0.5f);
    bindAttribute(PlanePositions, vertexLocation);
    bindAttribute(PlaneColors, colorLocation);
    gl->glDrawArrays(GL_TRIANGLES, 0, GLsizei(planeCorners.size()));
    gl->glDisable(GL_BLEND);
    program->setUniformValue(alphaLocation, 1.0f);
}

void GLWindow::paintOverlay(const QMatrix4x4& m)
{
    QPainter painter(this);
    const OverlayFrame frame{m, view, projection, viewportWidth, viewportHeight};
    paintFieldMarks(painter, *terrain_, frame);
    if (const std::optional<QPointF> at = pickedPointOnWidget())
        paintPickMarker(painter, *at, screenDpi);
    if (terrain_->depthAnalysis())
        depthScaleLabels = paintDepthScale(painter, *terrain_, frame, soilDepthScale, depthFactor);
    else if (!terrain_->options().outlier)
        paintLegend(painter);
}

void GLWindow::paintLegend(QPainter& painter)
{
    if (!terrain_->contrastClipped()) {
        paintColorLegend(painter, viewportWidth, viewportHeight, screenDpi, terrain_->colormap(), legendPercentages);
        return;
    }
    const ValueRange range = terrain_->colorRangeEnds();
    const QLocale locale;
    const LegendEnds ends{Terrain::contrastClipTitle(), locale.toString(range.low), locale.toString(range.high)};
    paintColorLegend(painter, viewportWidth, viewportHeight, screenDpi, terrain_->colormap(), legendPercentages,
                     &ends);
}

void GLWindow::mousePressEvent(QMouseEvent* event)
{
    lastPos = event->pos();
    if (event->button() == Qt::LeftButton)
        startTap(event->localPos());
}

void GLWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (lastPos.x() == -1 || lastPos.y() == -1)
        return;
    const int dx = event->x() - lastPos.x();
    const int dy = event->y() - lastPos.y();
    if (event->buttons() & Qt::LeftButton)
        rotateBy(dx, dy);
    else if (event->buttons() & Qt::RightButton)
        camera_.panBy(dx, dy, 0.0009f);
    lastPos = event->pos();
    followTap(event->localPos());
    moved();
}

void GLWindow::moved()
{
    stillTimer.start();
    update();
}

void GLWindow::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        endTap(event->localPos());
}

void GLWindow::startTap(QPointF at)
{
    tapStart = at;
}

void GLWindow::followTap(QPointF at)
{
    // About a millimetre: less than a turn of the view a finger notices.
    const double slop = std::max(4.0, 0.04 * screenDpi);
    if (tapStart && QLineF(*tapStart, at).length() > slop)
        tapStart.reset();
}

void GLWindow::endTap(QPointF at)
{
    followTap(at);
    if (tapStart)
        pickAt(at);
    tapStart.reset();
}

void GLWindow::pickAt(QPointF at)
{
    // While a new dataset's terrain is built, the picture is still the previous dataset's.
    if (!terrainOfRequest())
        return;
    const QMatrix4x4 m = terrainModel(terrain_->zScale(), terrain_->minH());
    const auto pick = [&](QPointF p) {
        return pickTerrainPoint(*terrain_, m, camera_.view(), viewProjection(width(), height()),
                                QSizeF(width(), height()), p);
    };
    picked = pick(at);
    // A fingertip just beside a peak's tip, where the line of sight passes over it, means
    // the peak: the points around the tap within a third of a millimetre are tried too.
    const double reach = std::max(2.0, 0.015 * screenDpi);
    for (int i = 0; i < 8 && !picked; ++i) {
        const double angle = i * M_PI / 4;
        picked = pick(at + QPointF(reach * std::sin(angle), reach * std::cos(angle)));
    }
    update();
    emit pickChanged();
}

std::optional<QPointF> GLWindow::pickedPointOnWidget() const
{
    return picked ? pointOnWidget(*picked) : std::nullopt;
}

std::optional<QPointF> GLWindow::pointOnWidget(TerrainPoint point) const
{
    if (!terrain_)
        return std::nullopt;
    const Terrain& t = *terrain_;
    const int w = t.terrainGridWidth();
    if (point.column < 0 || point.row < 0 || point.column >= w || point.row >= t.terrainGridLength())
        return std::nullopt;
    const float h = t.heights()[size_t(point.column) + size_t(w) * size_t(point.row)];
    const QVector3D p = gridPointPosition(point.column, point.row, w, t.terrainGridLength(),
                                          SceneSpacing{t.dx(), t.dy()}, h);
    const QMatrix4x4 m = terrainModel(t.zScale(), t.minH());
    return projectToWidget(p, camera_.view() * m, viewProjection(width(), height()), width(), height());
}

void GLWindow::keepPick()
{
    // A rebuild of the same field keeps the point; its readings may have changed.
    if (!picked)
        return;
    if (!terrain_ || picked->column >= terrain_->terrainGridWidth() || picked->row >= terrain_->terrainGridLength())
        picked.reset();
    emit pickChanged();
}

void GLWindow::wheelEvent(QWheelEvent* event)
{
    camera_.zoomBy(event->angleDelta().y());
    moved();
}

void GLWindow::keyPressEvent(QKeyEvent* event)
{
    event->ignore();
}

bool GLWindow::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        handleTouch(static_cast<QTouchEvent*>(e));
        e->accept();
        moved();
        return true;
    default:
        return QOpenGLWidget::event(e);
    }
}

void GLWindow::handleTouch(QTouchEvent* event)
{
    const QList<QTouchEvent::TouchPoint> points = event->touchPoints();
    if (points.size() != 1)
        tapStart.reset();
    else if (event->type() == QEvent::TouchBegin)
        startTap(points[0].pos());
    else if (event->type() == QEvent::TouchEnd)
        endTap(points[0].pos());
    else
        followTap(points[0].pos());
    if (points.size() == 1) {
        const QPointF d = points[0].scenePos() - points[0].lastScenePos();
        rotateBy(int(d.x()), int(d.y()));
    } else if (points.size() == 2 && event->type() == QEvent::TouchUpdate) {
        const QPointF d = points[0].pos() - points[0].lastPos();
        camera_.panBy(float(d.x()), float(d.y()), 0.001f);
        const double last = QLineF(points[0].lastPos(), points[1].lastPos()).length();
        const double now = QLineF(points[0].pos(), points[1].pos()).length();
        camera_.distance -= float((last - now) * 0.01);
    }
}
