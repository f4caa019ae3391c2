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

bool art::renderAppIcon(const QDir& sourceDir, const QDir& desktopDir)
{
    const QString source = sourceDir.filePath("sorvanel3d.svg");
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(source));
        return false;
    }
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString folder = QString("icons/hicolor/%1x%1/apps").arg(size);
        desktopDir.mkpath(folder);
        ok = save(image, desktopDir.filePath(folder + "/sorvanel3d.png")) && ok;
    }
    return ok;
}
