#pragma once

#include "datasets/groundposition.h"

#include <QtGlobal>
#include <cstdint>
#include <vector>

// How a sample survey walks a seeded field: the probe, the walk and the field's size.
struct SampleWalk
{
    int probeId = 170;
    bool parallel = false;
    int startIndex = 0;   // the start corner, as the dataset's "start index"
    int tracks = 40;
    int rows = 330;
    // Rows by which the reverse tracks of a zig-zag walk report late, along their own walking
    // direction (the sign of the destagger's estimate).
    int lag = 0;
    int lengthMetres = 33;
    int objects = 5;
    quint32 seed = 1;
};

// Tracks lie this far apart: the narrow width of the single-sensor probes, which every family
// can record.
constexpr double sampleTrackSpacing = 0.4;
constexpr std::uint8_t sampleWidthCode = 3;

FieldLayout sampleLayout(const SampleWalk& walk);

// What the probe reports on each track, in walking order: the field's reading where the walker
// was `lag` rows earlier on a reverse track, plus seeded noise, within the family's value range.
std::vector<std::vector<std::int16_t>> walkedReadings(const SampleWalk& walk);
