#include "artwork.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {
// Icon sources are 96 units high and shown at up to about 100 px; twice that stays
// sharp on a high-density screen.
constexpr int scale = 2;
}

bool art::renderIcons(const QDir& sourceDir, const QDir& imagesDir)
{
    const QFileInfoList sources = sourceDir.entryInfoList({"*.svg"}, QDir::Files, QDir::Name);
    if (sources.isEmpty()) {
        std::fprintf(stderr, "no icon sources in %s\n", qPrintable(sourceDir.path()));
        return false;
    }
    bool ok = true;
    for (const QFileInfo& source : sources) {
        QSvgRenderer renderer(source.filePath());
        if (!renderer.isValid()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(source.filePath()));
            ok = false;
            continue;
        }
        QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        ok = save(image, imagesDir.filePath("new/" + source.completeBaseName() + ".png")) && ok;
    }
    return ok;
}
