#include "samplerecording.h"

#include "acquisition/devices/probefactory.h"
#include "acquisition/devices/probeinterface.h"
#include "acquisition/devices/recorderbase.h"
#include "app/settingskeys.h"
#include "datasets/datasetidentifier.h"
#include "datasets/datasetstore.h"
#include "datasets/familydataset.h"
#include "probemessage.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <cmath>

namespace {
constexpr quint32 identifierStream = 0x1d5eedu;

// The operator's hand on the probe: every message goes to the recorder as the link hands it on.
class SampleProbe
{
public:
    SampleProbe(RecorderBase& recorder, int probeId)
        : recorder(recorder)
    {
        reading.probeId = probeId;
        reading.battery = 87;
        reading.widthCode = sampleWidthCode;
    }

    void send(std::int16_t value)
    {
        reading.value = value;
        QByteArray message = encodeProbeMessage(reading, true);
        recorder.processData(message);
    }

    // One reading while walking, sampled by the recorder's next tick.
    void walk(std::int16_t value)
    {
        reading.trigger = triggerDriven();
        send(value);
        recorder.update();
    }

    // The end of a track: released trigger and flipped toggle, or the pause and next-track buttons.
    void finishTrack()
    {
        if (triggerDriven()) {
            reading.trigger = false;
            reading.toggle = !reading.toggle;
            send(reading.value);
        } else {
            recorder.pauseRecording();
            recorder.changeRow();
        }
    }

    void startTrack()
    {
        if (!triggerDriven())
            recorder.pauseRecording();
    }

private:
    bool triggerDriven() const { return recorder.family().gate == SamplingGate::Trigger; }

    RecorderBase& recorder;
    ProbeReading reading;
};

void setField(FamilyDataset& dataset, const SampleWalk& walk)
{
    // A family entered by length works its width out from the tracks itself.
    dataset.setProperty(QStringLiteral("width"), int(std::lround(walk.tracks * sampleTrackSpacing)));
    dataset.setProperty(QStringLiteral("length"), walk.lengthMetres);
    dataset.setProperty(QStringLiteral("start index"), walk.startIndex);
    dataset.setProperty(QStringLiteral("parallel"), walk.parallel);
}

void walkField(RecorderBase& recorder, const SampleWalk& walk)
{
    SampleProbe probe(recorder, walk.probeId);
    // A new recorder takes the first message's battery level and drops its reading.
    probe.send(0);
    recorder.startRecording();
    for (const std::vector<std::int16_t>& track : walkedReadings(walk)) {
        probe.startTrack();
        for (std::int16_t value : track)
            probe.walk(value);
        probe.finishTrack();
    }
    recorder.stopRecording();
}

void describe(FamilyDataset& dataset, const SampleSurvey& survey)
{
    dataset.setIdentifier(sampleIdentifier(survey.walk.seed));
    dataset.setName(survey.name);
    dataset.setLocation(survey.location);
    dataset.setCoordinate(survey.position);
    dataset.setBearing(survey.bearing);
    dataset.setDate(survey.recordedAt.date());
    dataset.setTime(survey.recordedAt.time());
}
} // namespace

QString sampleIdentifier(quint32 seed)
{
    QRandomGenerator random(seed ^ identifierStream);
    const quint64 a = random.generate64();
    return datasetIdentifierFrom(a, random.generate64());
}

Result<std::unique_ptr<FamilyDataset>> recordSampleSurvey(const SampleSurvey& survey)
{
    std::unique_ptr<ProbeInterface> probe;
    try {
        probe.reset(createProbeInterface(survey.walk.probeId));
    } catch (const std::runtime_error& e) {
        return Failure{QStringLiteral("probe %1: %2").arg(survey.walk.probeId).arg(e.what()), {}};
    }
    auto* recorder = dynamic_cast<RecorderBase*>(probe->recorder());
    std::unique_ptr<FamilyDataset> dataset(dynamic_cast<FamilyDataset*>(probe->createDataset()));
    if (!recorder || !dataset)
        return Failure{QStringLiteral("probe %1 records no dataset").arg(survey.walk.probeId), {}};
    setField(*dataset, survey.walk);
    recorder->setDataset(dataset.get());
    walkField(*recorder, survey.walk);
    recorder->setDataset(nullptr);
    describe(*dataset, survey);
    return dataset;
}

bool sampleStored(quint32 seed, const QString& folder)
{
    return QFileInfo::exists(DatasetStore(folder).path(sampleIdentifier(seed), DatasetFile::Metadata));
}

Outcome storeSampleSurvey(const SampleSurvey& survey, const QString& folder)
{
    if (sampleStored(survey.walk.seed, folder))
        return Failure{QStringLiteral("%1 is already stored in %2").arg(sampleIdentifier(survey.walk.seed), folder), {}};
    Result<std::unique_ptr<FamilyDataset>> recorded = recordSampleSurvey(survey);
    if (!recorded)
        return recorded.failure();
    return DatasetStore(folder).save(*recorded.value(), Settings::colormap.defaultValue.toInt());
}
