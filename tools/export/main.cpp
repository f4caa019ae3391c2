#include "batchprogress.h"
#include "datasetinputs.h"

#include "app/appsettings.h"
#include "datasets/exportnames.h"
#include "datasets/mapexport.h"
#include "datasets/surveyexportjob.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <vector>

namespace {
// Exit statuses: a conversion failed; the command line names nothing to convert.
constexpr int conversionFailed = 1;
constexpr int usageError = 2;

QtMessageHandler standardHandler = nullptr;

// The loader's debug lines would bury the tool's own messages.
void quietDebug(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        standardHandler(type, context, text);
}

// A grid format or a map format.
struct OutputFormat
{
    bool map = false;
    int format = 0;
};

Result<QString> convert(const QString& folder, const QString& id, OutputFormat output, const QString& targetFolder,
                        const GridCleaning& cleaning)
{
    if (output.map)
        return exportStoredDatasetToMap(folder, id, MapFormat(output.format), targetFolder, {}, cleaning);
    return exportStoredDataset(folder, id, SurveyFormat(output.format), targetFolder, {}, cleaning);
}

QString formatLine(const char* key, const char* title, const char* extension)
{
    return QStringLiteral("  %1  %2 (%3)").arg(QLatin1String(key), -12).arg(QLatin1String(title), QLatin1String(extension));
}

QString formatList()
{
    QStringList keys;
    for (const SurveyFormatInfo& info : surveyFormats)
        keys << formatLine(info.key, info.title, info.extension);
    for (const MapFormatInfo& info : mapFormats)
        keys << formatLine(info.key, info.title, info.extension);
    return keys.join(QLatin1Char('\n'));
}

bool parseFormats(const QStringList& values, std::vector<OutputFormat>& formats, QString& error)
{
    for (const QString& value : values) {
        for (const QString& key : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (key == QLatin1String("all")) {
                for (const SurveyFormatInfo& info : surveyFormats)
                    formats.push_back({false, int(info.format)});
            } else if (const SurveyFormatInfo* info = findSurveyFormat(key)) {
                formats.push_back({false, int(info->format)});
            } else if (const MapFormatInfo* map = findMapFormat(key)) {
                formats.push_back({true, int(map->format)});
            } else {
                error = QStringLiteral("unknown format \"%1\"").arg(key);
                return false;
            }
        }
    }
    if (formats.empty())
        error = QStringLiteral("--format is required");
    return !formats.empty();
}

bool parseDestagger(const QString& value, GridCleaning& cleaning, QString& error)
{
    cleaning.destagger = true;
    if (value == QLatin1String("auto"))
        return true;
    bool whole = false;
    const int shift = value.toInt(&whole);
    if (whole)
        cleaning.staggerShift = shift;
    else
        error = QStringLiteral("--destagger takes auto or a whole number of rows, not \"%1\"").arg(value);
    return whole;
}

bool parseClip(const QString& value, GridCleaning& cleaning, QString& error)
{
    const QStringList bounds = value.split(QLatin1Char(','));
    bool lowRead = false;
    bool highRead = false;
    ClipPercentiles clip;
    if (bounds.size() == 2) {
        clip.low = bounds[0].toDouble(&lowRead);
        clip.high = bounds[1].toDouble(&highRead);
    }
    // Written so that a NaN fails too.
    if (!lowRead || !highRead || !(clip.low >= 0 && clip.low < clip.high && clip.high <= 100)) {
        error = QStringLiteral("--clip takes LOW,HIGH with 0 <= LOW < HIGH <= 100, not \"%1\"").arg(value);
        return false;
    }
    cleaning.clip = clip;
    return true;
}

bool parseCleaning(const QCommandLineParser& parser, GridCleaning& cleaning, QString& error)
{
    cleaning.despike = parser.isSet("despike");
    if (parser.isSet("destagger") && !parseDestagger(parser.value("destagger"), cleaning, error))
        return false;
    return !parser.isSet("clip") || parseClip(parser.value("clip"), cleaning, error);
}

// False with the reason when the command line does not say what to convert and how.
bool parseArguments(const QCommandLineParser& parser, std::vector<OutputFormat>& formats, GridCleaning& cleaning,
                    QString& error)
{
    if (!parseFormats(parser.values("format"), formats, error) || !parseCleaning(parser, cleaning, error))
        return false;
    if (parser.positionalArguments().isEmpty())
        error = QStringLiteral("no DATASET given");
    return error.isEmpty();
}

// Every dataset in every format; false when any conversion failed.
bool convertAll(const std::vector<DatasetInput>& inputs, const std::vector<OutputFormat>& formats,
                const GridCleaning& cleaning, const QString& targetFolder)
{
    const int total = int(inputs.size() * formats.size());
    int done = 0;
    int written = 0;
    {
        BatchProgress progress(stderr, total);
        for (const DatasetInput& input : inputs) {
            for (OutputFormat format : formats) {
                progress.show(done++, input.id);
                const Result<QString> outcome = convert(input.folder, input.id, format, targetFolder, cleaning);
                if (outcome)
                    ++written;
                else
                    progress.message(QStringLiteral("sorvanel-export: %1: %2")
                                         .arg(QDir(input.folder).filePath(input.id), outcome.failure().reason));
            }
        }
    }
    QTextStream(stdout) << written << " of " << total << " files written to " << targetFolder << '\n';
    return written == total;
}
} // namespace

