#include "recording/widgets/fieldpreview.h"

#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "datasets/dataset.h"
#include "datasets/groundposition.h"
#include "datasets/resampletrack.h"
#include "recording/fieldpreviewcolumns.h"
#include "recording/viewdatasetrules.h"
#include "recording/widgets/trackwidget.h"
#include "recording/wrongvisexception.h"
#include "app/colormap.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <algorithm>

using FieldPreviewColumns::columnHeight;

FieldPreview::FieldPreview(QObject* parent)
    : RecordingVisualization(parent)
{
    view = new QWidget;
    viewLayout = new QVBoxLayout(view);
    trackLabel = new QLabel(view);
    strip = new QWidget(view);
    strip->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    // A map of the field: the first track stays on the side the operator started from,
    // also in a language written right to left.
    strip->setLayoutDirection(Qt::LeftToRight);
    stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->setSpacing(1);
    spacer = new QSpacerItem(1, 1, QSizePolicy::MinimumExpanding, QSizePolicy::Maximum);
    viewLayout->addWidget(trackLabel);
    viewLayout->addWidget(strip, 1);
    updateTrackLabel();
    icon_ = QIcon(QStringLiteral("://res/images/new/Icon1-Feldvorschau.png"));
}

FieldPreview::~FieldPreview()
{
    // The spacer belongs to the layout only while it is placed.
    if (stripLayout->indexOf(spacer) < 0)
        delete spacer;
    delete view;
}

QString FieldPreview::title()
{
    return tr("Field Preview");
}

QIcon FieldPreview::icon()
{
    return icon_;
}

bool FieldPreview::accepts(Dataset* d)
{
    return ViewDatasetRules::hasScalarValues(d);
}

QWidget* FieldPreview::widget()
{
    return view;
}

QString FieldPreview::trackLabelText() const
{
    return trackLabel->text();
}

void FieldPreview::updateTrackLabel()
{
    trackLabel->setText(tr("Current Track: ") + QStringLiteral(" %1").arg(finishedTracks.size() + 1));
}

void FieldPreview::placeSpacer(bool rightToLeft)
{
    if (stripLayout->indexOf(spacer) >= 0)
        stripLayout->removeItem(spacer);
    if (rightToLeft)
        stripLayout->addItem(spacer);
}

void FieldPreview::setDataset(Dataset* d)
{
    if (!accepts(d))
        throw S3D::WrongVisException();
    dataset = d;
    maxValue = INT_MIN;
    minValue = INT_MAX;
    drawnMin = 0;
    drawnColormap = -1;
    rowScale = 1.0f;
    finishedTracks.clear();
    if (startsInLastColumn(dataset->getProperty(QStringLiteral("start index")).toInt()))
        placeSpacer(true);
}

void FieldPreview::reset()
{
    finishedTracks.clear();
    currentTrack.clear();
    updateTrackLabel();
    dropColumns();
    drawnColormap = -1;
    placeSpacer(startsInLastColumn(Settings::recordCorner.read().toInt()));
}

void FieldPreview::addValues(std::vector<std::int16_t> values)
{
    if (!dataset)
        return;
    for (std::int16_t v : values) {
        minValue = std::min(minValue, int(v));
        maxValue = std::max(maxValue, int(v));
    }
    if (finishedTracks.empty() && currentTrack.empty() && maxValue - minValue < minimumColorRange) {
        const ValueRange widened = widenToMinimumColorRange({minValue, maxValue});
        minValue = widened.low;
        maxValue = widened.high;
    }
    const int datasetColumns = dataset->getProperty(QStringLiteral("columns")).toInt();
    if (datasetColumns != lastColumns) {
        if (!currentTrack.empty()) {
            if (datasetColumns == 1)
                rowScale = float(columnHeight) / float(currentTrack.size());
            finishedTracks.push_back(resampleTrack(currentTrack, columnHeight));
            currentTrack.clear();
        }
        lastColumns = datasetColumns;
        drawnColormap = -1;
    }
    currentTrack.insert(currentTrack.end(), values.begin(), values.end());
    updateTrackLabel();
    if (view->isVisible())
        redraw();
}

void FieldPreview::redraw()
{
    if (currentTrack.empty())
        return;
    const int n = dataset->getProperty(QStringLiteral("columns")).toInt();
    const int corner = dataset->getProperty(QStringLiteral("start index")).toInt();
    const bool parallel = dataset->getProperty(QStringLiteral("parallel")).toBool();
    const int map = Settings::colormap.read().toInt();
    const bool startsLeft = !startsInLastColumn(corner);

    if (minValue != drawnMin || maxValue != drawnMax || map != drawnColormap) {
        dropColumns();
        const int stored = std::min(n, int(finishedTracks.size()));
        for (int k = 0; k < stored; ++k) {
            const bool topDown = FieldPreviewColumns::finishedTrackTopDown(k, corner, parallel);
            addTrackColumn(FieldPreviewColumns::finishedColumn(finishedTracks[std::size_t(k)], topDown, minValue,
                                                               maxValue, map),
                           n, startsLeft);
        }
        TrackWidget* current = addTrackColumn(QImage(), n, startsLeft);
        stripLayout->setAlignment(current, Qt::AlignLeft);
        drawnMin = minValue;
        drawnMax = maxValue;
        drawnColormap = map;
    }
    const bool reversed = FieldPreviewColumns::currentTrackReversed(n, corner, parallel);
    columns.back()->setImage(
        FieldPreviewColumns::currentColumn(currentTrack, reversed, rowScale, minValue, maxValue, map));
}

void FieldPreview::dropColumns()
{
    // Out of the layout at once: deleted later, they would still count towards the strip's
    // minimum width beside their replacements, and the window, once widened, stays wide.
    for (TrackWidget* column : columns) {
        stripLayout->removeWidget(column);
        column->hide();
        column->deleteLater();
    }
    columns.clear();
}

TrackWidget* FieldPreview::addTrackColumn(QImage image, int columnCount, bool startsLeft)
{
    const int a = (strip->width() - columnCount) / (columnCount + 1);
    auto* column = new TrackWidget(strip);
    column->setMaximumWidth(int(screenDpi));
    column->setMinimumWidth(std::clamp(a, 0, int(screenDpi)));
    column->setImage(std::move(image));
    columns.push_back(column);
    if (startsLeft)
        stripLayout->addWidget(column);
    else
        stripLayout->insertWidget(0, column);
    return column;
}
