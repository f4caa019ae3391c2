// The soil pictures: one procedural texture per soil, each with its own colour and grain.
#include "artwork.h"
#include "noise.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace {

using art::Cell;
using art::cellular;
using art::fbm;
using art::hash01;
using art::mix;
using art::shade;

constexpr int side = 256;

// Fine per-pixel grain: a brightness factor around 1.
float grain(int x, int y, std::uint32_t seed, float amount)
{
    return 1.0f + (hash01(x, y, seed) - 0.5f) * 2.0f * amount;
}

QImage texture(const std::function<QColor(int, int)>& colourAt)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < side; ++x)
            line[x] = colourAt(x, y).rgb();
    }
    return image;
}

// Scattered round specks of random size and one of the given colours.
void specks(QImage& image, int count, float minRadius, float maxRadius,
            const std::vector<QColor>& colours, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> position(0.0f, side), radius(minRadius, maxRadius);
    std::uniform_int_distribution<std::size_t> pick(0, colours.size() - 1);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF centre(position(random), position(random));
        const float r = radius(random);
        const QColor colour = colours[pick(random)];
        painter.setBrush(shade(colour, 0.7f));
        painter.drawEllipse(centre + QPointF(r * 0.25, r * 0.25), r, r);
        painter.setBrush(colour);
        painter.drawEllipse(centre, r, r);
    }
}

// Alfisol: reddish-brown loam, crumbly medium grain with pale quartz grains.
QImage alfisol()
{
    const QColor dark(0x6a, 0x3f, 0x28), light(0xa8, 0x74, 0x50);
    QImage image = texture([&](int x, int y) {
        const float n = fbm(x / 22.0f, y / 22.0f, 4, 11);
        const Cell c = cellular(x / 9.0f, y / 9.0f, 12);
        const float crumb = 0.9f + 0.14f * std::min(1.0f, (c.f2 - c.f1) * 2.5f);
        return shade(mix(dark, light, n * 1.3f - 0.15f), crumb * grain(x, y, 13, 0.08f));
    });
    specks(image, 90, 0.6f, 1.6f, {QColor(0xe0, 0xcc, 0xa8), QColor(0xc9, 0xa0, 0x78)}, 14);
    return image;
}

// Andisol: dark volcanic soil, porous, with light pumice grains.
QImage andisol()
{
    const QColor base(0x3b, 0x31, 0x29), light(0x55, 0x48, 0x3b);
    QImage image = texture([&](int x, int y) {
        const float n = fbm(x / 30.0f, y / 30.0f, 4, 21);
        const Cell pore = cellular(x / 6.0f, y / 6.0f, 22);
        const float hole = pore.f1 < 0.18f ? 0.7f : 1.0f;
        return shade(mix(base, light, n), hole * grain(x, y, 23, 0.12f));
    });
    specks(image, 70, 1.0f, 2.6f, {QColor(0xb8, 0xad, 0x9a), QColor(0x8d, 0x84, 0x78)}, 24);
    return image;
}

// Aridisol: pale desert sand, fine loose grains, faint wind ripples.
QImage aridisol()
{
    const QColor base(0xd8, 0xc3, 0x9a);
    return texture([&](int x, int y) {
        const float ripple = std::sin((y + 10.0f * fbm(x / 40.0f, y / 40.0f, 3, 31)) / 7.0f);
        const float h = hash01(x / 2, y / 2, 32);
        QColor c = base;
        if (h < 0.12f)
            c = QColor(0xb0, 0x92, 0x62);
        else if (h > 0.9f)
            c = QColor(0xf2, 0xe6, 0xc8);
        return shade(c, (1.0f + 0.05f * ripple) * grain(x, y, 33, 0.06f));
    });
}

// Concrete: even mid grey, small dark aggregate flecks and tiny air pores.
QImage concrete()
{
    const QColor base(0x9a, 0x9a, 0x98);
    QImage image = texture([&](int x, int y) {
        const float n = fbm(x / 50.0f, y / 50.0f, 3, 41);
        return shade(base, (0.96f + 0.08f * n) * grain(x, y, 42, 0.05f));
    });
    specks(image, 160, 0.5f, 1.8f, {QColor(0x74, 0x74, 0x72), QColor(0xb4, 0xb2, 0xae)}, 43);
    specks(image, 40, 0.6f, 1.4f, {QColor(0x4e, 0x4e, 0x4e)}, 44);
    return image;
}

