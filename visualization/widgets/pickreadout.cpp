#include "visualization/widgets/pickreadout.h"

#include "datasets/dataset.h"
#include "datasets/fieldplacement.h"
#include "datasets/groundposition.h"
#include "visualization/terrain.h"
#include "visualization/terrainreadout.h"
#include "visualization/widgets/profileplot.h"

#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace {
// Whether any filter may make the drawn reading differ from the recorded one; the spline
// across the tracks alone keeps it on a track's own column.
bool filtered(const TerrainOptions& o)
{
    return o.trackMatching || o.valueQuantization || o.delta || o.outlier || o.smoothing || o.destagger
        || o.despike;
}

// Where the point's reading was taken on the earth, for a dataset placed by its start corner
// and bearing, as the map exports place it: the middle of its cell, counted along its track's
// walk from the start corner's side.
std::optional<QGeoCoordinate> geographicPosition(const Terrain& terrain, const PointReadout& r)
{
    if (!terrain.dataset())
        return std::nullopt;
    const Dataset& dataset = *terrain.dataset();
    const FieldLayout layout = fieldLayoutOf(dataset);
    const Result<FieldPlacement> placement = fieldPlacementOf(dataset);
    if (!placement || layout.rows <= 0 || layout.columns <= 0)
        return std::nullopt;
    const double cellLength = placement->length / layout.rows;
    const double cellWidth = placement->width / layout.columns;
    const bool backward = !layout.parallel && r.track % 2 == 0;  // tracks count from 1
    const double along = (backward ? layout.rows - r.row + 0.5 : r.row - 0.5) * cellLength;
    const double across = (r.track - 0.5) * cellWidth;
    if (!placement)
        return std::nullopt;
    const Result<FieldGeoreference> where = FieldGeoreference::of(placement.value());
    if (!where)
        return std::nullopt;
    const QGeoCoordinate point = where->toGeographic(planPointOfWalk(placement.value(), along, across));
    return point.isValid() ? std::optional<QGeoCoordinate>(point) : std::nullopt;
}
} // namespace

PickReadout::PickReadout(QWidget* parent)
    : QFrame(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("PICKED POINT"), this), 0, Qt::AlignCenter);
    place = new QLabel(this);
    reading = new QLabel(this);
    distance = new QLabel(this);
    position = new QLabel(this);
    for (QLabel* label : {place, reading, distance, position}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
    }
    alongTrack = new ProfilePlot(tr("Along the track"), this);
    acrossField = new ProfilePlot(tr("Across the field"), this);
    for (ProfilePlot* plot : {alongTrack, acrossField}) {
        layout->addWidget(plot);
        connect(plot, &ProfilePlot::opened, this, [this, plot] { emit plotOpened(plot); });
    }
    hide();
}

void PickReadout::showPoint(const Terrain* terrain, const std::optional<TerrainPoint>& point)
{
    setVisible(terrain && point);
    if (!terrain || !point)
        return;
    const PointReadout r = pointReadout(*terrain, *point);
    const QLocale locale;
    place->setText(tr("Track %1, row %2").arg(locale.toString(r.track), locale.toString(r.row)));
    const QString recorded = tr("Recorded: %1").arg(locale.toString(r.stored));
    reading->setText(filtered(terrain->options()) && !terrain->depthAnalysis()
                         ? recorded + QLatin1Char('\n') + tr("Filtered: %1").arg(locale.toString(qRound(r.shown)))
                         : recorded);
    distance->setText(tr("%1 m along, %2 m across")
                          .arg(locale.toString(r.along, 'f', 2), locale.toString(r.across, 'f', 2)));
    // Six decimals: a tenth of a metre.
    const std::optional<QGeoCoordinate> onEarth = geographicPosition(*terrain, r);
    position->setVisible(onEarth.has_value());
    if (onEarth)
        position->setText(tr("Latitude %1, longitude %2")
                              .arg(locale.toString(onEarth->latitude(), 'f', 6),
                                   locale.toString(onEarth->longitude(), 'f', 6)));
    const ValueRange range = terrain->colorRangeEnds();
    alongTrack->setProfile(trackProfile(*terrain, *point), range, terrain->colormap());
    acrossField->setProfile(rowProfile(*terrain, *point), range, terrain->colormap());
}
