#include "datasets/valuefile.h"

#include <QtEndian>

QByteArray encodeValueFile(const QByteArray& header, const std::vector<int16_t>& values)
{
    QByteArray bytes(header.size() + int(2 * values.size()), Qt::Uninitialized);
    std::copy(header.begin(), header.end(), bytes.begin());
    uchar* out = reinterpret_cast<uchar*>(bytes.data()) + header.size();
    for (const int16_t value : values) {
        qToLittleEndian<qint16>(value, out);
        out += 2;
    }
    return bytes;
}

std::vector<std::vector<int16_t>> decodeTracks(const QByteArray& bytes, int rows, int columns)
{
    std::vector<std::vector<int16_t>> tracks(size_t(std::max(columns, 0)),
                                             std::vector<int16_t>(size_t(std::max(rows, 0)), 0));
    const auto* in = reinterpret_cast<const uchar*>(bytes.constData());
    const size_t available = size_t(bytes.size()) / 2;
    size_t index = 0;
    for (auto& track : tracks) {
        for (auto& value : track) {
            if (index >= available)
                return tracks;
            value = qFromLittleEndian<qint16>(in + 2 * index);
            ++index;
        }
    }
    return tracks;
}
