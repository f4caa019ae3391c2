// Any options.ini at start-up: once the store is opened and repaired and the language is set,
// every size, corner, colour map, isovalue and port reads within its range.
#include "app/appsettings.h"
#include "app/language.h"
#include "app/settingskeys.h"
#include "app/settingsrepair.h"
#include "fuzzenvironment.h"

#include <QDir>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void requireWithin(const SettingKey& key, int minimum, int maximum)
{
    const QVariant value = key.read();
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    if (!ok || number < minimum || number > maximum) {
        std::fprintf(stderr, "%s reads %s\n", qPrintable(key.name), qPrintable(value.toString()));
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzEnvironment::datasetFolder();
    const QString path = defaultSettingsPath();
    static const bool folderMade = QDir().mkpath(QFileInfo(path).path());
    if (!folderMade)
        std::abort();
    FuzzEnvironment::writeFile(path, QByteArray(reinterpret_cast<const char*>(data), int(size)));
    openAppSettings(path);
    repairSettings();
    initLanguage(QStringLiteral("de_DE"));
    requireWithin(Settings::recordWidth, 1, 1000);
    requireWithin(Settings::recordLength, 1, 1000);
    requireWithin(Settings::recordCorner, 0, 3);
    requireWithin(Settings::colormap, 1, 4);
    requireWithin(Settings::isovalue, 0, 100);
    requireWithin(Settings::scannerPort, 1, 65535);
    for (const SettingKey* key : Settings::allKeys()) {
        const QVariant value = key->read();
        const QString text = value.toString().trimmed().toLower();
        if (key->defaultValue.type() == QVariant::Bool && value.type() != QVariant::Bool
            && text != QLatin1String("true") && text != QLatin1String("false")) {
            std::fprintf(stderr, "%s reads %s\n", qPrintable(key->name), value.typeName());
            std::abort();
        }
    }
    return 0;
}
