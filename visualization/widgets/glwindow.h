#pragma once

#include "visualization/terrainpick.h"
#include "visualization/widgets/meshbuffers.h"
#include "visualization/widgets/viewcamera.h"

#include <QOpenGLBuffer>
#include <QOpenGLWidget>
#include <QTimer>
#include <QVector3D>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class Dataset;
class QOpenGLShaderProgram;
class QPainter;
class QTouchEvent;
class Terrain;
class TerrainBuilder;

// The OpenGL view of one dataset's terrain: lit surface, track grid or depth box, isoline
// and depth plane in one shader program, a camera turned, moved and zoomed by mouse, wheel
// and touch, and a 2D overlay of start marker, field sizes, colour legend or depth scale.
// Terrains are built on a worker thread; until a new one is ready the view goes on showing
// (and turning) the previous one. On a large field the view draws a reduced mesh while it
// is moved and until the full mesh is in place.
class GLWindow : public QOpenGLWidget
{
    Q_OBJECT
public:
    explicit GLWindow(QWidget* parent = nullptr);
    ~GLWindow() override;

    // Builds the terrain of `dataset` (read now, not held), coloured with `boundaryFactor`;
    // null shows the background only.
    void setDataset(Dataset* dataset, float boundaryFactor = 0.0f);
    // Builds the terrain again with the settings read now and uploads it.
    void updateTerrain();
    // Destaggers by a shift set by hand, or (none) by the one estimated from the field; a new
    // dataset starts with the estimate. Builds again.
    void setStaggerShift(std::optional<int> shift);
    std::optional<int> staggerShiftSetByHand() const { return staggerShiftByHand; }
    // A terrain is being built, or the full mesh of the shown one is not drawn yet.
    bool building() const;
    // Colours again with the colour map chosen now.
    void recolor();

    // The terrain shown; a build asked for is shown once it is ready (terrainShown).
    const Terrain* terrain() const { return terrain_.get(); }
    const ViewCamera& camera() const { return camera_; }
    // The reduced mesh is drawn in the next frame (the view moves, or the full one is not
    // in place yet).
    bool drawsReducedMesh() const;
    bool depthAnalysisMode() const { return depthAnalysis; }
    const std::array<int, 5>& legend() const { return legendPercentages; }
    float depthPlanePosition() const { return planeModel(2, 3); }
    // How often the terrain was built, for the tests of work done once.
    int terrainBuilds() const { return builds; }
    int geometryUploads() const { return uploads; }
    // Frames drawn with a terrain, on the screen or grabbed.
    int framesDrawn() const { return frames; }
    // Labels of the depth scale in the last frame drawn in depth analysis.
    int depthScaleLabelCount() const { return depthScaleLabels; }
    // The grid point a tap (or a click that is not a drag) picked on the terrain; none before
    // the first, after a tap beside the field, and for a new dataset. A rebuild keeps it.
    const std::optional<TerrainPoint>& pickedPoint() const { return picked; }
    // Picks as a tap at `at` (logical pixels) does.
    void pickAt(QPointF at);
    // Where a grid point, or the picked point, is drawn on the widget (logical pixels).
    std::optional<QPointF> pointOnWidget(TerrainPoint point) const;
    std::optional<QPointF> pickedPointOnWidget() const;

public slots:
    void reloadShaders();
    void showIsolines(bool enabled, float isoValue);
    void setXRotation(int angle);
    void setYRotation(int angle);
    void setZRotation(int angle);
    void resetView();
    void setScaling(float scaleFactor);
    void setTerrainGridTransluency(float t);
    void setTerrainGridOcclude(bool o);
    void setBoundaries(float b);
    void setDepthAnalysisMode(bool depthAnalysis);
    void setDepthPlanePosition(float pos);

signals:
    // A newly built terrain (or none, after a failure) is shown.
    void terrainShown();
    // The full mesh of the shown terrain is drawn from now on.
    void refined();
    // Another point was picked, the pick was cleared, or the picked point's readings changed
    // with a new terrain.
    void pickChanged();
    void xRotationChanged(int angle);
    void yRotationChanged(int angle);
    void zRotationChanged(int angle);

protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeGL(int w, int h) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum Buffer {
        OverlayPositions,
        OverlayColors,
        IsolinePositions,
        IsolineColors,
        PlanePositions,
        PlaneColors,
        LineNormals,
        BufferCount
    };

