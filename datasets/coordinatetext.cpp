#include "datasets/coordinatetext.h"

#include "datasets/datasetmetadata.h"

#include <algorithm>
#include <cmath>

namespace {
const QString mapHost = QStringLiteral("www.google.com");

double limitOf(CoordinateAxis axis)
{
    return axis == CoordinateAxis::Latitude ? 90.0 : 180.0;
}

// The text with ASCII digits, '.' for the decimal separator and '-' for minus, so that one
// parser reads every language's form and the dot alike.
QString normalised(const QString& text, const QLocale& locale)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text.trimmed()) {
        if (c.isDigit())
            out.append(QChar('0' + c.digitValue()));
        else if (c == locale.decimalPoint())
            out.append(QLatin1Char('.'));
        else if (c == locale.negativeSign() || c == QChar(0x2212))
            out.append(QLatin1Char('-'));
        else
            out.append(c);
    }
    return out;
}

bool mayBecomeNumber(const QString& text)
{
    for (const QChar c : text) {
        if (!c.isDigit() && !QStringLiteral(".+-eE ").contains(c))
            return false;
    }
    return true;
}
} // namespace

QString coordinateText(double degrees)
{
    return QString::number(degrees, 'g', 6);
}

QString coordinateText(double degrees, const QLocale& locale)
{
    return locale.toString(degrees, 'g', 6);
}

std::optional<double> coordinateFromText(const QString& text, CoordinateAxis axis, const QLocale& locale)
{
    bool ok = false;
    // QString::toDouble is the C locale's: no group separators, so "48,5" is no number in
    // English rather than 485.
    const double value = normalised(text, locale).toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > limitOf(axis))
        return std::nullopt;
    return value;
}

CoordinateValidator::CoordinateValidator(CoordinateAxis coordinateAxis, const QLocale& locale, QObject* parent)
    : QValidator(parent), axis(coordinateAxis), numbers(locale)
{
}

QValidator::State CoordinateValidator::validate(QString& input, int&) const
{
    if (coordinateFromText(input, axis, numbers))
        return Acceptable;
    return mayBecomeNumber(normalised(input, numbers)) ? Intermediate : Invalid;
}

BearingEntry bearingFromText(const QString& text, const QLocale& locale)
{
    const QString digits = normalised(text, locale);
    if (digits.isEmpty())
        return {true, std::nullopt};
    const bool onlyDigits = std::all_of(digits.begin(), digits.end(),
                                        [](QChar c) { return c >= '0' && c <= '9'; });
    bool ok = false;
    const int degrees = digits.toInt(&ok);
    if (!onlyDigits || !ok || !isBearing(degrees))
        return {};
    return {true, degrees};
}

QString bearingText(int degrees, const QLocale& locale)
{
    return locale.toString(degrees);
}

BearingValidator::BearingValidator(const QLocale& locale, QObject* parent)
    : QValidator(parent), numbers(locale)
{
}

QValidator::State BearingValidator::validate(QString& input, int&) const
{
    if (bearingFromText(input, numbers).valid)
        return Acceptable;
    return mayBecomeNumber(normalised(input, numbers)) ? Intermediate : Invalid;
}

QUrl mapLink(const QGeoCoordinate& coordinate)
{
    return QUrl(QStringLiteral("https://%1/maps/?q=%2,%3")
                    .arg(mapHost, coordinateText(coordinate.latitude()),
                         coordinateText(coordinate.longitude())));
}
