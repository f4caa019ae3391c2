#include "visualization/widgets/pickreadout.h"

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
    for (QLabel* label : {place, reading, distance}) {
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
    const ValueRange range = terrain->colorRangeEnds();
    alongTrack->setProfile(trackProfile(*terrain, *point), range, terrain->colormap());
    acrossField->setProfile(rowProfile(*terrain, *point), range, terrain->colormap());
}
