#include "app/appsettings.h"
#include "app/colormap.h"
#include "datasets/familyclasses.h"
#include "datasets/fieldplacement.h"
#include "datasets/mapexport.h"
#include "testenvironment.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtMath>
#include <cmath>
#include <gdal_priv.h>
#include <memory>
#include <ogr_spatialref.h>

// GIS software reads the map exports: GDAL opens them, and the readings of the field's corners
// land where the walk put them. Where that is, is worked out here from the start corner, the
// bearing and the field's size alone, with GDAL's projections.
namespace {
// Track t, reading r (in walking order) of the field: the markers sit on the first and last
// readings of the first and last tracks, everything else reads 0.
constexpr int tracks = 6;
constexpr int rows = 20;
constexpr double trackWidth = 1.0;
constexpr int fieldLength = 5;  // metres, so readings 0.25 m apart
constexpr double rowLength = double(fieldLength) / rows;

struct Marker
{
    int track;
    int reading;
    int16_t value;
};
const Marker markers[4] = {{0, 0, 2000}, {0, rows - 1, 1000}, {tracks - 1, 0, -1000}, {tracks - 1, rows - 1, -2000}};

struct Field
{
    double latitude;
    double longitude;
    int bearing;
    int startIndex;
    bool parallel;
};

QString storeField(const Field& field, bool withBearing = true)
{
    DataSetBrolSensor dataset;
    dataset.setProperty("track width", trackWidth);
    dataset.setProperty("length", fieldLength);
    dataset.setProperty("start index", field.startIndex);
    dataset.setProperty("parallel", field.parallel);
    for (int t = 0; t < tracks; ++t) {
        std::vector<int16_t> track(rows, 0);
        for (const Marker& marker : markers)
            if (marker.track == t)
                track[size_t(marker.reading)] = marker.value;
        dataset.appendTrack(track);
    }
    dataset.setName(QString("Field <&> \"north\"\x01") + QChar(0xd800));
    dataset.setLocation("Hill\x02");
    dataset.setCoordinate(QGeoCoordinate(field.latitude, field.longitude));
    if (withBearing)
        dataset.setBearing(field.bearing);
    return dataset.save() ? dataset.id() : QString();
}

std::unique_ptr<OGRSpatialReference> reference(const QString& definition)
{
    auto srs = std::make_unique<OGRSpatialReference>();
    srs->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    if (definition.startsWith("EPSG:"))
        srs->importFromEPSG(definition.mid(5).toInt());
    else
        srs->importFromProj4(definition.toLatin1().constData());
    return srs;
}

// Points on the ground in metres east and north of the start corner, on a transverse Mercator
// plane through it (true north and true distances there), and their place in another system.
class Ground
{
public:
    Ground(const Field& field, const QString& target)
        : plane(reference(QString("+proj=tmerc +lat_0=%1 +lon_0=%2 +k=1 +x_0=0 +y_0=0 +ellps=WGS84 +units=m")
                              .arg(field.latitude, 0, 'g', 17)
                              .arg(field.longitude, 0, 'g', 17)))
        , into(reference(target))
        , transform(OGRCreateCoordinateTransformation(plane.get(), into.get()))
        , heading(std::sin(qDegreesToRadians(double(field.bearing))), std::cos(qDegreesToRadians(double(field.bearing))))
        // The wizard's drawing: from corners 0 and 2 the next tracks lie to the walker's left.
        , side(field.startIndex % 2 == 0 ? QPointF(-heading.y(), heading.x()) : QPointF(heading.y(), -heading.x()))
        , field(field)
    {
    }
    ~Ground() { OGRCoordinateTransformation::DestroyCT(transform); }

    QPointF place(QPointF groundPoint) const
    {
        double x = groundPoint.x();
        double y = groundPoint.y();
        transform->Transform(1, &x, &y);
        return {x, y};
    }
    // The middle of the cell where reading r of track t was taken, on the ground plane.
    QPointF reading(int t, int r) const
    {
        const bool backward = !field.parallel && t % 2 == 1;
        const double along = ((backward ? rows - 1 - r : r) + 0.5) * rowLength;
        return along * heading + (t + 0.5) * trackWidth * side;
    }
private:
    std::unique_ptr<OGRSpatialReference> plane;
    std::unique_ptr<OGRSpatialReference> into;
    OGRCoordinateTransformation* transform;

public:
    QPointF heading;
    QPointF side;

private:
    Field field;
};

struct Raster
{
    int width = 0;
    int height = 0;
    double transform[6] = {};
    std::vector<float> values;  // first band

