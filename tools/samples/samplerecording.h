#pragma once

#include "app/result.h"
#include "samplewalk.h"

#include <QDateTime>
#include <QGeoCoordinate>
#include <QString>
#include <memory>
#include <optional>

class FamilyDataset;

// A sample survey as the library shows it: the walk and what the operator would have entered.
struct SampleSurvey
{
    SampleWalk walk;
    QString name;
    QString location;
    QGeoCoordinate position;
    std::optional<int> bearing;
    QDateTime recordedAt;
};

// The identifier a sample of this seed is stored under: the same seed, the same files.
QString sampleIdentifier(quint32 seed);

// Whether `folder` holds a dataset under the identifier of a sample of this seed.
bool sampleStored(quint32 seed, const QString& folder);

// Walks the field through the family's own recorder into the family's own dataset, as a
// recording through the window does, with the messages the probe would send.
Result<std::unique_ptr<FamilyDataset>> recordSampleSurvey(const SampleSurvey& survey);

// Records the sample and stores it in `folder` under sampleIdentifier(); a dataset already
// stored under that identifier is left alone and the store fails.
Outcome storeSampleSurvey(const SampleSurvey& survey, const QString& folder);
