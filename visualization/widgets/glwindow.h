#pragma once

#include "visualization/widgets/viewcamera.h"

#include <QOpenGLBuffer>
#include <QOpenGLWidget>
#include <QVector3D>
#include <array>
#include <memory>
#include <vector>

class Dataset;
class QOpenGLShaderProgram;
class QTouchEvent;
class Terrain;

// The OpenGL view of one dataset's terrain: lit surface, track grid or depth box, isoline
// and depth plane in one shader program, a camera turned, moved and zoomed by mouse, wheel
// and touch, and a 2D overlay of start marker, field sizes, colour legend or depth scale.
class GLWindow : public QOpenGLWidget
{
    Q_OBJECT
public:
    explicit GLWindow(QWidget* parent = nullptr);
    ~GLWindow() override;

    // Builds the terrain of `dataset` (held, not owned), coloured with `boundaryFactor`;
    // null shows the background only.
    void setDataset(Dataset* dataset, float boundaryFactor = 0.0f);
    // Builds the terrain again with the settings read now and uploads it.
    void updateTerrain();
    // Colours again with the colour map chosen now.
    void recolor();

    const Terrain* terrain() const { return terrain_.get(); }
    const ViewCamera& camera() const { return camera_; }
    bool depthAnalysisMode() const { return depthAnalysis; }
    const std::array<int, 5>& legend() const { return legendPercentages; }
    float depthPlanePosition() const { return planeModel(2, 3); }
    // How often the terrain was built, for the tests of work done once.
    int terrainBuilds() const { return builds; }
    int geometryUploads() const { return uploads; }
    // Labels of the depth scale in the last frame drawn in depth analysis.
    int depthScaleLabelCount() const { return depthScaleLabels; }

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
        TerrainPositions,
        TerrainNormals,
        TerrainColors,
        OverlayPositions,
        OverlayColors,
        TerrainIndices,
        IsolinePositions,
        IsolineColors,
        PlanePositions,
        PlaneColors,
        BufferCount
    };

    // Drops a failed terrain (telling the user), else uploads it and its isoline.
    void buildAndUpload();
    void uploadTerrain();
    void uploadColors();
    template <typename Upload>
    void withContext(Upload uploadNow);
    void rebuildDepthPlane();
    void updateLegend(float blend);
    void checkGLError();
    void setMatrices(const QMatrix4x4& model);
    void bindAttribute(Buffer buffer, int location);
    void drawTerrain();
    void drawOverlayLines();
    void drawIsoline();
    void drawDepthPlane();
    void paintOverlay(const QMatrix4x4& model);
    void rotateBy(int dx, int dy);
    void handleTouch(QTouchEvent* event);
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
    std::unique_ptr<Terrain> terrain_;
    bool depthAnalysis = false;
    std::vector<QVector3D> planeCorners;
    QMatrix4x4 planeModel;
    std::array<int, 5> legendPercentages{};
    float legendBlend = 0.0f;
    int viewportWidth = 0;
    int viewportHeight = 0;
    ViewCamera camera_;
    QPoint lastPos{0, 0};
    std::array<QOpenGLBuffer, BufferCount> buffers;
    bool uploadPending = false;
    int builds = 0;
    int uploads = 0;
    int depthScaleLabels = 0;
};
