#pragma once

#include "app/result.h"
#include "visualization/terrainmesh.h"
#include "visualization/terraingeometry.h"
#include "visualization/terraingrid.h"
#include "visualization/terrainoverlay.h"
#include "visualization/terrainoptions.h"

#include <QCoreApplication>
#include <QVector3D>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class Dataset;
class SampleHistogram;

// What the first build of a new terrain uses, so that a screen that sets the mode and the
// colour blend right after construction finds them in place and builds nothing again.
struct TerrainStart
{
    bool depthAnalysis = false;
    float boundaryFactor = 0.0f;
    TerrainOptions options;
    float scale = 1.0f;
    // The full mesh's positions and colours as arrays; a renderer that takes them in parts
    // (meshPositions, meshColors) leaves them out, so that a large field never holds them twice.
    bool wholeMesh = true;
};

// What a terrain is built from: a copy of the dataset's values and of the members the build
// reads, taken on the thread that owns the dataset, so that a build on another thread never
// touches the dataset.
struct TerrainSource
{
    std::vector<int16_t> values;
    int rows = 0;
    int columns = 0;
    int startIndex = 0;
    bool parallel = false;
    bool scalar2 = false;
    float width = 0.0f;
    float length = 0.0f;
    int sensorMin = 0;
    int sensorMax = 0;
};

TerrainSource terrainSource(const Dataset& dataset);

// The CPU side of the 3D view of one dataset: the grid built from the dataset's values,
// filtered, interpolated across the tracks, normalised to heights 0..1, and the arrays the
// renderer uploads (the mesh, a reduced mesh on a large field, overlay lines, isolines).
// Every build starts again from the dataset's values, so filters never accumulate. A terrain
// reads its dataset once, when it is made; dataset() only names it.
class Terrain
{
    Q_DECLARE_TR_FUNCTIONS(Terrain)
    // Its arrays run to hundreds of megabytes; nothing copies a terrain.
    Q_DISABLE_COPY(Terrain)

public:
    // Reads "rows" and "columns" and builds at once (in value mode, coloured by the probe's
    // range, unless `start` says otherwise).
    explicit Terrain(Dataset* dataset, TerrainStart start = {});
    // From a copy made earlier (any thread may build it); `dataset` is only its name.
    Terrain(TerrainSource source, TerrainStart start, const Dataset* dataset);

    // The whole pipeline with the options set last; fails (and failed() is 1) when nothing can
    // be shown. The screen that builds the terrain tells the user with the failure's text under
    // failureTitle().
    Outcome buildTerrain();
    // The outcome of the latest build (the constructor's or a later one).
    const Outcome& lastBuild() const { return lastBuild_; }
    static QString failureTitle();
    // The contrast clip's name, in the menu and on the legend.
    static QString contrastClipTitle();
    // Takes effect with the next build or recolour.
    void setOptions(const TerrainOptions& options) { options_ = options; }
    const TerrainOptions& options() const { return options_; }
    // Stores the mode and builds again. Depth analysis keeps the colours of the measured
    // values on heights that show each point's deviation from the mean.
    void setDepthAnalysis(bool depthAnalysis);
    // zScale = (maxH / (maxH - minH) + minH) * s.
    void setScale(float s);
    // Blend between the data's (1) and the probe's (0) range for the colours; recolours.
    void setBoundaryFactor(float b);
    // Colours the strip vertices again with the options' colour map and quantisation.
    void recolor();
    void setGridTransluency(float t) { gridTransluency_ = t; }
    void setOccludeGrid(bool occlude) { occludeGrid_ = occlude; }
    // The isoline at minH + (maxH - minH) * fraction, replacing any previous one.
    void computeIsolines(float fraction);
    void clearIsolines();

    int failed() const { return failed_; }
    // How often the strip vertices were coloured, for the tests of work done once.
    int colorings() const { return colorings_; }
    const Dataset* dataset() const { return dataset_; }
    const TerrainSource& source() const { return source_; }
    const TerrainGrid& grid() const { return grid_; }
    int rows() const { return rows_; }
    int columns() const { return columns_; }

    // The full mesh, and on a large field a reduced one (every step-th point) to draw while the
    // view moves; empty when the full mesh is small enough to move smoothly.
    const TerrainMesh& mesh() const { return mesh_; }
    const TerrainMesh& reducedMesh() const { return reducedMesh_; }
    // The full mesh's positions and colours of points [first, first + count), as the arrays
    // hold them.
    void meshPositions(size_t first, size_t count, QVector3D* out) const;
    void meshColors(size_t first, size_t count, QVector3D* out) const;
    // Frees the vertex arrays once the renderer holds them; a recolour fills the colours anew.
    void releaseMeshArrays();
    bool meshReleased() const { return !mesh_.empty() && mesh_.normals.empty(); }
    // For the renderer, which frees each array as soon as it holds it.
    TerrainMesh& meshForUpload() { return mesh_; }
    const std::vector<QVector3D>& overlayLines() const { return overlayLines_; }
    const std::vector<QVector3D>& overlayColors() const { return overlayColors_; }
    const std::vector<QVector3D>& isolines() const { return isolines_; }
    const std::vector<QVector3D>& isolineColors() const { return isolineColors_; }
    // Per grid point, index column + terrainGridWidth * row.
    const BuildArray<float>& heights() const { return heights_; }
    const BuildArray<float>& rawValues() const { return rawValues_; }
    // The reading drawn at a grid point, the one its colour shows (in depth analysis the
    // measured reading, not the deviation).
    float drawnReading(int column, int row) const
    {
        return colorSource()[size_t(column) + size_t(terrainGridWidth_) * size_t(row)];
    }

