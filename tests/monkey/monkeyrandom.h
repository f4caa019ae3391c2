#pragma once

#include <cstdint>
#include <random>
#include <vector>

// Every decision of a run comes from this one generator, so that a seed replays the run
// (up to the timing of the network).
class MonkeyRandom
{
public:
    explicit MonkeyRandom(std::uint64_t seed) : engine(seed) {}

    // In [low, high].
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    double unit() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); }
    bool chance(double p) { return unit() < p; }
    template <typename T>
    const T& pick(const std::vector<T>& items) { return items[std::size_t(between(0, int(items.size()) - 1))]; }
    // An index drawn with the given weights.
    int weighted(const std::vector<int>& weights)
    {
        return std::discrete_distribution<int>(weights.begin(), weights.end())(engine);
    }

private:
    std::mt19937_64 engine;
};
