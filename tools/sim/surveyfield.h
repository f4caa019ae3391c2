#pragma once

#include <QtGlobal>
#include <vector>

// A synthetic field with a few buried objects, walked track after track in zig-zag order
// with a short stop after every track. Gives the probe's reading at any time of the walk, or
// at any place of the field (the sample surveys walk it that way).
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

    // Where the walker is at a moment of the survey.
    struct Pose
    {
        int track;          // index of the track walked (or just finished), 0-based
        double along;       // metres along the field from its start edge
        bool walking;       // false during the stop after a track
        int tracksFinished; // tracks completed since the walk began
    };

    SurveyField();
    // `count` objects scattered by `seed` over a field `width` across and `length` along (metres).
    SurveyField(quint32 seed, int count, double width, double length);
    // Seconds to walk one track and to stand still after it.
    void setPace(double trackSeconds, double stopSeconds);

    Pose poseAt(double seconds) const;
    // The reading at `seconds` since the walk began, without noise.
    double readingAt(double seconds) const;
    double readingAt(double across, double along) const;

    double baseline() const { return baseline_; }
    double trackSeconds() const { return trackLength_ / walkingSpeed_; }
    double stopSeconds() const { return stopSeconds_; }

private:
    double trackSpacing_ = 0.5;
    int trackCount_ = 6;
    double trackLength_ = 4.0;
    double walkingSpeed_ = 0.5; // metres per second
    double stopSeconds_ = 1.5;  // standing still between tracks
    double baseline_ = 1500.0;
    std::vector<BuriedObject> objects_;
};
