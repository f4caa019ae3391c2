#include "visualization/terrain.h"

#include "datasets/dataset.h"
#include "datasets/gridcleaning.h"
#include "datasets/samplehistogram.h"
#include "visualization/crosstrackspline.h"
#include "visualization/depthanalysis.h"
#include "visualization/isolines.h"
#include "visualization/terraincoloring.h"
#include "visualization/terrainfilters.h"
#include "visualization/terrainpointcolors.h"

#include <QDebug>
#include <limits>
#include <new>
#include <stdexcept>

namespace {
// Points of the drawn field (ten per track across): four times the largest real survey, about
// 4 GB of build and vertex arrays. A declared grid beyond it (damaged metadata over a short value
// file reads as zeros) would run the machine out of memory instead of failing.
constexpr size_t maximumTerrainPoints = size_t(1) << 24;
} // namespace

TerrainSource terrainSource(const Dataset& dataset)
{
    const auto property = [&](const char* key) { return dataset.getProperty(QString::fromLatin1(key)); };
    TerrainSource source;
    source.values = dataset.values();
    source.rows = property("rows").toInt();
    source.columns = property("columns").toInt();
    source.startIndex = property("start index").toInt();
    source.parallel = property("parallel").toBool();
    source.scalar2 = property("scalar2").toBool();
    source.width = property("width").toFloat();
    source.length = property("length").toFloat();
    source.sensorMin = property("sensor min").toInt();
    source.sensorMax = property("sensor max").toInt();
    return source;
}

Terrain::Terrain(Dataset* dataset, TerrainStart start)
    : Terrain(dataset ? terrainSource(*dataset) : TerrainSource{}, start, dataset)
{
}

Terrain::Terrain(TerrainSource source, TerrainStart start, const Dataset* dataset)
    : dataset_(dataset)
    , source_(std::move(source))
    , depthAnalysis_(start.depthAnalysis)
    , options_(start.options)
    , wholeMesh_(start.wholeMesh)
    , scale_(start.scale)
    , boundaryFactor_(start.boundaryFactor)
{
    if (!dataset_)
        return;
    rows_ = source_.rows;
    columns_ = source_.columns;
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
    layout.startIndex = source_.startIndex;
    layout.parallel = source_.parallel;
    grid_ = assembleGrid(source_.values, layout);
    gridRows_ = int(shortestColumn(grid_));
    if (size_t(10) * grid_.size() * size_t(gridRows_) > maximumTerrainPoints) {
        qDebug() << "Field too large to show:" << grid_.size() << "x" << gridRows_;
        fail();
        return;
    }

    cleanSurvey();
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
    depthFactor_ = 0.0f;
    colorRange_ = gridRange_;
    clipColorRange();
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
    depthFactor_ = depthFactorOf(grid_);
    qDebug().nospace() << "DepthFactor: " << depthFactor_;
    scale_ = 1.0f;
    zScale_ = heightScale(scale_);
    failed_ = 0;
}

void Terrain::cleanSurvey()
{
    FieldLayout layout{gridRows_, int(grid_.size()), source_.startIndex, source_.parallel};
    destaggered_ = options_.destagger && !source_.parallel;
    staggerEstimate_ = destaggered_ ? estimateStaggerShift(grid_, layout) : 0;
    staggerShift_ = destaggered_ ? options_.staggerShift.value_or(staggerEstimate_) : 0;
    // The shift moves readings along the tracks, so it holds in depth analysis as well.
    if (destaggered_)
        destagger(grid_, layout, staggerShift_);
    if (options_.despike && !depthAnalysis_)
        despike(grid_);
}

void Terrain::clipColorRange()
{
    drawnReadings_.reset();
    if (!options_.contrastClip)
        return;
    auto readings = std::make_shared<SampleHistogram>(grid_, size_t(terrainGridLength_));
    const ClipPercentiles clip;
    colorRange_ = {readings->percentile(clip.low), readings->percentile(clip.high), false};
    drawnReadings_ = std::move(readings);
}

ValueRange Terrain::colorRangeEnds() const
{
    const TerrainColorRange range = currentColoring().range;
    return {range.low, range.low + range.span};
}

std::array<int, 5> Terrain::clippedLegendPercentages(float blend) const
{
    if (!drawnReadings_)
        return {0, 0, 0, 0, 0};
    const TerrainColorRange range = terrainColorRange(colorRange_.min, colorRange_.max, source_.sensorMin,
                                                      source_.sensorMax, blend);
    return binPercentages(*drawnReadings_, {range.low, range.low + range.span});
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

    const size_t points = size_t(width) * length;
    resizeForBuild(heights_, points);
    resizeForBuild(rawValues_, points);
    mesh_.width = width;
    mesh_.length = rowsDrawn;
    resizeForBuild(mesh_.normals, 3 * points);

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

    spacing_ = sceneSpacing(source_.width, source_.length, width, rowsDrawn, spacing_);
    computePointNormals(heights_.data(), width, rowsDrawn, spacing_, mesh_.normals.data());
    if (wholeMesh_)
        fillPointPositions(heights_.data(), width, rowsDrawn, spacing_, mesh_.positions);
    mesh_.stripsPerBlock = stripsPerBlock(width, rowsDrawn);
    fillBlockIndices(width, mesh_.stripsPerBlock, mesh_.blockIndices);
    fillReducedMesh();

    const TerrainFrame f = frame();
    overlayLines_ = trackGridLines(f);
    if (depthAnalysis_)
        appendDepthBoxLines(f, overlayLines_);
    overlayColors_.assign(overlayLines_.size(), QVector3D(1.0f, 1.0f, 1.0f));

    zScale_ = heightScale(scale_);
    return true;
}