// Entisol: young light-brown sandy loam with many pebbles.
QImage entisol()
{
    const QColor base(0xb0, 0x8d, 0x63), dark(0x93, 0x72, 0x4c);
    return texture([&](int x, int y) {
        const float wx = x + 9.0f * fbm(x / 9.0f, y / 9.0f, 2, 56), wy = y + 9.0f * fbm(x / 9.0f + 5.0f, y / 9.0f, 2, 57);
        const Cell stone = cellular(wx / 28.0f, wy / 28.0f, 51);
        const float size = 0.22f + 0.2f * stone.id;
        if (stone.id > 0.35f && stone.f1 < size) {
            const QColor rock = mix(QColor(0x8e, 0x88, 0x7e), QColor(0xc8, 0xb8, 0x9c), hash01(int(stone.id * 1e6f), 0, 52));
            const float rim = stone.f1 > size * 0.85f ? 0.7f : 1.0f;
            const float light = rim * (0.9f + 0.25f * fbm(x / 6.0f, y / 6.0f, 2, 58));
            return shade(rock, light * grain(x, y, 53, 0.04f));
        }
        const float n = fbm(x / 16.0f, y / 16.0f, 3, 54);
        return shade(mix(dark, base, n * 1.4f), grain(x, y, 55, 0.1f));
    });
}

// Gelisol: frozen blue-grey soil with white ice lenses.
QImage gelisol()
{
    const QColor base(0x6f, 0x7b, 0x80), dark(0x55, 0x5f, 0x64), ice(0xe4, 0xee, 0xf2);
    return texture([&](int x, int y) {
        const float n = fbm(x / 24.0f, y / 24.0f, 4, 61);
        const float wave = std::sin((y + 18.0f * fbm(x / 60.0f, y / 30.0f, 3, 62)) / 9.0f);
        const float lens = std::pow(std::max(0.0f, wave), 14.0f) * std::clamp((fbm(x / 18.0f, y / 10.0f, 3, 63) - 0.45f) * 6.0f, 0.0f, 1.0f);
        const QColor soil = mix(dark, base, n * 1.3f);
        return shade(mix(soil, ice, lens * 0.9f), grain(x, y, 64, 0.06f));
    });
}

