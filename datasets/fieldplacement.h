#pragma once

#include "app/result.h"

#include <QGeoCoordinate>
#include <QPointF>
#include <QString>
#include <memory>

class Dataset;
class OGRCoordinateTransformation;

// Where a field lies on the earth: its start corner (the dataset's coordinate, where the walk
// began), the compass bearing of the first track and the field's size in metres.
//
// The plan is the grid seen from above as every survey export writes it: x across the tracks
// from 0 to width, y along them from 0 to length, the grid's first row at y = length. In the
// plan the start corner lies at the left for start index 0 and 1, at the top for 0 and 3,
// and the first track runs down from a top corner and up from a bottom one. The tracks follow
// one another to the walker's left from start index 0 and 2 and to the right from 1 and 3.
struct FieldPlacement
{
    double latitude = 0;
    double longitude = 0;
    int bearing = 0;
    int startIndex = 0;
    double width = 0;
    double length = 0;
};

// UTM covers 80° S to 84° N.
constexpr double southernmostLatitude = -80;
constexpr double northernmostLatitude = 84;

// The dataset's placement, or why it has none: no position fix (latitude and longitude both
// 0), no bearing, a position beyond the UTM zones, or no size. The failure's text tells the
// user what to add in the edit dialog.
Result<FieldPlacement> fieldPlacementOf(const Dataset& dataset);

// The plan's start corner.
QPointF startCornerOnPlan(const FieldPlacement& placement);
// The angle, counter-clockwise in degrees, by which the plan is turned onto the ground with
// its y axis first pointing north.
double planRotation(const FieldPlacement& placement);
// The plan point `along` metres from the start corner in the first track's direction and
// `across` metres from it toward the following tracks.
QPointF planPointOfWalk(const FieldPlacement& placement, double along, double across);
// Metres east (x) and north (y) of the start corner, on the ground plane there.
QPointF groundOffset(const FieldPlacement& placement, QPointF plan);

// The UTM zone of a position, with the Norwegian and Svalbard exceptions.
int utmZoneOf(double latitude, double longitude);

// A field's plan placed in the UTM zone of its centre (WGS 84). Built with GDAL's projections:
// the plan is laid on the ground plane of an azimuthal equidistant projection centred on the
// start corner, which keeps distances and true north there, and mapped from it.
class FieldGeoreference
{
public:
    static Result<FieldGeoreference> of(const FieldPlacement& placement);

    const FieldPlacement& placement() const { return placed; }
    int utmZone() const { return zone; }
    bool southern() const { return placed.latitude < 0; }
    // EPSG code of the zone's WGS 84 / UTM system: 326zz north, 327zz south.
    int epsg() const { return (southern() ? 32700 : 32600) + zone; }

    // The plan point in the zone's easting and northing. The map is affine, fitted through the
    // start corner and the two corners beside it: over a field the projection's curvature is
    // far below a millimetre.
    QPointF toUtm(QPointF plan) const;
    QPointF fromUtm(QPointF utm) const;
    // The plan point's latitude and longitude, through the projection itself.
    QGeoCoordinate toGeographic(QPointF plan) const;
    // The same for a ground offset from the start corner (metres east and north).
    QGeoCoordinate groundToGeographic(QPointF ground) const;

private:
    FieldPlacement placed;
    int zone = 0;
    std::shared_ptr<OGRCoordinateTransformation> toLonLat;
    // easting = e0 + a·x + b·y, northing = n0 + c·x + d·y; and its inverse.
    double e0 = 0, n0 = 0, a = 1, b = 0, c = 0, d = 1;
};
