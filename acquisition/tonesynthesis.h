#pragma once

#include <QByteArray>

// One feedback tone: 8000 Hz mono signed 16-bit little-endian samples whose pitch glides
// linearly from `fromHz` to `toHz` under a triangular envelope (silent at both ends,
// loudest in the middle, peak magnitude 0.1875 of full scale).
QByteArray synthesizeTone(double fromHz, double toHz, int byteCount);

constexpr int toneSampleRate = 8000;
