#include "visualization/terrain.h"

#include "datasets/dataset.h"
#include "visualization/crosstrackspline.h"
#include "visualization/depthanalysis.h"
#include "visualization/isolines.h"
#include "visualization/terraincoloring.h"
#include "visualization/terrainfilters.h"
#include "visualization/terrainstripcolors.h"

#include <QDebug>
#include <limits>
#include <new>
#include <stdexcept>

namespace {
int intProperty(const Dataset& dataset, const char* key)
{
    return dataset.getProperty(QString::fromLatin1(key)).toInt();
}

float floatProperty(const Dataset& dataset, const char* key)
{
    return dataset.getProperty(QString::fromLatin1(key)).toFloat();
}

// Points of the drawn field (ten per track across): four times the largest real survey, about
// 4 GB of build and vertex arrays. A declared grid beyond it (damaged metadata over a short value
// file reads as zeros) would run the machine out of memory instead of failing.
constexpr size_t maximumTerrainPoints = size_t(1) << 24;
} // namespace

Terrain::Terrain(Dataset* dataset, TerrainStart start)
    : dataset_(dataset)
    , depthAnalysis_(start.depthAnalysis)
    , options_(start.options)
    , boundaryFactor_(start.boundaryFactor)
{
    if (!dataset_)
        return;
    rows_ = intProperty(*dataset_, "rows");
    columns_ = intProperty(*dataset_, "columns");
    (void)buildTerrain();
}

void Terrain::setDepthAnalysis(bool depthAnalysis)
{
    depthAnalysis_ = depthAnalysis;
    (void)buildTerrain();
}

Outcome Terrain::buildTerrain()
{
    failed_ = 1;
    if (!dataset_) {
        lastBuild_ = Failure{QStringLiteral("no dataset"), {}};
        return lastBuild_;
    }
    QString reason;
    try {
        runPipeline();
    } catch (const std::bad_alloc&) {
        reason = QStringLiteral("out of memory");
        fail();
    } catch (const std::length_error&) {
        reason = QStringLiteral("arrays beyond their limits");
        fail();
    }
    if (failed_ == 0)
        lastBuild_ = {};
    else
        lastBuild_ = Failure{reason.isEmpty() ? QStringLiteral("the field is too large or empty") : reason,
                             tr("An internal error occured. Couldn't create Data from source.\n")};
    return lastBuild_;
}

void Terrain::runPipeline()
{
    FieldLayout layout;
    layout.rows = rows_;
    layout.columns = columns_;
    layout.startIndex = intProperty(*dataset_, "start index");
    layout.parallel = dataset_->getProperty(QStringLiteral("parallel")).toBool();
    grid_ = assembleGrid(dataset_->values(), layout);
    gridRows_ = int(shortestColumn(grid_));
    if (size_t(10) * grid_.size() * size_t(gridRows_) > maximumTerrainPoints) {
        qDebug() << "Field too large to show:" << grid_.size() << "x" << gridRows_;
        fail();
        return;
    }

    if (!depthAnalysis_) {
        if (options_.trackMatching)
            trackMatchingFilter(grid_);
        if (options_.valueQuantization)
            valueQuantizationFilter(grid_);
        if (options_.delta)
            deltaFilter(grid_);
        if (options_.outlier)
            outlierFilter(grid_);
    }
    grid_ = crossTrackSpline(grid_);
    if (options_.smoothing && !options_.outlier)
        smoothingFilter(grid_);
    wireframe_ = options_.wireframe;

    if (!createVisualization())
        return;
    colorRange_ = gridRange_;
    BuildArray<float>().swap(measuredRawValues_);
    recolor();
    if (!depthAnalysis_) {
        failed_ = 0;
        return;
    }
    // The colours stay those of the measured values; keep their source for recolouring.
    measuredRawValues_.swap(rawValues_);
    depthDeviationTransform(grid_);
    if (!createVisualization())
        return;
    depthFactor = depthFactorOf(grid_);
    qDebug().nospace() << "DepthFactor: " << depthFactor;
    scale_ = 1.0f;
    zScale_ = heightScale(scale_);
    failed_ = 0;
}

