#include "datasets/fieldplacement.h"

#include "datasets/dataset.h"
#include "datasets/gdalsession.h"

#include <QCoreApplication>
#include <cmath>
#include <ogr_spatialref.h>

namespace {
const char* const context = "FieldPlacement";

Failure refused(const char* reason, const char* text)
{
    return Failure{QLatin1String(reason), QCoreApplication::translate(context, text)};
}

constexpr double degree = M_PI / 180;

// A spatial reference that takes and gives longitude before latitude, easting before northing.
std::unique_ptr<OGRSpatialReference> spatialReference()
{
    auto reference = std::make_unique<OGRSpatialReference>();
    reference->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return reference;
}

std::shared_ptr<OGRCoordinateTransformation> transformation(const OGRSpatialReference& from,
                                                            const OGRSpatialReference& to)
{
    return std::shared_ptr<OGRCoordinateTransformation>(OGRCreateCoordinateTransformation(&from, &to),
                                                        OGRCoordinateTransformation::DestroyCT);
}

bool transform(OGRCoordinateTransformation& how, QPointF& point)
{
    double x = point.x();
    double y = point.y();
    if (!how.Transform(1, &x, &y))
        return false;
    point = QPointF(x, y);
    return std::isfinite(x) && std::isfinite(y);
}
} // namespace

Result<FieldPlacement> fieldPlacementOf(const Dataset& dataset)
{
    const QGeoCoordinate start = dataset.coordinate();
    FieldPlacement placement;
    placement.latitude = start.latitude();
    placement.longitude = start.longitude();
    if (placement.latitude == 0 && placement.longitude == 0)
        return refused("the dataset has no position: set the latitude and longitude of its start corner in the edit dialog",
                       QT_TRANSLATE_NOOP("FieldPlacement",
                                         "This dataset has no position. Enter the latitude and longitude of the corner "
                                         "where the walk began in the dataset's edit dialog, then export again."));
    if (!(placement.latitude >= southernmostLatitude && placement.latitude <= northernmostLatitude
          && placement.longitude >= -180 && placement.longitude <= 180))
        return refused("the dataset's position lies beyond the UTM zones (80° S to 84° N)",
                       QT_TRANSLATE_NOOP("FieldPlacement",
                                         "The dataset's position lies beyond the map projection's reach (80° south to "
                                         "84° north). Check its latitude and longitude in the dataset's edit dialog."));
    if (!dataset.bearing())
        return refused("the dataset has no bearing: set the compass direction of its first track in the edit dialog",
                       QT_TRANSLATE_NOOP("FieldPlacement",
                                         "This dataset has no bearing. Enter the compass direction in which the first "
                                         "track was walked, in degrees from north, in the dataset's edit dialog, then "
                                         "export again."));
    placement.bearing = *dataset.bearing();
    placement.startIndex = dataset.getProperty(QStringLiteral("start index")).toInt();
    placement.width = double(dataset.getProperty(QStringLiteral("width")).toFloat());
    placement.length = double(dataset.getProperty(QStringLiteral("length")).toFloat());
    if (!(placement.width > 0 && placement.length > 0) || placement.startIndex < 0 || placement.startIndex > 3)
        return refused("the dataset holds no field", QT_TRANSLATE_NOOP("FieldPlacement", "The dataset holds no values."));
    return placement;
}

QPointF startCornerOnPlan(const FieldPlacement& placement)
{
    const bool right = placement.startIndex == 2 || placement.startIndex == 3;
    const bool top = placement.startIndex == 0 || placement.startIndex == 3;
    return QPointF(right ? placement.width : 0, top ? placement.length : 0);
}

QPointF planPointOfWalk(const FieldPlacement& placement, double along, double across)
{
    const bool right = placement.startIndex == 2 || placement.startIndex == 3;
    const bool top = placement.startIndex == 0 || placement.startIndex == 3;
    return startCornerOnPlan(placement) + QPointF(right ? -across : across, top ? -along : along);
}

double planRotation(const FieldPlacement& placement)
{
    // From a top corner the first track runs down the plan, from a bottom corner up.
    const bool top = placement.startIndex == 0 || placement.startIndex == 3;
    return top ? 180.0 - placement.bearing : -double(placement.bearing);
}

