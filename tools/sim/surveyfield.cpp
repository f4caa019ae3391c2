#include "surveyfield.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

SurveyField::SurveyField()
    : objects_{{0.8, 1.2, 0.35, 9000.0},
               {2.1, 2.9, 0.6, 5000.0},
               {1.5, 0.6, 0.45, -3500.0},
               {2.6, 1.4, 0.25, 7000.0}}
{
}

SurveyField::SurveyField(quint32 seed, int count, double width, double length)
{
    QRandomGenerator random(seed);
    const auto between = [&random](double low, double high) { return low + random.generateDouble() * (high - low); };
    for (int i = 0; i < count; ++i) {
        BuriedObject object;
        object.across = between(0.1, 0.9) * width;
        object.along = between(0.05, 0.95) * length;
        object.radius = between(0.3, 1.2);
        // Mostly metal; every fourth one a cavity, weaker than the metal.
        object.strength = i % 4 == 3 ? -between(1500, 3500) : between(2500, 6000);
        objects_.push_back(object);
    }
}

void SurveyField::setPace(double trackSeconds, double stopSeconds)
{
    walkingSpeed_ = trackLength_ / std::max(0.01, trackSeconds);
    stopSeconds_ = std::max(0.0, stopSeconds);
}

SurveyField::Pose SurveyField::poseAt(double seconds) const
{
    const double cycle = trackSeconds() + stopSeconds_;
    const long cycles = long(std::floor(seconds / cycle));
    const double intoCycle = seconds - double(cycles) * cycle;
    Pose pose;
    pose.track = int(cycles % trackCount_);
    pose.walking = intoCycle < trackSeconds();
    pose.tracksFinished = int(cycles) + (pose.walking ? 0 : 1);
    const double fraction = pose.walking ? intoCycle / trackSeconds() : 1.0;
    // Zig-zag: every second track is walked back towards the start edge.
    pose.along = (pose.track % 2 == 0 ? fraction : 1.0 - fraction) * trackLength_;
    return pose;
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
    const Pose pose = poseAt(seconds);
    return readingAt(pose.track * trackSpacing_, pose.along);
}
