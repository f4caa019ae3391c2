#include "surveyfield.h"

#include <cmath>

SurveyField::SurveyField()
    : objects_{{0.8, 1.2, 0.35, 9000.0},
               {2.1, 2.9, 0.6, 5000.0},
               {1.5, 0.6, 0.45, -3500.0},
               {2.6, 1.4, 0.25, 7000.0}}
{
}

void SurveyField::positionAt(double seconds, int& track, double& along) const
{
    const double trackSeconds = trackLength_ / walkingSpeed_;
    const long walked = long(std::floor(seconds / trackSeconds));
    track = int(walked % trackCount_);
    const double fraction = (seconds - double(walked) * trackSeconds) / trackSeconds;
    // Zig-zag: every second track is walked back towards the start edge.
    along = (track % 2 == 0 ? fraction : 1.0 - fraction) * trackLength_;
}

double SurveyField::readingAt(double across, double along) const
{
    double value = baseline_;
    for (const BuriedObject& object : objects_) {
        const double dx = across - object.across;
        const double dy = along - object.along;
        value += object.strength * std::exp(-(dx * dx + dy * dy) / (2.0 * object.radius * object.radius));
    }
    return value;
}

double SurveyField::readingAt(double seconds) const
{
    int track = 0;
    double along = 0.0;
    positionAt(seconds, track, along);
    return readingAt(track * trackSpacing_, along);
}
