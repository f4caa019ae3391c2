// The title pictures: a scanned field as a coloured 3D heightfield above "Sorvanel 3D".
#include "artwork.h"
#include "noise.h"

#include "app/colormap.h"

#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QVector3D>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int cells = 40;

// A made-up survey: gentle ground noise, a buried ring-shaped wall, two compact objects
// and a trench.
std::vector<float> surveyHeights()
{
    std::vector<float> h((cells + 1) * (cells + 1));
    for (int j = 0; j <= cells; ++j) {
        for (int i = 0; i <= cells; ++i) {
            const float x = float(i) / cells, y = float(j) / cells;
            float v = 0.18f * art::fbm(x * 6.0f, y * 6.0f, 4, 5);
            const float ring = std::hypot(x - 0.36f, y - 0.42f);
            v += 0.55f * std::exp(-std::pow((ring - 0.17f) / 0.045f, 2.0f));
            v += 1.0f * std::exp(-(std::pow(x - 0.72f, 2.0f) + std::pow(y - 0.3f, 2.0f)) / 0.006f);
            v += 0.7f * std::exp(-(std::pow(x - 0.66f, 2.0f) + std::pow(y - 0.74f, 2.0f)) / 0.004f);
            v -= 0.3f * std::exp(-std::pow((x + 0.5f * y - 0.62f) / 0.03f, 2.0f)) * (y > 0.45f ? 1.0f : 0.0f);
            h[j * (cells + 1) + i] = v;
        }
    }
    return h;
}

// Draws the heightfield into the rectangle area, seen from a corner above.
void drawHeightfield(QPainter& painter, const QRectF& area)
{
    const std::vector<float> h = surveyHeights();
    const auto [lowIt, highIt] = std::minmax_element(h.begin(), h.end());
    const float low = *lowIt, high = *highIt;
    auto height = [&](int i, int j) { return h[j * (cells + 1) + i]; };

    // Isometric-like projection: grid width spans the area, heights rise by 'lift'.
    const double cw = area.width() / (2.0 * cells);
    const double ch = cw * 0.44;
    const double lift = area.height() * 0.32;
    const double top = area.top() + lift * (high - low) * 0.55 + 4;
        auto project = [&](int i, int j, float z) {
        return QPointF(area.center().x() + (i - j) * cw, top + (i + j) * ch - (z - low) * lift / (high - low) * 0.9);
    };

    const QVector3D light = QVector3D(-0.5f, -0.8f, 1.0f).normalized();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int s = 0; s <= 2 * (cells - 1); ++s) {
        for (int i = std::max(0, s - cells + 1); i <= std::min(cells - 1, s); ++i) {
            const int j = s - i;
            const float a = height(i, j), b = height(i + 1, j), c = height(i + 1, j + 1), d = height(i, j + 1);
            const float mean = (a + b + c + d) / 4.0f;
            const float scaleZ = 12.0f;
            const QVector3D normal = QVector3D((a + d - b - c) * scaleZ / 2.0f, (a + b - c - d) * scaleZ / 2.0f, 1.0f).normalized();
            const float lit = 0.72f + 0.38f * std::max(0.0f, QVector3D::dotProduct(normal, light));
            // The colour range ends below the highest peak, so that the peaks show red.
            const QColor colour = art::shade(art::mapColour(mean, low, low + 0.7f * (high - low), int(ColormapId::Jet)), lit);
            QPolygonF quad;
            quad << project(i, j, a) << project(i + 1, j, b) << project(i + 1, j + 1, c) << project(i, j + 1, d);
            painter.setPen(QPen(art::shade(colour, 0.78f), 0.8));
            painter.setBrush(colour);
            painter.drawPolygon(quad);
        }
    }

    // The two front faces of the block: soil layers under the surface.
    const float floorZ = low - (high - low) * 0.3f;
    auto side = [&](bool left, const QColor& fill) {
        QPolygonF face;
        for (int k = 0; k <= cells; ++k)
            face << (left ? project(k, cells, height(k, cells)) : project(cells, k, height(cells, k)));
        face << (left ? project(cells, cells, floorZ) : project(cells, cells, floorZ));
        face << (left ? project(0, cells, floorZ) : project(cells, 0, floorZ));
        painter.setPen(QPen(QColor(0x56, 0x56, 0x56), 2.0));
        painter.setBrush(fill);
        painter.drawPolygon(face);
        // Layer lines.
        painter.setPen(QPen(art::shade(fill, 0.82f), 1.5));
        for (int layer = 1; layer <= 2; ++layer) {
            const float z = low - (high - low) * 0.1f * layer;
            painter.drawLine(left ? project(0, cells, z) : project(cells, 0, z), project(cells, cells, z));
        }
    };
    side(true, QColor(0xd4, 0xb1, 0x6a));
    side(false, QColor(0xb8, 0x92, 0x4e));
}

QString titleFamily()
{
    const int id = QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
    return families.isEmpty() ? QStringLiteral("DejaVu Sans") : families.first();
}

// The composition: heightfield in the upper part, the title centred under it.
QImage title(const QSize& size, const QColor& background)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    const double w = size.width(), hgt = size.height();
    drawHeightfield(painter, QRectF(w * 0.19, hgt * 0.02, w * 0.62, hgt * 0.62));

    QFont font(titleFamily());
    font.setBold(true);
    font.setPixelSize(int(hgt * 0.13));
    painter.setFont(font);
    const QString name = QStringLiteral("Sorvanel "), suffix = QStringLiteral("3D");
    const QFontMetricsF metrics(font);
    const double textWidth = metrics.horizontalAdvance(name + suffix);
    const double x = (w - textWidth) / 2.0, baseline = hgt * 0.9;
    painter.setPen(QColor(0x56, 0x56, 0x56));
    painter.drawText(QPointF(x, baseline), name);
    painter.setPen(QColor(190, 22, 34));
    painter.drawText(QPointF(x + metrics.horizontalAdvance(name), baseline), suffix);
    return image;
}

} // namespace

bool art::drawSplash(const QDir& imagesDir)
{
    // The welcome screen scales its picture onto rgb(240, 240, 240): a transparent
    // background blends in. The start-up splash is shown as it is: opaque, with a frame.
    const QImage welcome = title(QSize(1600, 1000), Qt::transparent);
    QImage start = title(QSize(720, 450), QColor(240, 240, 240));
    {
        QPainter painter(&start);
        painter.setPen(QPen(QColor(0xe6, 0xd1, 0xa7), 8));
        painter.drawRect(QRectF(4, 4, start.width() - 8, start.height() - 8));
    }
    return save(welcome, imagesDir.filePath("new/splash.png")) && save(start, imagesDir.filePath("splash.png"));
}