bool Terrain::createVisualization()
{
    // The drawn rows are those of the assembled field; extras appended to the last column
    // (the only column, for a single track) lie beyond them.
    const size_t length = std::min(shortestColumn(grid_), size_t(gridRows_));
    if (grid_.empty() || length == 0) {
        fail();
        return false;
    }
    const int width = int(grid_.size());
    const int rowsDrawn = int(length);
    terrainGridWidth_ = width;
    terrainGridLength_ = rowsDrawn;
    qDebug().nospace() << "terrainGridWidth: " << width << ", terrainGridLength: " << rowsDrawn;
    // Triangle indices are 32 bits wide.
    if (stripVertexCount(width, rowsDrawn) > std::numeric_limits<uint32_t>::max()) {
        fail();
        return false;
    }

    const size_t points = size_t(width) * length;
    resizeForBuild(heights_, points);
    resizeForBuild(rawValues_, points);
    resizeForBuild(pointNormals_, 3 * points);

    gridRange_ = sampleRange(grid_);
    const HeightRange range = normalizeHeights(grid_, width, rowsDrawn, gridRange_,
                                               heights_.data(), rawValues_.data());
    if (range.degenerate) {
        qDebug() << "Degenerated Field detected";
    } else {
        qDebug().nospace() << "min: " << gridRange_.min;
        qDebug().nospace() << "max: " << gridRange_.max;
    }
    minH_ = range.minH;
    maxH_ = range.maxH;

    spacing_ = sceneSpacing(floatProperty(*dataset_, "width"), floatProperty(*dataset_, "length"),
                            width, rowsDrawn, spacing_);
    computePointNormals(heights_.data(), width, rowsDrawn, spacing_, pointNormals_.data());
    fillStripPositions(heights_.data(), width, rowsDrawn, spacing_, positions_);
    fillStripNormals(pointNormals_.data(), width, rowsDrawn, normals_);
    fillStripIndices(width, rowsDrawn, indices_);

    const TerrainFrame f = frame();
    overlayLines_ = trackGridLines(f);
    if (depthAnalysis_)
        appendDepthBoxLines(f, overlayLines_);
    overlayColors_.assign(overlayLines_.size(), QVector3D(1.0f, 1.0f, 1.0f));

    zScale_ = heightScale(scale_);
    return true;
}

void Terrain::fail()
{
    failed_ = 1;
    for (auto* array : {&positions_, &colors_, &normals_})
        BuildArray<QVector3D>().swap(*array);
    for (auto* array : {&overlayLines_, &overlayColors_, &isolines_, &isolineColors_})
        std::vector<QVector3D>().swap(*array);
    BuildArray<uint32_t>().swap(indices_);
    for (auto* array : {&heights_, &rawValues_, &pointNormals_, &measuredRawValues_})
        BuildArray<float>().swap(*array);
    terrainGridWidth_ = 0;
    terrainGridLength_ = 0;
}

QString Terrain::failureTitle()
{
    return tr("Creating Visualization");
}

void Terrain::recolor()
{
    if (!dataset_ || heights_.empty())
        return;
    const TerrainColorRange range = terrainColorRange(
        colorRange_.min, colorRange_.max, intProperty(*dataset_, "sensor min"),
        intProperty(*dataset_, "sensor max"), boundaryFactor_);
    const TerrainColoring coloring{range, options_.colormap, options_.colorQuantization};
    colormap_ = coloring.map;
    const BuildArray<float>& source = measuredRawValues_.empty() ? rawValues_ : measuredRawValues_;
    fillStripColors(source.data(), terrainGridWidth_, terrainGridLength_, coloring, colorRange_,
                    colors_);
    ++colorings_;
}

float Terrain::heightScale(float s) const
{
    // A terrain whose drawn points all lie at one height has no span to divide by.
    if (!(maxH_ > minH_))
        return s;
    return (maxH_ / (maxH_ - minH_) + minH_) * s;
}

void Terrain::setScale(float s)
{
    scale_ = s;
    zScale_ = heightScale(s);
}

void Terrain::setBoundaryFactor(float b)
{
    boundaryFactor_ = b;
    recolor();
}

void Terrain::computeIsolines(float fraction)
{
    clearIsolines();
    if (failed_)
        return;
    const float level = minH_ + (maxH_ - minH_) * fraction;
    isolines_ = isolineSegments({heights_.data(), positions_.data(), positions_.size(),
                                 terrainGridWidth_, terrainGridLength_},
                                level);
    isolineColors_.assign(isolines_.size(), QVector3D(0.0f, 0.0f, 0.0f));
}

void Terrain::clearIsolines()
{
    isolines_.clear();
    isolineColors_.clear();
}

TerrainFrame Terrain::frame() const
{
    TerrainFrame f;
    f.width = terrainGridWidth_;
    f.length = terrainGridLength_;
    f.spacing = spacing_;
    f.rows = rows_;
    f.tracks = columns_;
    if (dataset_) {
        f.startIndex = intProperty(*dataset_, "start index");
        f.parallel = dataset_->getProperty(QStringLiteral("parallel")).toBool();
    }
    f.minH = minH_;
    return f;
}

QVector3D Terrain::startCornerPoint() const
{
    return ::startCornerPoint(frame());
}

std::vector<AxisLabel> Terrain::axisLabels() const
{
    if (!dataset_)
        return {};
    return ::axisLabels(frame(), floatProperty(*dataset_, "width"), floatProperty(*dataset_, "length"));
}

DepthBox Terrain::depthBox() const
{
    return ::depthBox(frame());
}
