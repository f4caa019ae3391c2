#pragma once

#include <QGeoCoordinate>
#include <QSettings>
#include <QString>

// The one settings store of the program (INI file in the documents folder).
// openAppSettings() must have been called before appSettings() is used.
QSettings& appSettings();
void openAppSettings(const QString& iniPath);
// Documents location + "/Sorvanel3D/config/options.ini".
QString defaultSettingsPath();
// Documents location + "/Sorvanel3D/": where datasets and the manual live.
QString documentsFolder();

// Application-wide values shared by the whole program.
extern double screenDpi;                 // logical dpi of the first screen, read once
extern QGeoCoordinate currentPosition;   // latest position fix, (0, 0) until one arrives
extern bool libraryDirty;                // stored datasets changed since the library was read

// Pixels of a length given in inches on the first screen (touch sizes are set in inches).
inline int inches(double value) { return int(value * screenDpi); }
// Pixels of the short side of the first screen's available area. Sizes set in inches are
// bounded by shares of it where a small screen at a high density cannot hold them.
int screenShortSide();
