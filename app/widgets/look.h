#pragma once

#include <QString>

class QApplication;

// The rules appended to the stylesheet so that sliders, check boxes and menu items
// scale with the screen density.
QString densityRules(double dpi);
// The embedded stylesheet text (Latin-1, up to its first NUL byte) followed by the density rules.
QString styleSheetFor(double dpi);
// Installs the stylesheet and the embedded font (12 pt) on the application.
void applyLook(QApplication& app, double dpi);

// "yy.MM.00" from a compiler build date such as "Oct 14 2019" (or "Oct  4 2019").
QString versionStringFromBuildDate(const QString& buildDate);
// The version of this build.
QString versionString();