// Histosol: dark peat made of plant fibres.
QImage histosol()
{
    const QColor base(0x2a, 0x1d, 0x14), light(0x3d, 0x2b, 0x1d);
    QImage image = texture([&](int x, int y) {
        return shade(mix(base, light, fbm(x / 18.0f, y / 18.0f, 4, 71)), grain(x, y, 72, 0.15f));
    });
    std::mt19937 random(73);
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fibres[] = {QColor(0x6e, 0x4c, 0x2a), QColor(0x54, 0x3a, 0x22), QColor(0x7a, 0x58, 0x32), QColor(0x1a, 0x12, 0x0c)};
    for (int i = 0; i < 420; ++i) {
        const float x = u(random) * side, y = u(random) * side;
        const float angle = 1.2f * (u(random) - 0.5f) + (u(random) < 0.5f ? 0.0f : 3.14159f);
        const float length = 14.0f + 40.0f * u(random);
        const float bend = (u(random) - 0.5f) * 30.0f;
        QPainterPath fibre(QPointF(x, y));
        const QPointF end(x + length * std::cos(angle), y + length * std::sin(angle));
        fibre.quadTo(QPointF((x + end.x()) / 2 - bend * std::sin(angle), (y + end.y()) / 2 + bend * std::cos(angle)), end);
        painter.setPen(QPen(fibres[i % 4], 0.5 + 0.9 * u(random), Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(fibre);
    }
    return image;
}

// Inceptisol: moderately developed brown soil with ochre and grey mottles.
QImage inceptisol()
{
    const QColor base(0x7a, 0x62, 0x44), ochre(0xa8, 0x80, 0x46), grey(0x66, 0x5d, 0x52);
    return texture([&](int x, int y) {
        const float m = fbm(x / 26.0f, y / 26.0f, 4, 81);
        const float g = fbm(x / 34.0f, y / 34.0f, 3, 82);
        QColor c = mix(base, ochre, (m - 0.55f) * 4.0f);
        c = mix(c, grey, (g - 0.6f) * 4.0f);
        return shade(c, grain(x, y, 83, 0.1f));
    });
}

// Mollisol: very dark, humus-rich prairie soil in rounded crumbs.
QImage mollisol()
{
    const QColor base(0x4a, 0x36, 0x26), light(0x62, 0x4a, 0x34);
    return texture([&](int x, int y) {
        const Cell c = cellular(x / 11.0f, y / 11.0f, 91);
        const Cell l = cellular((x - 2.0f) / 11.0f, (y - 2.0f) / 11.0f, 91);
        const float edge = std::min(1.0f, (c.f2 - c.f1) * 3.0f);
        const float lit = std::clamp(1.0f + (c.f1 - l.f1) * 2.2f, 0.7f, 1.3f);
        const QColor crumb = mix(base, light, c.id);
        return shade(crumb, (0.45f + 0.55f * edge) * lit * grain(x, y, 92, 0.1f));
    });
}

// Oxisol: deep red tropical clay, fine and uniform, with dark iron nodules.
QImage oxisol()
{
    const QColor base(0xa2, 0x45, 0x2a), light(0xb8, 0x56, 0x32);
    QImage image = texture([&](int x, int y) {
        return shade(mix(base, light, fbm(x / 36.0f, y / 36.0f, 3, 101)), grain(x, y, 102, 0.06f));
    });
    specks(image, 55, 1.2f, 3.2f, {QColor(0x5a, 0x20, 0x12), QColor(0x6e, 0x2a, 0x16)}, 103);
    return image;
}

// Pelosol: smooth olive-grey clay broken by fine shrinkage cracks.
QImage pelosol()
{
    const QColor base(0x6e, 0x6a, 0x58), light(0x80, 0x7c, 0x68);
    return texture([&](int x, int y) {
        const float n = fbm(x / 40.0f, y / 40.0f, 3, 111);
        const float wx = x + 6.0f * fbm(x / 15.0f, y / 15.0f, 2, 112);
        const Cell c = cellular(wx / 38.0f, y / 38.0f, 113);
        const float crack = (c.f2 - c.f1) < 0.035f ? 0.55f : 1.0f;
        return shade(mix(base, light, n), crack * grain(x, y, 114, 0.03f));
    });
}

// Spodosol: bleached ash-grey sand with dark rust-brown streaks.
QImage spodosol()
{
    const QColor base(0xbc, 0xae, 0xa4), streak(0x6a, 0x44, 0x30);
    return texture([&](int x, int y) {
        const float band = std::sin((y + 26.0f * fbm(x / 50.0f, y / 50.0f, 3, 121)) / 22.0f);
        const float s = std::pow(std::max(0.0f, band), 10.0f) * fbm(x / 12.0f, y / 12.0f, 2, 122) * 1.6f;
        const float h = hash01(x / 2, y / 2, 123);
        QColor c = h < 0.1f ? QColor(0x98, 0x8c, 0x84) : (h > 0.92f ? QColor(0xe2, 0xd8, 0xd0) : base);
        return shade(mix(c, streak, s), grain(x, y, 124, 0.05f));
    });
}

// Ultisol: weathered yellowish-red clay, mottled yellow and red.
QImage ultisol()
{
    const QColor base(0xb5, 0x65, 0x2f), yellow(0xd0, 0x9c, 0x48), red(0x96, 0x3a, 0x20);
    return texture([&](int x, int y) {
        const float a = fbm(x / 20.0f, y / 20.0f, 4, 131);
        const float b = fbm(x / 28.0f, y / 28.0f, 4, 132);
        QColor c = mix(base, yellow, (a - 0.55f) * 5.0f);
        c = mix(c, red, (b - 0.6f) * 5.0f);
        return shade(c, grain(x, y, 133, 0.05f));
    });
}

// Vertisol: dark swelling clay split into blocks by deep cracks.
QImage vertisol()
{
    const QColor base(0x3f, 0x3a, 0x33), light(0x55, 0x4f, 0x45), crack(0x12, 0x10, 0x0d);
    return texture([&](int x, int y) {
        const float wx = x + 10.0f * fbm(x / 20.0f, y / 20.0f, 3, 141);
        const float wy = y + 10.0f * fbm(x / 20.0f + 7.0f, y / 20.0f, 3, 142);
        const Cell c = cellular(wx / 52.0f, wy / 52.0f, 143);
        const float gap = c.f2 - c.f1;
        const QColor block = shade(mix(base, light, c.id * 0.6f + 0.4f * fbm(x / 10.0f, y / 10.0f, 2, 144)), grain(x, y, 145, 0.08f));
        if (gap < 0.05f)
            return crack;
        return mix(crack, block, std::min(1.0f, (gap - 0.05f) * 14.0f));
    });
}

} // namespace

bool art::drawSoils(const QDir& imagesDir)
{
    const std::pair<const char*, QImage (*)()> soils[] = {
        {"Alfisol", alfisol},   {"Andisol", andisol},   {"Aridisol", aridisol},
        {"Concrete", concrete}, {"Entisol", entisol},   {"Gelisol", gelisol},
        {"Histosol", histosol}, {"Inzeptisol", inceptisol}, {"Mollisol", mollisol},
        {"Oxisol", oxisol},     {"Pelosol", pelosol},   {"Spodosol", spodosol},
        {"Ultisol", ultisol},   {"Vertisol", vertisol},
    };
    bool ok = true;
    for (const auto& [name, draw] : soils)
        ok = save(draw(), imagesDir.filePath(QString("new/soil/%1.jpg").arg(name)), 88) && ok;
    return ok;
}
