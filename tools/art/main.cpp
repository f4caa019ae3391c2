// sorvanel-art: regenerates the embedded artwork.
//   sorvanel-art REPO_ROOT [icons|soils|splash|colormaps|appicon]...   (no part names: all parts)
// Needs a QGuiApplication for text; run with QT_QPA_PLATFORM=offscreen on a headless machine.
#include "artwork.h"

#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include <cstdio>

bool art::save(const QImage& image, const QString& path, int quality)
{
    if (!image.save(path, nullptr, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: sorvanel-art REPO_ROOT [icons|soils|splash|colormaps|appicon]...\n");
        return 2;
    }
    const QDir root(args.takeFirst());
    const QDir images(root.filePath("res/images"));
    if (args.isEmpty())
        args = QStringList{"icons", "soils", "splash", "colormaps", "appicon"};

    bool ok = true;
    for (const QString& part : args) {
        if (part == "icons")
            ok = art::renderIcons(QDir(root.filePath("res/art/icons")), images) && ok;
        else if (part == "soils")
            ok = art::drawSoils(images) && ok;
        else if (part == "splash")
            ok = art::drawSplash(images) && ok;
        else if (part == "appicon")
            ok = art::renderAppIcon(QDir(root.filePath("res/art/appicon")), QDir(root.filePath("res/desktop"))) && ok;
        else if (part == "colormaps")
            ok = art::drawColormaps(images) && ok;
        else {
            std::fprintf(stderr, "unknown part %s\n", qPrintable(part));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
