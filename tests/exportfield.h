#pragma once

// The field the survey export tests write: 4 tracks of 4 values, walked in zig-zag from the
// last column and the last row, track width 0.9 and length 2, so cells of 0.9 by 0.5 (not
// square). Track t holds ±(100 (t + 1) + row), negative for odd t, so every value is distinct.

#include "app/appsettings.h"
#include "datasets/familyclasses.h"

#include <QDir>
#include <QString>

namespace ExportField {
constexpr int tracks = 4;
constexpr int rows = 4;
constexpr double cellWidth = 0.9;
constexpr double cellLength = 0.5;

inline int stored(int track, int row)
{
    const int value = 100 * (track + 1) + row;
    return track % 2 ? -value : value;
}

// Saves the field into the dataset folder; its identifier, empty when saving failed.
inline QString store(const QString& name, double trackWidth = cellWidth, int length = 2)
{
    DataSetBrolSensor dataset;
    dataset.setProperty("track width", trackWidth);
    dataset.setProperty("length", length);
    dataset.setProperty("start index", 2);
    dataset.setProperty("parallel", false);
    for (int t = 0; t < tracks; ++t) {
        std::vector<int16_t> track;
        for (int r = 0; r < rows; ++r)
            track.push_back(int16_t(stored(t, r)));
        dataset.appendTrack(track);
    }
    dataset.setName(name);
    return dataset.save() ? dataset.id() : QString();
}
// Removes every dataset from the dataset folder; the settings file stays.
inline bool removeStoredDatasets()
{
    QDir folder(documentsFolder());
    bool removed = true;
    for (const QString& name : folder.entryList({"*.xml", "*.s3d", "*.png"}, QDir::Files))
        removed = folder.remove(name) && removed;
    return removed;
}
} // namespace ExportField
