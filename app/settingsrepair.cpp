#include "app/settingsrepair.h"

#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "app/colormap.h"

#include <QDebug>

namespace {
struct IntegerRange
{
    const SettingKey* key;
    int minimum;
    int maximum;
};

// Field sizes are counted in tracks and steps; a thousand is far beyond any field walked.
const IntegerRange integerRanges[] = {
    {&Settings::recordWidth, 1, 1000},
    {&Settings::recordLength, 1, 1000},
    {&Settings::recordCorner, 0, 3},
    {&Settings::colormap, int(ColormapId::Jet), int(ColormapId::Temperature)},
    {&Settings::isovalue, 0, 100},
    {&Settings::scannerPort, 1, 65535},
};

bool isIntegerInRange(const QVariant& stored, const IntegerRange& range)
{
    bool ok = false;
    const qlonglong value = stored.toString().trimmed().toLongLong(&ok);
    return ok && value >= range.minimum && value <= range.maximum;
}

bool isSwitchValue(const QVariant& stored)
{
    if (stored.type() == QVariant::Bool)
        return true;
    const QString text = stored.toString().trimmed().toLower();
    return text == QLatin1String("true") || text == QLatin1String("false");
}

// Qt writes the group "general" as the INI section [%General] and reads that section back as
// the group "General": without carrying the language over, its choice would be lost at every
// restart.
void carryOverGeneralGroup(QSettings& settings)
{
    const QString readBack = QStringLiteral("General/") + Settings::language.name.section(QLatin1Char('/'), 1);
    if (!settings.contains(readBack))
        return;
    const QVariant value = settings.value(readBack);
    settings.remove(readBack);
    if (!settings.contains(Settings::language.name))
        settings.setValue(Settings::language.name, value);
}

void removeStored(const SettingKey& key, const QVariant& stored)
{
    qDebug().noquote() << "Setting" << key.name << "ignored:" << stored.toString();
    appSettings().remove(key.name);
}
} // namespace

void repairSettings()
{
    QSettings& settings = appSettings();
    carryOverGeneralGroup(settings);
    for (const IntegerRange& range : integerRanges) {
        const QVariant stored = settings.value(range.key->name);
        if (settings.contains(range.key->name) && !isIntegerInRange(stored, range))
            removeStored(*range.key, stored);
    }
    for (const SettingKey* key : Settings::allKeys()) {
        const QVariant stored = settings.value(key->name);
        if (key->defaultValue.type() == QVariant::Bool && settings.contains(key->name) && !isSwitchValue(stored))
            removeStored(*key, stored);
    }
}
