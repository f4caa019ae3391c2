#include "datasets/kmzexport.h"

#include "datasets/datasetpreview.h"
#include "datasets/fieldpicture.h"
#include "datasets/fieldplacement.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>
#include <quazip.h>
#include <quazipfile.h>

namespace {
// The dataset's texts may come from another instance: characters XML cannot hold (control
// characters, lone surrogates) would make the whole document unreadable, so they are dropped.
QString xmlText(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept += c;
            kept += text[++i];
        } else if (!c.isSurrogate() && (c.unicode() >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                   && c.unicode() != 0xfffe && c.unicode() != 0xffff) {
            kept += c;
        }
    }
    return kept;
}

QString degrees(double value)
{
    return QString::number(value, 'f', 9);
}

// Google Earth draws the overlay's picture with smoothing: cells a few pixels across keep their
// edges. At most this many pixels along the longer side.
constexpr int longestOverlaySide = 4096;
constexpr int wantedOverlaySide = 1024;

QImage overlayPicture(const SurveyGrid& grid, ValueRange range, int colormap)
{
    const QImage cells = planPicture(grid, range, colormap);
    // Square pixels of the smaller cell side, then a whole multiple of them.
    const double pixel = std::min(grid.dx, grid.dy);
    double width = std::max(1.0, std::round(grid.columns * grid.dx / pixel));
    double height = std::max(1.0, std::round(grid.rows * grid.dy / pixel));
    const double longest = std::max(width, height);
    const double scale = longest > longestOverlaySide ? longestOverlaySide / longest
                                                      : std::max(1.0, std::floor(wantedOverlaySide / longest));
    width = std::max(1.0, std::round(width * scale));
    height = std::max(1.0, std::round(height * scale));
    return cells.scaled(int(width), int(height), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void writeVector(QXmlStreamWriter& kml, const char* element, double x, double y, const QString& units)
{
    kml.writeStartElement(QLatin1String(element));
    kml.writeAttribute(QStringLiteral("x"), QString::number(x));
    kml.writeAttribute(QStringLiteral("y"), QString::number(y));
    kml.writeAttribute(QStringLiteral("xunits"), units);
    kml.writeAttribute(QStringLiteral("yunits"), units);
    kml.writeEndElement();
}

void writeGroundOverlay(QXmlStreamWriter& kml, const LatLonBox& box, const QString& name)
{
    kml.writeStartElement(QStringLiteral("GroundOverlay"));
    kml.writeTextElement(QStringLiteral("name"), xmlText(name));
    kml.writeStartElement(QStringLiteral("Icon"));
    kml.writeTextElement(QStringLiteral("href"), QStringLiteral("files/field.png"));
    kml.writeEndElement();
    kml.writeStartElement(QStringLiteral("LatLonBox"));
    kml.writeTextElement(QStringLiteral("north"), degrees(box.north));
    kml.writeTextElement(QStringLiteral("south"), degrees(box.south));
    kml.writeTextElement(QStringLiteral("east"), degrees(box.east));
    kml.writeTextElement(QStringLiteral("west"), degrees(box.west));
    kml.writeTextElement(QStringLiteral("rotation"), QString::number(box.rotation, 'f', 3));
    kml.writeEndElement();
    kml.writeEndElement();
}

void writeLegend(QXmlStreamWriter& kml)
{
    kml.writeStartElement(QStringLiteral("ScreenOverlay"));
    kml.writeTextElement(QStringLiteral("name"), QCoreApplication::translate("KmzExport", "Colour legend"));
    kml.writeStartElement(QStringLiteral("Icon"));
    kml.writeTextElement(QStringLiteral("href"), QStringLiteral("files/legend.png"));
    kml.writeEndElement();
    const QString fraction = QStringLiteral("fraction");
    writeVector(kml, "overlayXY", 0, 0, fraction);
    writeVector(kml, "screenXY", 0.02, 0.06, fraction);
    writeVector(kml, "size", -1, -1, QStringLiteral("pixels"));  // the picture's own size
    kml.writeEndElement();
}

QString placemarkDescription(const KmzCaption& caption)
{
    QStringList lines;
    lines << caption.date.toString(Qt::ISODate) + QLatin1Char(' ') + caption.time.toString(QStringLiteral("hh:mm"));
    if (!caption.probe.isEmpty())
        lines << caption.probe;
    if (!caption.location.isEmpty())
        lines << caption.location;
    lines << QCoreApplication::translate("KmzExport", "Start of the first track");
    return lines.join(QLatin1Char('\n'));
}

void writePlacemark(QXmlStreamWriter& kml, const KmzCaption& caption, const QGeoCoordinate& start)
{
    kml.writeStartElement(QStringLiteral("Placemark"));
    kml.writeTextElement(QStringLiteral("name"), xmlText(caption.name));
    kml.writeTextElement(QStringLiteral("description"), xmlText(placemarkDescription(caption)));
    kml.writeStartElement(QStringLiteral("Point"));
    kml.writeTextElement(QStringLiteral("coordinates"),
                         degrees(start.longitude()) + QLatin1Char(',') + degrees(start.latitude()) + QStringLiteral(",0"));
    kml.writeEndElement();
    kml.writeEndElement();
}

QByteArray kmlText(const LatLonBox& box, const KmzCaption& caption, const QGeoCoordinate& start)
{
    QByteArray text;
    QXmlStreamWriter kml(&text);
    kml.setAutoFormatting(true);
    kml.writeStartDocument();
    kml.writeDefaultNamespace(QStringLiteral("http://www.opengis.net/kml/2.2"));
    kml.writeStartElement(QStringLiteral("kml"));
    kml.writeStartElement(QStringLiteral("Document"));
    kml.writeTextElement(QStringLiteral("name"), xmlText(caption.name));
    writeGroundOverlay(kml, box, caption.name);
    writeLegend(kml);
    writePlacemark(kml, caption, start);
    kml.writeEndElement();
    kml.writeEndElement();
    kml.writeEndDocument();
    return text;
}

bool addEntry(QuaZip& zip, const QString& name, const QByteArray& content)
{
    QuaZipFile entry(&zip);
    QuaZipNewInfo info(name);
    // Without permissions an unpacked entry could not be read.
    info.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!entry.open(QIODevice::WriteOnly, info))
        return false;
    const bool written = entry.write(content) == content.size();
    entry.close();
    return written && entry.getZipError() == ZIP_OK;
}
} // namespace

