#pragma once

#include "datasets/groundposition.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

// Side of the square preview image stored with a dataset.
constexpr int previewSize = 128;

// The stored preview: the values (track after track) in the walking-order arrangement,
// coloured with colour map `map` over their range widened to minimumColorRange, scaled to
// previewSize × previewSize without filtering. Opaque RGB.
QImage datasetPreview(const std::vector<int16_t>& values, const FieldLayout& layout, int map);

// Replaces the stored preview of dataset `id` with `preview` as PNG; the old preview stays until
// the new one is complete. False when it cannot be written.
bool storeDatasetPreview(const QString& id, const QImage& preview);
