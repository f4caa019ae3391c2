#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// The value file: the family's header text, then every value as signed 16-bit little-endian,
// track after track. Its length is not stored; "rows" and "columns" of the metadata give it.
QByteArray encodeValueFile(const QByteArray& header, const std::vector<int16_t>& values);

// `columns` tracks of `rows` values from the bytes that follow the header. Values beyond the
// end of the bytes read 0.
std::vector<std::vector<int16_t>> decodeTracks(const QByteArray& bytes, int rows, int columns);