LatLonBox latLonBoxOf(const SurveyGrid& grid, const FieldGeoreference& where)
{
    const double width = grid.columns * grid.dx;
    const double length = grid.rows * grid.dy;
    const FieldPlacement& placement = where.placement();
    // The box's sides run north-south and east-west through the centre, as long as the field's.
    const QPointF centre = groundOffset(placement, QPointF(width / 2, length / 2));
    LatLonBox box;
    box.north = where.groundToGeographic(centre + QPointF(0, length / 2)).latitude();
    box.south = where.groundToGeographic(centre - QPointF(0, length / 2)).latitude();
    box.east = where.groundToGeographic(centre + QPointF(width / 2, 0)).longitude();
    box.west = where.groundToGeographic(centre - QPointF(width / 2, 0)).longitude();
    double rotation = std::fmod(planRotation(placement), 360.0);
    if (rotation > 180)
        rotation -= 360;
    if (rotation <= -180)
        rotation += 360;
    box.rotation = rotation;
    return box;
}

Result<QByteArray> kmzFile(const SurveyGrid& grid, const FieldGeoreference& where, const KmzCaption& caption,
                           ValueRange range, int colormap)
{
    const QGeoCoordinate start(where.placement().latitude, where.placement().longitude);
    const QByteArray kml = kmlText(latLonBoxOf(grid, where), caption, start);
    const QByteArray field = pngOf(overlayPicture(grid, range, colormap));
    const QByteArray legend =
        pngOf(legendPicture(range, colormap, QCoreApplication::translate("KmzExport", "Reading")));

    QByteArray archive;
    QBuffer buffer(&archive);
    QuaZip zip(&buffer);
    // The document first: Google Earth opens the archive's first KML file.
    const bool packed = zip.open(QuaZip::mdCreate) && addEntry(zip, QStringLiteral("doc.kml"), kml)
                        && addEntry(zip, QStringLiteral("files/field.png"), field)
                        && addEntry(zip, QStringLiteral("files/legend.png"), legend);
    zip.close();
    if (!packed || zip.getZipError() != ZIP_OK || field.isEmpty() || legend.isEmpty())
        return Failure{QStringLiteral("cannot pack the KMZ archive"), {}};
    return archive;
}
