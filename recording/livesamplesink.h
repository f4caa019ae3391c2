#pragma once

#include <cstdint>
#include <vector>

// What the recorder feeds with every new sample: the live views of the recording screen.
class LiveSampleSink
{
public:
    virtual void addValues(std::vector<std::int16_t> values) = 0;

protected:
    ~LiveSampleSink() = default;
};
