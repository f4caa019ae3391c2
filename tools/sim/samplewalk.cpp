#include "samplewalk.h"

#include "datasets/gridcleaning.h"
#include "probemessage.h"
#include "surveyfield.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

namespace {
constexpr double noiseCounts = 60.0; // peak to peak
constexpr quint32 noiseStream = 0x9e3779b9u;

// Rows on the ground that the reading of column x was taken behind where it lies.
int reportedLate(const SampleWalk& walk, const FieldLayout& layout, int column)
{
    if (!isReverseColumn(layout, column))
        return 0;
    return runsFromLastRow(layout.startIndex, layout.parallel, column) ? -walk.lag : walk.lag;
}
} // namespace

FieldLayout sampleLayout(const SampleWalk& walk)
{
    return {walk.rows, walk.tracks, walk.startIndex, walk.parallel};
}

std::vector<std::vector<std::int16_t>> walkedReadings(const SampleWalk& walk)
{
    const FieldLayout layout = sampleLayout(walk);
    const double rowSpacing = double(walk.lengthMetres) / std::max(1, walk.rows);
    const SurveyField field(walk.seed, walk.objects, walk.tracks * sampleTrackSpacing, walk.lengthMetres);
    QRandomGenerator noise(walk.seed ^ noiseStream);
    const auto [low, high] = probeValueRange(walk.probeId);

    std::vector<std::vector<std::int16_t>> tracks(size_t(walk.tracks), std::vector<std::int16_t>(size_t(walk.rows)));
    for (int t = 0; t < walk.tracks; ++t) {
        for (int r = 0; r < walk.rows; ++r) {
            const GroundPoint at = columnParityPosition(layout, t, r);
            const double taken = at.y - reportedLate(walk, layout, at.x) + 0.5;
            const double value = field.readingAt((at.x + 0.5) * sampleTrackSpacing, taken * rowSpacing)
                                 + (noise.generateDouble() - 0.5) * noiseCounts;
            tracks[size_t(t)][size_t(r)] = std::int16_t(std::clamp(std::lround(value), long(low), long(high)));
        }
    }
    return tracks;
}
