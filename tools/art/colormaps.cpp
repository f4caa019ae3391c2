// The colour map swatches of the "Scan Color" and "Colormap" menus: each shows its map's
// own gradient, computed column by column with the program's colour map function.
#include "artwork.h"

#include "app/colormap.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

QColor art::mapColour(float value, float low, float high, int map)
{
    const Rgb rgb = colorFromValue(value, low, high, map);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

namespace {
// Same canvas as the SVG icons: 96 units drawn at 2x, a rounded frame inset by 8 units.
constexpr int side = 192;
constexpr int inset = 16;
constexpr int radius = 24;
constexpr int stroke = 12;
}

bool art::drawColormaps(const QDir& imagesDir)
{
    const std::pair<ColormapId, const char*> maps[] = {
        {ColormapId::Jet, "Jet"}, {ColormapId::BlackBody, "BlackBodyRadiation"},
        {ColormapId::GreyScale, "GrayScale"}, {ColormapId::Temperature, "Temperature"}};
    bool ok = true;
    for (const auto& [map, name] : maps) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const QRectF frame(inset, inset, side - 2 * inset, side - 2 * inset);
        QPainterPath rounded;
        rounded.addRoundedRect(frame, radius, radius);
        // Column x from 'inset' to 'side - inset - 1' shows the value x - inset of the range
        // 0 .. side - 2 * inset - 1, from the low end at the left to the high end at the right.
        painter.setClipPath(rounded);
        const int columns = side - 2 * inset;
        for (int c = 0; c < columns; ++c) {
            painter.setPen(mapColour(float(c), 0.0f, float(columns - 1), int(map)));
            painter.drawLine(inset + c, inset, inset + c, side - inset);
        }
        painter.setClipping(false);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x56, 0x56, 0x56), stroke));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(rounded);
        painter.end();
        ok = save(image, imagesDir.filePath(QString("new/%1.png").arg(name))) && ok;
    }
    return ok;
}
