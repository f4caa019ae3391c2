#include "app/appsettings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <memory>

double screenDpi = 96.0;

int screenShortSide()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1 << 20; // no screen, nothing to bound
    const QSize area = screen->availableGeometry().size();
    return std::min(area.width(), area.height());
}
QGeoCoordinate currentPosition(0.0, 0.0);
bool libraryDirty = true;

namespace {
std::unique_ptr<QSettings>& settingsStore()
{
    static std::unique_ptr<QSettings> store;
    return store;
}
} // namespace

QSettings& appSettings()
{
    auto& store = settingsStore();
    if (!store)
        store = std::make_unique<QSettings>(defaultSettingsPath(), QSettings::IniFormat);
    return *store;
}

void openAppSettings(const QString& iniPath)
{
    settingsStore() = std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Sorvanel3D/";
}

QString defaultSettingsPath()
{
    return documentsFolder() + "config/options.ini";
}