    int terrainGridWidth() const { return terrainGridWidth_; }
    int terrainGridLength() const { return terrainGridLength_; }
    bool depthAnalysis() const { return depthAnalysis_; }
    // As drawn by the latest build.
    bool wireframe() const { return wireframe_; }
    bool occludeGrid() const { return occludeGrid_; }
    float gridTransluency() const { return gridTransluency_; }
    int colormap() const { return colormap_; }
    float dx() const { return spacing_.dx; }
    float dy() const { return spacing_.dy; }
    float zScale() const { return zScale_; }
    float scale() const { return scale_; }
    float boundaryFactor() const { return boundaryFactor_; }
    float minH() const { return minH_; }
    float maxH() const { return maxH_; }
    // Of the latest depth-analysis build (0 in value analysis).
    float depthFactor() const { return depthFactor_; }
    // The destagger of the latest build: whether it ran, the shift it estimated and the one
    // it applied (a shift set by hand wins over the estimate).
    bool destaggered() const { return destaggered_; }
    int staggerEstimate() const { return staggerEstimate_; }
    int staggerShift() const { return staggerShift_; }
    // The latest build took the colour range from percentiles of the drawn readings.
    bool contrastClipped() const { return bool(drawnReadings_); }
    // The ends of the colour range the points are coloured with now.
    ValueRange colorRangeEnds() const;
    // The legend's shares of the drawn readings in the clipped range blended by `blend`, as
    // the colours are; zeros unless contrastClipped().
    std::array<int, 5> clippedLegendPercentages(float blend) const;

    // The normals the overlay lines, isolines and depth plane are lit with: those of the first
    // `count` vertices of the mesh as strips (strip vertex 2 (r width + k) is point (k, r), the
    // next one point (k, r + 1)); zero beyond the strips.
    std::vector<QVector3D> lineNormals(size_t count) const;

    QVector3D startCornerPoint() const;
    std::vector<AxisLabel> axisLabels() const;
    DepthBox depthBox() const;

private:
    void runPipeline();
    void cleanSurvey();
    void clipColorRange();
    bool createVisualization();
    void fail();
    void fillReducedMesh();
    TerrainColoring currentColoring() const;
    const BuildArray<float>& colorSource() const;
    TerrainFrame frame() const;
    float heightScale(float s) const;

    int failed_ = 1;
    Outcome lastBuild_;
    int colorings_ = 0;
    const Dataset* dataset_ = nullptr;
    TerrainSource source_;
    TerrainGrid grid_;
    int rows_ = 0;
    int columns_ = 0;
    // Rows of the assembled grid: the drawn length, whatever extras the filters append.
    int gridRows_ = 0;

    TerrainMesh mesh_;
    TerrainMesh reducedMesh_;
    int reducedStep_ = 1;
    std::vector<QVector3D> overlayLines_;
    std::vector<QVector3D> overlayColors_;
    std::vector<QVector3D> isolines_;
    std::vector<QVector3D> isolineColors_;
    BuildArray<float> heights_;
    BuildArray<float> rawValues_;
    // What the colours are made of: the value pass's raw values and grid range. In depth
    // analysis the raw values of the measured grid are kept here, so that a recolour still
    // shows the measured values and not the deviations.
    BuildArray<float> measuredRawValues_;
    SampleRange colorRange_;
    SampleRange gridRange_;

    bool depthAnalysis_ = false;
    float gridTransluency_ = 0.0f;
    bool occludeGrid_ = false;
    int colormap_ = 1;
    TerrainOptions options_;
    bool wireframe_ = false;
    bool wholeMesh_ = true;
    SceneSpacing spacing_;
    float zScale_ = 1.0f;
    float scale_ = 1.0f;
    float boundaryFactor_ = 0.0f;
    float maxH_ = 1.0f;
    float minH_ = 0.0f;
    float depthFactor_ = 0.0f;
    bool destaggered_ = false;
    int staggerEstimate_ = 0;
    int staggerShift_ = 0;
    // The drawn readings of the value pass, kept for the legend when the colours are clipped.
    std::shared_ptr<const SampleHistogram> drawnReadings_;
    int terrainGridWidth_ = 0;
    int terrainGridLength_ = 0;
};
