#pragma once

#include <QGeoCoordinate>
#include <QLocale>
#include <QString>
#include <QUrl>
#include <QValidator>
#include <optional>

// A latitude or longitude as the library shows and edits it: six significant digits,
// trailing zeros dropped (like printf's %g), so 48.137154 reads 48.1372.
QString coordinateText(double degrees);
// The same in a language's number format: 48,1372 in German.
QString coordinateText(double degrees, const QLocale& locale);

enum class CoordinateAxis { Latitude, Longitude };

// The degrees in a typed coordinate: the dot or the language's own decimal separator, the
// language's digits or ASCII ones. Nothing when the text is not a finite number or lies
// beyond ±90 (latitude) or ±180 (longitude).
std::optional<double> coordinateFromText(const QString& text, CoordinateAxis axis, const QLocale& locale);

// Lets through what may still become a coordinate while it is typed; letters never.
class CoordinateValidator : public QValidator
{
    Q_OBJECT
public:
    CoordinateValidator(CoordinateAxis axis, const QLocale& locale, QObject* parent = nullptr);
    State validate(QString& input, int& position) const override;

private:
    CoordinateAxis axis;
    QLocale numbers;
};

// A typed bearing: empty text is valid and means the bearing is not known.
struct BearingEntry
{
    bool valid = false;
    std::optional<int> degrees;
};

// Whole degrees from 0 to 359 in the language's digits or ASCII ones; a fraction, a sign or
// anything beyond is not valid.
BearingEntry bearingFromText(const QString& text, const QLocale& locale);
QString bearingText(int degrees, const QLocale& locale);

// Lets through what may still become a bearing while it is typed; letters never. A fraction
// gets through, so that OK can say why it is refused rather than it silently losing its point.
class BearingValidator : public QValidator
{
    Q_OBJECT
public:
    explicit BearingValidator(const QLocale& locale, QObject* parent = nullptr);
    State validate(QString& input, int& position) const override;

private:
    QLocale numbers;
};

// The web map page centred on `coordinate`.
QUrl mapLink(const QGeoCoordinate& coordinate);
