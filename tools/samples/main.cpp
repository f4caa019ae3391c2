#include "acquisition/devices/tonegenerator.h"
#include "datasets/datasetmetadata.h"
#include "samplerecording.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <algorithm>

namespace {
int intOption(const QCommandLineParser& parser, const QString& name, bool& ok)
{
    bool read = false;
    const int value = parser.value(name).toInt(&read);
    if (!read) {
        QTextStream(stderr) << "Invalid --" << name << ": " << parser.value(name) << "\n";
        ok = false;
    }
    return value;
}

QGeoCoordinate position(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return {};
    bool latOk = false, lonOk = false;
    const QGeoCoordinate coordinate(parts[0].toDouble(&latOk), parts[1].toDouble(&lonOk));
    return latOk && lonOk ? coordinate : QGeoCoordinate();
}

bool checkWalk(const SampleWalk& walk)
{
    QString problem;
    if (walk.tracks < 1 || walk.rows < 2)
        problem = QStringLiteral("a survey needs one track and two rows at least");
    else if (walk.startIndex < 0 || walk.startIndex > 3)
        problem = QStringLiteral("--corner is 0, 1, 2 or 3");
    else if (walk.lag < 0 || walk.lag >= walk.rows)
        problem = QStringLiteral("--lag is 0 or more and less than the rows");
    else if (walk.lengthMetres < 1)
        problem = QStringLiteral("--length is one metre at least");
    if (!problem.isEmpty())
        QTextStream(stderr) << problem << "\n";
    return problem.isEmpty();
}

bool readSurvey(const QCommandLineParser& parser, SampleSurvey& survey)
{
    bool ok = true;
    SampleWalk& walk = survey.walk;
    walk.seed = quint32(parser.value("seed").toUInt(&ok));
    walk.probeId = intOption(parser, "probe", ok);
    walk.startIndex = intOption(parser, "corner", ok);
    walk.tracks = intOption(parser, "tracks", ok);
    walk.rows = intOption(parser, "rows", ok);
    walk.lag = intOption(parser, "lag", ok);
    walk.objects = intOption(parser, "objects", ok);
    walk.lengthMetres = parser.isSet("length") ? intOption(parser, "length", ok) : std::max(1, walk.rows / 10);
    walk.parallel = parser.value("pattern") == QLatin1String("parallel");
    if (!walk.parallel && parser.value("pattern") != QLatin1String("zigzag")) {
        QTextStream(stderr) << "--pattern is zigzag or parallel\n";
        ok = false;
    }
    survey.name = parser.value("name");
    survey.location = parser.value("location");
    if (parser.isSet("position") && !(survey.position = position(parser.value("position"))).isValid()) {
        QTextStream(stderr) << "--position is LAT,LON in degrees\n";
        ok = false;
    }
    if (parser.isSet("bearing")) {
        survey.bearing = intOption(parser, "bearing", ok);
        if (!isBearing(*survey.bearing)) {
            QTextStream(stderr) << "--bearing is 0 to 359 degrees\n";
            ok = false;
        }
    }
    survey.recordedAt = parser.isSet("date") ? QDateTime::fromString(parser.value("date"), Qt::ISODate)
                                             : QDateTime::currentDateTime();
    if (!survey.recordedAt.isValid()) {
        QTextStream(stderr) << "--date is yyyy-MM-ddThh:mm:ss\n";
        ok = false;
    }
    return ok && checkWalk(walk);
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sorvanel-sample-survey"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Records a sample survey of the simulator's field model and stores it in a dataset folder:\n"
        "the probe's messages go through the family's own recorder, as in a recording through the\n"
        "window. The same seed and --date give the same files, stored under an identifier taken\n"
        "from the seed; a dataset already stored under it is left alone (exit status 3)."));
    parser.addHelpOption();
    parser.addOptions({
        {"folder", "Dataset folder to store the survey in (required).", "dir"},
        {"seed", "Seed of the field's objects, the noise and the identifier (default 1).", "N", "1"},
        {"probe", "Probe id (default 170).", "id", "170"},
        {"pattern", "zigzag or parallel (default zigzag).", "pattern", "zigzag"},
        {"corner", "Start corner 0..3, as the dataset's start index (default 0).", "index", "0"},
        {"tracks", "Tracks walked (default 40).", "N", "40"},
        {"rows", "Readings per track (default 330).", "N", "330"},
        {"lag", "Rows by which the reverse tracks of a zig-zag walk report late (default 0).", "rows", "0"},
        {"length", "Track length in metres (default a tenth of the rows).", "metres"},
        {"objects", "Buried objects in the field (default 5).", "N", "5"},
        {"name", "The dataset's name.", "text", "Sample survey"},
        {"location", "The dataset's location text.", "text"},
        {"position", "The start corner's latitude and longitude.", "lat,lon"},
        {"bearing", "Direction of the first track, degrees clockwise from north.", "degrees"},
        {"date", "Local date and time of the survey (default now).", "yyyy-MM-ddThh:mm:ss"},
    });
    parser.process(app);

    SampleSurvey survey;
    if (!parser.isSet("folder") || !readSurvey(parser, survey)) {
        if (!parser.isSet("folder"))
            QTextStream(stderr) << "--folder is required\n";
        return 2;
    }
    // The recorders log every decoded message; a survey of many readings would flood the terminal.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    // No tone is played: the recorder needs no audio device.
    ToneGenerator::setDeviceLister([] { return QList<QAudioDeviceInfo>(); });
    const QString folder = parser.value("folder");
    if (sampleStored(survey.walk.seed, folder)) {
        QTextStream(stderr) << "sorvanel-sample-survey: " << sampleIdentifier(survey.walk.seed)
                            << " is already stored in " << folder << "\n";
        return 3;
    }
    if (const Outcome stored = storeSampleSurvey(survey, folder); !stored) {
        QTextStream(stderr) << "sorvanel-sample-survey: " << stored.failure().reason << "\n";
        return 1;
    }
    QTextStream(stdout) << sampleIdentifier(survey.walk.seed) << "\n";
    return 0;
}
