#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

// The column pictures of the field preview, one pixel wide, without widgets.
namespace FieldPreviewColumns {

constexpr int columnHeight = 400;

// A finished track (already resampled to columnHeight values), written top-down or bottom-up.
QImage finishedColumn(const std::vector<std::int16_t>& track, bool topDown, int low, int high, int map);

// The track being walked, drawn at the scale the first track set (rowScale pixels per sample,
// compressed when longer than that); the rest of the column stays grey.
QImage currentColumn(const std::vector<std::int16_t>& samples, bool reversed, float rowScale, int low,
                     int high, int map);

// Whether finished track k runs top-down, as the start corner and pattern walk it.
bool finishedTrackTopDown(int k, int corner, bool parallel);
// Whether the track being walked (number `finished`, from 0) is drawn bottom-up.
bool currentTrackReversed(int finished, int corner, bool parallel);

} // namespace FieldPreviewColumns
