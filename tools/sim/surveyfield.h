#pragma once

#include <vector>

// A synthetic field with a few buried objects, walked track after track in zig-zag order.
// Gives the probe's raw reading (before the 24-bit scaling) at any time of the walk.
class SurveyField
{
public:
    struct BuriedObject
    {
        double across;   // metres from the first track
        double along;    // metres from the field's start edge
        double radius;   // spread of the anomaly, grows with depth
        double strength; // positive for metal, negative for cavities
    };

    SurveyField();

    // The reading at `seconds` since the walk began, without noise.
    double readingAt(double seconds) const;
    double readingAt(double across, double along) const;
    // Where the walker is at `seconds`: track index and metres along the track.
    void positionAt(double seconds, int& track, double& along) const;

    double baseline() const { return baseline_; }

private:
    double trackSpacing_ = 0.5;
    int trackCount_ = 6;
    double trackLength_ = 4.0;
    double walkingSpeed_ = 0.5; // metres per second
    double baseline_ = 1500.0;
    std::vector<BuriedObject> objects_;
};
