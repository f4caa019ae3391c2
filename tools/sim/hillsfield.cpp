#include "hillsfield.h"

#include <cmath>

std::unique_ptr<DataSetBrolSensor> hillsDataset(int tracks, int rows)
{
    auto dataset = std::make_unique<DataSetBrolSensor>();
    for (int t = 0; t < tracks; ++t) {
        std::vector<int16_t> track(static_cast<size_t>(rows));
        for (int r = 0; r < rows; ++r)
            track[size_t(r)] = int16_t(600 * std::sin(r * 0.02) * std::cos(t * 0.15) + (r * 31 + t * 17) % 23);
        dataset->appendTrack(std::move(track));
    }
    dataset->setProperty("width", float(tracks) / 2);
    dataset->setProperty("length", rows / 20);
    dataset->setProperty("sensor min", -2000);
    dataset->setProperty("sensor max", 2000);
    return dataset;
}