void Terrain::fillReducedMesh()
{
    reducedStep_ = reducedMeshStep(mesh_.width, mesh_.length);
    if (reducedStep_ == 1) {
        reducedMesh_.release();
        reducedMesh_.width = reducedMesh_.length = 0;
        return;
    }
    reduceMesh(mesh_, heights_.data(), spacing_, reducedStep_, reducedMesh_);
}

void Terrain::releaseMeshArrays()
{
    mesh_.release();
    reducedMesh_.release();
}

void Terrain::fail()
{
    failed_ = 1;
    for (TerrainMesh* mesh : {&mesh_, &reducedMesh_}) {
        mesh->release();
        mesh->width = mesh->length = 0;
    }
    for (auto* array : {&overlayLines_, &overlayColors_, &isolines_, &isolineColors_})
        std::vector<QVector3D>().swap(*array);
    for (auto* array : {&heights_, &rawValues_, &measuredRawValues_})
        BuildArray<float>().swap(*array);
    terrainGridWidth_ = 0;
    terrainGridLength_ = 0;
    drawnReadings_.reset();
}

QString Terrain::failureTitle()
{
    return tr("Creating Visualization");
}

QString Terrain::contrastClipTitle()
{
    return tr("Clip 2–98 %");
}

void Terrain::recolor()
{
    if (!dataset_ || heights_.empty())
        return;
    const TerrainColoring coloring = currentColoring();
    colormap_ = coloring.map;
    if (wholeMesh_)
        fillPointColors(colorSource().data(), terrainGridWidth_, terrainGridLength_, coloring, colorRange_,
                        mesh_.colors);
    if (reducedStep_ > 1) {
        PointColorTable color(coloring, colorRange_);
        reduceColors(mesh_, colorSource().data(), color, reducedStep_, reducedMesh_);
    }
    ++colorings_;
}

TerrainColoring Terrain::currentColoring() const
{
    const TerrainColorRange range = terrainColorRange(colorRange_.min, colorRange_.max, source_.sensorMin,
                                                      source_.sensorMax, boundaryFactor_);
    return TerrainColoring{range, options_.colormap, options_.colorQuantization};
}

const BuildArray<float>& Terrain::colorSource() const
{
    return measuredRawValues_.empty() ? rawValues_ : measuredRawValues_;
}

void Terrain::meshPositions(size_t first, size_t count, QVector3D* out) const
{
    const int width = terrainGridWidth_;
    for (size_t i = first; i < first + count; ++i, ++out)
        *out = gridPointPosition(int(i % size_t(width)), int(i / size_t(width)), width, terrainGridLength_,
                                 spacing_, heights_[i]);
}

void Terrain::meshColors(size_t first, size_t count, QVector3D* out) const
{
    PointColorTable color(currentColoring(), colorRange_);
    const float* raw = colorSource().data() + first;
    for (size_t i = 0; i < count; ++i)
        out[i] = color(raw[i]);
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
    isolines_ = isolineSegments({heights_.data(), terrainGridWidth_, terrainGridLength_, spacing_}, level);
    isolineColors_.assign(isolines_.size(), QVector3D(0.0f, 0.0f, 0.0f));
}

void Terrain::clearIsolines()
{
    isolines_.clear();
    isolineColors_.clear();
}

std::vector<QVector3D> Terrain::lineNormals(size_t count) const
{
    std::vector<QVector3D> normals(count);
    const int width = terrainGridWidth_;
    const int length = terrainGridLength_;
    if (count == 0 || width < 1 || length < 2 || heights_.size() < size_t(width) * size_t(length))
        return normals;
    const size_t perStrip = size_t(2) * size_t(width);
    const size_t strips = std::min(size_t(length - 1), (count + perStrip - 1) / perStrip);
    // Normals of the rows those strips touch; one row more keeps the last one's neighbours.
    const int rows = int(std::min(size_t(length), strips + 2));
    std::vector<float> pointNormals(size_t(3) * size_t(width) * size_t(rows));
    computePointNormals(heights_.data(), width, rows, spacing_, pointNormals.data());
    for (size_t j = 0; j < count && j < strips * perStrip; ++j) {
        const size_t r = j / perStrip + (j & 1u);
        const size_t k = (j % perStrip) / 2;
        const float* n = pointNormals.data() + 3 * (k + size_t(width) * r);
        normals[j] = QVector3D(n[0], n[1], n[2]);
    }
    return normals;
}

TerrainFrame Terrain::frame() const
{
    TerrainFrame f;
    f.width = terrainGridWidth_;
    f.length = terrainGridLength_;
    f.spacing = spacing_;
    f.rows = rows_;
    f.tracks = columns_;
    f.startIndex = source_.startIndex;
    f.parallel = source_.parallel;
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
    return ::axisLabels(frame(), source_.width, source_.length);
}

DepthBox Terrain::depthBox() const
{
    return ::depthBox(frame());
}
