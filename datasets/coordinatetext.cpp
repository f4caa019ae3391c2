#include "datasets/coordinatetext.h"

namespace {
const QString mapHost = QStringLiteral("www.google.com");
} // namespace

QString coordinateText(double degrees)
{
    return QString::number(degrees, 'g', 6);
}

double coordinateFromText(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : 0.0;
}

QUrl mapLink(const QGeoCoordinate& coordinate)
{
    return QUrl(QStringLiteral("https://%1/maps/?q=%2,%3")
                    .arg(mapHost, coordinateText(coordinate.latitude()),
                         coordinateText(coordinate.longitude())));
}