    void requestBuild(Dataset* dataset);
    // Takes a built terrain over: drops a failed one (telling the user), else gives it the
    // view's settings made since the request and uploads it.
    void showTerrain(std::shared_ptr<Terrain> terrain);
    void applyViewSettings(Terrain& terrain);
    Terrain* terrainOfRequest() const;
    void uploadTerrain();
    void uploadFullMesh();
    void uploadNextPart();
    void uploadColors();
    void uploadLineNormals();
    // The terrain was moved by the user: reduced mesh until the movement pauses.
    void moved();
    template <typename Upload>
    void withContext(Upload uploadNow);
    void rebuildDepthPlane();
    void updateLegend(float blend);
    void checkGLError();
    void setMatrices(const QMatrix4x4& model);
    void bindAttribute(Buffer buffer, int location);
    void drawTerrain(MeshBuffers& mesh);
    void drawOverlayLines();
    void drawIsoline();
    void drawDepthPlane();
    void paintOverlay(const QMatrix4x4& model);
    void paintLegend(QPainter& painter);
    void rotateBy(int dx, int dy);
    void handleTouch(QTouchEvent* event);
    // A press that moves no further than a fingertip's wobble and is let go is a tap.
    void startTap(QPointF at);
    void followTap(QPointF at);
    void endTap(QPointF at);
    void keepPick();
    void setRotation(int& stored, int angle, void (GLWindow::*changed)(int));

    QOpenGLShaderProgram* program = nullptr;
    int vertexLocation = -1;
    int colorLocation = -1;
    int normalLocation = -1;
    int cameraLocation = -1;
    int modelLocation = -1;
    int viewLocation = -1;
    int mvpLocation = -1;
    int normalMatrixLocation = -1;
    int alphaLocation = -1;

    QMatrix4x4 model;
    QMatrix4x4 view;
    QMatrix4x4 projection;
    std::shared_ptr<Terrain> terrain_;
    TerrainBuilder* builder = nullptr;
    // The dataset of the newest request, read again by a rebuild; held, not owned.
    Dataset* requested = nullptr;
    // The view's settings, given to every terrain shown. scaleSinceRequest: the scale was set
    // after the newest build was asked for (a build in depth analysis starts at scale 1).
    bool depthAnalysis = false;
    float scale = 1.0f;
    bool scaleSinceRequest = false;
    float boundaryFactor = 0.0f;
    float gridTransluency = 0.0f;
    bool occludeGrid = false;
    bool isolinesShown = false;
    float isolineLevel = 0.0f;
    std::optional<int> staggerShiftByHand;
    std::vector<QVector3D> planeCorners;
    QMatrix4x4 planeModel;
    std::array<int, 5> legendPercentages{};
    float legendBlend = 0.0f;
    int viewportWidth = 0;
    int viewportHeight = 0;
    ViewCamera camera_;
    QPoint lastPos{0, 0};
    std::optional<TerrainPoint> picked;
    std::optional<QPointF> tapStart;
    std::array<QOpenGLBuffer, BufferCount> buffers;
    MeshBuffers fullMesh;
    MeshBuffers reducedMesh;
    bool uploadPending = false;
    bool fullMeshPending = false;
    bool fullMeshStarted = false;
    QTimer stillTimer;
    int builds = 0;
    int uploads = 0;
    int frames = 0;
    int depthScaleLabels = 0;
};