    QPointF pixelCentre(double x, double y) const
    {
        return {transform[0] + (x + 0.5) * transform[1], transform[3] + (y + 0.5) * transform[5]};
    }
    // The mean pixel position, in pixels, of the pixels that hold `value`; NaN when none do.
    QPointF where(float value) const
    {
        double x = 0, y = 0;
        int count = 0;
        for (int i = 0; i < width * height; ++i)
            if (values[size_t(i)] == value) {
                x += i % width;
                y += i / width;
                ++count;
            }
        return count ? QPointF(x / count, y / count) : QPointF(NAN, NAN);
    }
};

Raster readRaster(GDALDataset* dataset, int band = 1)
{
    Raster raster;
    raster.width = dataset->GetRasterXSize();
    raster.height = dataset->GetRasterYSize();
    dataset->GetGeoTransform(raster.transform);
    raster.values.resize(size_t(raster.width) * size_t(raster.height));
    if (dataset->GetRasterBand(band)->RasterIO(GF_Read, 0, 0, raster.width, raster.height, raster.values.data(),
                                               raster.width, raster.height, GDT_Float32, 0, 0, nullptr)
        != CE_None)
        raster.values.clear();
    return raster;
}

using Opened = std::unique_ptr<GDALDataset, void (*)(GDALDataset*)>;
Opened open(const QString& path, const char* driver = nullptr)
{
    const char* drivers[] = {driver, nullptr};
    return Opened(GDALDataset::Open(path.toUtf8().constData(), GDAL_OF_RASTER | GDAL_OF_READONLY, driver ? drivers : nullptr),
                  [](GDALDataset* dataset) { GDALClose(dataset); });
}

// Whether `found` lies within half a cell of `expected` along and across the tracks.
bool withinHalfACell(const Ground& ground, QPointF found, QPointF expected, double* along = nullptr,
                     double* across = nullptr)
{
    const QPointF error = found - expected;
    const double a = QPointF::dotProduct(error, ground.heading);
    const double c = QPointF::dotProduct(error, ground.side);
    if (along)
        *along = std::abs(a);
    if (across)
        *across = std::abs(c);
    return std::abs(a) <= rowLength / 2 && std::abs(c) <= trackWidth / 2;
}

QString textInZip(const QString& path)
{
    VSILFILE* file = VSIFOpenL(path.toUtf8().constData(), "rb");
    if (!file)
        return {};
    QByteArray text;
    char buffer[4096];
    size_t read = 0;
    while ((read = VSIFReadL(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, int(read));
    VSIFCloseL(file);
    return QString::fromUtf8(text);
}

void addPlacements()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<int>("bearing");
    QTest::addColumn<int>("startIndex");
    QTest::addColumn<bool>("parallel");
    QTest::addColumn<int>("epsg");
    QTest::newRow("munich 0, corner 0") << 48.137154 << 11.575 << 0 << 0 << false << 32632;
    QTest::newRow("munich 90, corner 1") << 48.137154 << 11.575 << 90 << 1 << false << 32632;
    QTest::newRow("munich 200, corner 2") << 48.137154 << 11.575 << 200 << 2 << false << 32632;
    QTest::newRow("munich 359, corner 3") << 48.137154 << 11.575 << 359 << 3 << true << 32632;
    QTest::newRow("cape town 90, corner 3") << -33.92 << 18.42 << 90 << 3 << false << 32734;
    QTest::newRow("cape town 200, corner 0") << -33.92 << 18.42 << 200 << 0 << true << 32734;
    // Walked east across 12° E from 30 cm west of it: the field's centre lies in zone 33.
    QTest::newRow("zone edge east") << 47.5 << 11.999996 << 90 << 0 << false << 32633;
    QTest::newRow("zone edge west") << 47.5 << 12.00002 << 270 << 2 << false << 32632;
    QTest::newRow("south, zone edge") << -12.0 << -66.000002 << 45 << 1 << false << 32720;
}
} // namespace

class TestMapExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { GDALAllRegister(); }