int main(int argc, char* argv[])
{
    // The KMZ legend is drawn with fonts, which need a GUI application; it never opens a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sorvanel-export"));
    standardHandler = qInstallMessageHandler(quietDebug);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Converts stored Sorvanel 3D datasets into grid formats that survey and GIS software read.\n"
                       "A DATASET is a dataset folder (every dataset in it), one of a dataset's files\n"
                       "(.xml, .s3d, .png) or the identifier of a dataset in the program's dataset folder.\n"
                       "Files are named after the dataset's name, with (1), (2), ... when taken.\n"
                       "Cleaning runs --destagger, --despike and --clip in that order; without them\n"
                       "the files hold the stored readings as they are.\n"
                       "geotiff, geotiff-rgba and kmz lay the field on the map: they need the dataset's\n"
                       "position (the corner where the walk began) and its bearing (the compass\n"
                       "direction of the first track), both set in the program's edit dialog.\n"
                       "Formats (several separated by commas; all: every grid format):\n")
        + formatList());
    parser.addHelpOption();
    parser.addOptions({
        {{"f", "format"}, "Format(s) to write: xyz, dsaa, asc, all, geotiff, geotiff-rgba or kmz.", "format"},
        {{"o", "output"}, "Folder for the files (default: the download folder).", "folder"},
        {"destagger",
         "Zig-zag datasets: move the reverse tracks back by N rows (negative: forward), "
         "or by the shift estimated for each dataset (auto).",
         "auto|N"},
        {"despike", "Replace spikes along each track by the median around them "
                    "(Hampel filter, 7 readings, 3 deviations)."},
        {"clip", "Clip the readings to the LOW-th and HIGH-th percentiles of the dataset's readings "
                 "(0..100, e.g. 2,98).",
         "LOW,HIGH"},
    });
    parser.addPositionalArgument("DATASET", "Dataset folder, dataset file or identifier.", "DATASET...");
    parser.process(app);

    QTextStream errors(stderr);
    std::vector<OutputFormat> formats;
    GridCleaning cleaning;
    QString error;
    if (!parseArguments(parser, formats, cleaning, error)) {
        errors << "sorvanel-export: " << error << "\nTry 'sorvanel-export --help'.\n";
        return usageError;
    }

    std::vector<DatasetInput> inputs;
    for (const QString& argument : parser.positionalArguments()) {
        const std::vector<DatasetInput> named = datasetsNamedBy(argument, documentsFolder(), error);
        if (named.empty()) {
            errors << "sorvanel-export: " << error << '\n';
            return usageError;
        }
        inputs.insert(inputs.end(), named.begin(), named.end());
    }

    const QString targetFolder = parser.isSet("output") ? parser.value("output") : downloadFolder();
    if (!QDir().mkpath(targetFolder)) {
        errors << "sorvanel-export: cannot create the folder " << targetFolder << '\n';
        return usageError;
    }
    return convertAll(inputs, formats, cleaning, targetFolder) ? 0 : conversionFailed;
}
