#pragma once

#include "datasets/groundposition.h"

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <vector>

// Side of the square preview image stored with a dataset.
constexpr int previewSize = 128;

// The stored preview: the values (track after track) in the walking-order arrangement,
// coloured with colour map `map` over their range widened to minimumColorRange, scaled to
// previewSize × previewSize without filtering. Opaque RGB.
QImage datasetPreview(const std::vector<int16_t>& values, const FieldLayout& layout, int map);

// A picture as PNG bytes; empty when it cannot be encoded.
QByteArray pngOf(const QImage& picture);