QPointF groundOffset(const FieldPlacement& placement, QPointF plan)
{
    const QPointF v = plan - startCornerOnPlan(placement);
    const double angle = planRotation(placement) * degree;
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    return QPointF(v.x() * cosine - v.y() * sine, v.x() * sine + v.y() * cosine);
}

int utmZoneOf(double latitude, double longitude)
{
    if (latitude >= 56 && latitude < 64 && longitude >= 3 && longitude < 12)
        return 32;
    if (latitude >= 72 && longitude >= 0 && longitude < 42) {
        if (longitude < 9)
            return 31;
        if (longitude < 21)
            return 33;
        if (longitude < 33)
            return 35;
        return 37;
    }
    const int zone = int(std::floor((longitude + 180) / 6)) + 1;
    return std::min(std::max(zone, 1), 60);
}

Result<FieldGeoreference> FieldGeoreference::of(const FieldPlacement& placement)
{
    ensureGdal();
    const Failure noProjection{QStringLiteral("the map projections are not available"),
                               QCoreApplication::translate("FieldPlacement", "The map projections are not available.")};
    FieldGeoreference georeference;
    georeference.placed = placement;

    auto geographic = spatialReference();
    auto ground = spatialReference();
    const QString aroundStart = QStringLiteral("+proj=aeqd +lat_0=%1 +lon_0=%2 +datum=WGS84 +units=m +no_defs")
                                    .arg(placement.latitude, 0, 'g', 17)
                                    .arg(placement.longitude, 0, 'g', 17);
    if (geographic->SetWellKnownGeogCS("WGS84") != OGRERR_NONE
        || ground->importFromProj4(aroundStart.toLatin1().constData()) != OGRERR_NONE)
        return noProjection;
    georeference.toLonLat = transformation(*ground, *geographic);
    if (!georeference.toLonLat)
        return noProjection;

    QPointF centre = groundOffset(placement, QPointF(placement.width / 2, placement.length / 2));
    if (!transform(*georeference.toLonLat, centre))
        return noProjection;
    georeference.zone = utmZoneOf(centre.y(), centre.x());

    auto utm = spatialReference();
    if (utm->importFromEPSG(georeference.epsg()) != OGRERR_NONE)
        return noProjection;
    const std::shared_ptr<OGRCoordinateTransformation> toUtm = transformation(*ground, *utm);
    if (!toUtm)
        return noProjection;
    QPointF origin = groundOffset(placement, QPointF(0, 0));
    QPointF across = groundOffset(placement, QPointF(placement.width, 0));
    QPointF along = groundOffset(placement, QPointF(0, placement.length));
    if (!transform(*toUtm, origin) || !transform(*toUtm, across) || !transform(*toUtm, along))
        return noProjection;
    georeference.e0 = origin.x();
    georeference.n0 = origin.y();
    georeference.a = (across.x() - origin.x()) / placement.width;
    georeference.c = (across.y() - origin.y()) / placement.width;
    georeference.b = (along.x() - origin.x()) / placement.length;
    georeference.d = (along.y() - origin.y()) / placement.length;
    return georeference;
}

QPointF FieldGeoreference::toUtm(QPointF plan) const
{
    return QPointF(e0 + a * plan.x() + b * plan.y(), n0 + c * plan.x() + d * plan.y());
}

QPointF FieldGeoreference::fromUtm(QPointF utm) const
{
    const double e = utm.x() - e0;
    const double n = utm.y() - n0;
    const double determinant = a * d - b * c;
    return QPointF((d * e - b * n) / determinant, (a * n - c * e) / determinant);
}

QGeoCoordinate FieldGeoreference::toGeographic(QPointF plan) const
{
    return groundToGeographic(groundOffset(placed, plan));
}

QGeoCoordinate FieldGeoreference::groundToGeographic(QPointF ground) const
{
    QPointF point = ground;
    if (!transform(*toLonLat, point))
        return {};
    return QGeoCoordinate(point.y(), point.x());
}
