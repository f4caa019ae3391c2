#pragma once

#include <QGeoCoordinate>
#include <QString>
#include <QUrl>

// A latitude or longitude as the library shows and edits it: six significant digits,
// trailing zeros dropped (like printf's %g), so 48.137154 reads 48.1372.
QString coordinateText(double degrees);
// The number in an edited coordinate text; a text that is not a number gives 0.
double coordinateFromText(const QString& text);

// The web map page centred on `coordinate`.
QUrl mapLink(const QGeoCoordinate& coordinate);