    void geoTiffPutsTheCornersWhereTheyWereWalked_data() { addPlacements(); }
    void geoTiffPutsTheCornersWhereTheyWereWalked()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, bearing);
        QFETCH(int, startIndex);
        QFETCH(bool, parallel);
        QFETCH(int, epsg);
        const Field field{latitude, longitude, bearing, startIndex, parallel};
        const QString id = storeField(field);
        QTemporaryDir target;
        const Result<QString> written =
            exportStoredDatasetToMap(documentsFolder(), id, MapFormat::GeoTiffReadings, target.path());
        QVERIFY2(written, qPrintable(written.failure().reason));

        const Opened tiff = open(written.value(), "GTiff");
        QVERIFY(tiff);
        const OGRSpatialReference* srs = tiff->GetSpatialRef();
        QVERIFY(srs);
        QCOMPARE(QString(srs->GetAuthorityCode(nullptr)), QString::number(epsg));
        QCOMPARE(tiff->GetRasterBand(1)->GetRasterDataType(), GDT_Float32);
        int hasNoData = 0;
        const double noData = tiff->GetRasterBand(1)->GetNoDataValue(&hasNoData);
        QVERIFY(hasNoData);
        const Raster raster = readRaster(tiff.get());
        QVERIFY(!raster.values.empty());

        const Ground ground(field, QString("EPSG:%1").arg(epsg));
        double worstAlong = 0, worstAcross = 0;
        for (const Marker& marker : markers) {
            const QPointF pixel = raster.where(marker.value);
            QVERIFY2(std::isfinite(pixel.x()), qPrintable(QString::number(marker.value)));
            const QPointF found = raster.pixelCentre(pixel.x(), pixel.y());
            const QPointF expected = ground.place(ground.reading(marker.track, marker.reading));
            double along = 0, across = 0;
            QVERIFY2(withinHalfACell(ground, found, expected, &along, &across),
                     qPrintable(QString("reading %1: %2 m off along, %3 m across").arg(marker.value).arg(along).arg(across)));
            worstAlong = std::max(worstAlong, along);
            worstAcross = std::max(worstAcross, across);
        }
        qInfo("worst corner error: %.3f m along, %.3f m across", worstAlong, worstAcross);
        // Outside the field there is no reading: a turned field leaves the raster's corners empty.
        if (bearing % 90 != 0)
            QCOMPARE(double(raster.values.front()), noData);
    }

    // The picked point's latitude and longitude: a walk's distances from the start corner.
    void walkDistancesLandOnTheEarth_data() { addPlacements(); }
    void walkDistancesLandOnTheEarth()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, bearing);
        QFETCH(int, startIndex);
        const Field field{latitude, longitude, bearing, startIndex, false};
        const FieldPlacement placement{latitude, longitude, bearing, startIndex, tracks * trackWidth, double(fieldLength)};
        const Result<FieldGeoreference> where = FieldGeoreference::of(placement);
        QVERIFY(where);
        const Ground ground(field, "+proj=longlat +datum=WGS84");
        for (const QPointF walk : {QPointF(0, 0), QPointF(4.5, 0.5), QPointF(1.25, 5.5)}) {
            const QGeoCoordinate found = where->toGeographic(planPointOfWalk(placement, walk.x(), walk.y()));
            const QPointF expected = ground.place(walk.x() * ground.heading + walk.y() * ground.side);
            QVERIFY2(found.distanceTo(QGeoCoordinate(expected.y(), expected.x())) < 0.01,
                     qPrintable(QString("%1 m along, %2 m across").arg(walk.x()).arg(walk.y())));
        }
    }

    void colourGeoTiffIsTransparentOutsideTheField()
    {
        const Field field{48.137154, 11.575, 200, 0, false};
        QTemporaryDir target;
        const Result<QString> written = exportStoredDatasetToMap(documentsFolder(), storeField(field),
                                                                 MapFormat::GeoTiffColours, target.path());
        QVERIFY(written);
        const Opened tiff = open(written.value(), "GTiff");
        QVERIFY(tiff);
        QCOMPARE(tiff->GetRasterCount(), 4);
        QCOMPARE(tiff->GetRasterBand(4)->GetColorInterpretation(), GCI_AlphaBand);
        const Raster alpha = readRaster(tiff.get(), 4);
        QCOMPARE(alpha.values.front(), 0.0f);
        QCOMPARE(*std::max_element(alpha.values.begin(), alpha.values.end()), 255.0f);
        QCOMPARE(QString(tiff->GetSpatialRef()->GetAuthorityCode(nullptr)), QString("32632"));
    }

    // The overlay's box, turned by its rotation about its centre, puts the picture's first and
    // last readings where they were walked.
    void kmzOverlayLiesOnTheField_data() { addPlacements(); }
    void kmzOverlayLiesOnTheField()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, bearing);
        QFETCH(int, startIndex);
        QFETCH(bool, parallel);
        const Field field{latitude, longitude, bearing, startIndex, parallel};
        QTemporaryDir target;
        const Result<QString> written =
            exportStoredDatasetToMap(documentsFolder(), storeField(field), MapFormat::Kmz, target.path());
        QVERIFY2(written, qPrintable(written.failure().reason));

        const Opened kmz = open(written.value(), "KMLSUPEROVERLAY");
        QVERIFY(kmz);
        double box[6];
        QCOMPARE(kmz->GetGeoTransform(box), CE_None);
        const double west = box[0], north = box[3];
        const double east = west + box[1] * kmz->GetRasterXSize(), south = north + box[5] * kmz->GetRasterYSize();

        const QString kml = textInZip("/vsizip/" + written.value() + "/doc.kml");
        const QRegularExpressionMatch rotationText = QRegularExpression("<rotation>([-0-9.]+)</rotation>").match(kml);
        QVERIFY(rotationText.hasMatch());
        const double rotation = rotationText.captured(1).toDouble();
        if (bearing == 90 && startIndex == 1)
            QCOMPARE(rotation, -90.0);  // from a bottom corner the picture's up is the walk: east
        // The name is the user's text, never markup, and what XML cannot hold is left out.
        QXmlStreamReader reader(kml);
        QStringList names;
        while (!reader.atEnd())
            if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("name"))
                names << reader.readElementText();
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QVERIFY(names.contains("Field <&> \"north\""));
        QVERIFY(kml.contains("<ScreenOverlay>"));
        QVERIFY(kml.contains(QString::number(longitude, 'f', 9) + "," + QString::number(latitude, 'f', 9) + ",0"));

        // The box and the picture on the ground plane through the start corner.
        const Ground ground(field, "+proj=longlat +datum=WGS84");
        const auto toPlane = [&](double lon, double lat) {
            auto geographic = reference("+proj=longlat +datum=WGS84");
            auto plane = reference(QString("+proj=tmerc +lat_0=%1 +lon_0=%2 +k=1 +x_0=0 +y_0=0 +ellps=WGS84 +units=m")
                                       .arg(latitude, 0, 'g', 17)
                                       .arg(longitude, 0, 'g', 17));
            OGRCoordinateTransformation* how = OGRCreateCoordinateTransformation(geographic.get(), plane.get());
            how->Transform(1, &lon, &lat);
            OGRCoordinateTransformation::DestroyCT(how);
            return QPointF(lon, lat);
        };
        const QPointF northWest = toPlane(west, north);
        const QPointF southEast = toPlane(east, south);
        const QPointF centre = (northWest + southEast) / 2;
        const double turn = qDegreesToRadians(rotation);

        const Opened picture = open("/vsizip/" + written.value() + "/files/field.png");
        QVERIFY(picture);
        Raster red = readRaster(picture.get(), 1);
        const Raster green = readRaster(picture.get(), 2);
        const Raster blue = readRaster(picture.get(), 3);
        for (const Marker& marker : {markers[0], markers[3]}) {
            const Rgb colour = colorFromValue(marker.value, -2000, 2000, 1);
            for (size_t i = 0; i < red.values.size(); ++i)
                red.values[i] = (red.values[i] == colour.red && green.values[i] == colour.green
                                 && blue.values[i] == colour.blue)
                                    ? 1.0f
                                    : 0.0f;
            const QPointF pixel = red.where(1.0f);
            QVERIFY(std::isfinite(pixel.x()));
            // Unturned, the picture fills the box; then it turns counter-clockwise about the centre.
            const QPointF flat(northWest.x() + (pixel.x() + 0.5) / red.width * (southEast.x() - northWest.x()),
                               northWest.y() - (pixel.y() + 0.5) / red.height * (northWest.y() - southEast.y()));
            const QPointF offset = flat - centre;
            const QPointF turned = centre + QPointF(offset.x() * std::cos(turn) - offset.y() * std::sin(turn),
                                                    offset.x() * std::sin(turn) + offset.y() * std::cos(turn));
            double along = 0, across = 0;
            QVERIFY2(withinHalfACell(ground, turned, ground.reading(marker.track, marker.reading), &along, &across),
                     qPrintable(QString("reading %1: %2 m off along, %3 m across").arg(marker.value).arg(along).arg(across)));
            red = readRaster(picture.get(), 1);
        }
    }

    // Nothing is written for a field that cannot be placed, and the user learns what to add.
    void refusesFieldsThatCannotBePlaced_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<bool>("withBearing");
        QTest::addColumn<QString>("told");
        QTest::newRow("no position") << 0.0 << 0.0 << true << "latitude and longitude";
        QTest::newRow("no bearing") << 48.1 << 11.5 << false << "bearing";
        QTest::newRow("beyond UTM, north") << 85.0 << 11.5 << true << "84° north";
        QTest::newRow("beyond UTM, south") << -80.5 << 11.5 << true << "80° south";
        QTest::newRow("longitude") << 48.1 << 190.0 << true << "latitude and longitude";
    }
    void refusesFieldsThatCannotBePlaced()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(bool, withBearing);
        QFETCH(QString, told);
        const QString id = storeField({latitude, longitude, 90, 0, false}, withBearing);
        QTemporaryDir target;
        for (const MapFormatInfo& info : mapFormats) {
            const Result<QString> written = exportStoredDatasetToMap(documentsFolder(), id, info.format, target.path());
            QVERIFY(!written);
            QVERIFY2(written.failure().text.contains(told), qPrintable(written.failure().text));
        }
        QVERIFY(QDir(target.path()).isEmpty());
    }
};

SORVANEL_TEST_MAIN(TestMapExport)
#include "test_map_export.moc"
