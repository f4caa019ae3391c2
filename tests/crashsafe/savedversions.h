#pragma once

// The datasets the save loop writes describe themselves: version n is named "v<n>", has
// trackCount(n) tracks of rowCount(n) values valueAt(n, k), and edits only change its location
// (to "edited <m>") and coordinate. A checker recomputes from the name what must be stored.
#include <QString>
#include <cstdint>
#include <vector>

namespace SavedVersions {

inline int rowCount(qint64 n) { return 3 + int(n % 7); }
inline int trackCount(qint64 n) { return 1 + int(n % 5); }

inline int16_t valueAt(qint64 n, int k)
{
    return int16_t((n * 7919 + qint64(k) * 104729) % 65536 - 32768);
}

inline std::vector<int16_t> track(qint64 n, int t)
{
    std::vector<int16_t> values;
    for (int r = 0; r < rowCount(n); ++r)
        values.push_back(valueAt(n, t * rowCount(n) + r));
    return values;
}

inline std::vector<int16_t> allValues(qint64 n)
{
    std::vector<int16_t> values;
    for (int k = 0; k < rowCount(n) * trackCount(n); ++k)
        values.push_back(valueAt(n, k));
    return values;
}

inline QString nameOf(qint64 n) { return QStringLiteral("v%1").arg(n); }

} // namespace SavedVersions
