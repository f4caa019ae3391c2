// The artwork generator: renders the icon sources and draws the generated pictures
// (soil textures, splash pictures, colour map swatches) into res/images.
#pragma once

#include <QDir>
#include <QColor>
#include <QString>

namespace art {

// Renders every res/art/icons/*.svg to imagesDir/new/<same name>.png at twice its size.
bool renderIcons(const QDir& sourceDir, const QDir& imagesDir);

// Draws the fourteen soil textures to imagesDir/new/soil/*.jpg.
bool drawSoils(const QDir& imagesDir);

// Draws the title pictures imagesDir/splash.png and imagesDir/new/splash.png.
bool drawSplash(const QDir& imagesDir);

// Draws the four colour map swatches imagesDir/new/{Jet,BlackBodyRadiation,GrayScale,Temperature}.png.
bool drawColormaps(const QDir& imagesDir);

// Renders res/art/appicon/sorvanel3d.svg into the hicolor theme sizes under
// desktopDir/icons/hicolor/<n>x<n>/apps/, for the desktop menu.
bool renderAppIcon(const QDir& sourceDir, const QDir& desktopDir);

// Saves an image, reporting a failure on stderr.
bool save(const QImage& image, const QString& path, int quality = -1);

} // namespace art

namespace art {
// The program's colour map function, as a QColor (map numbers as in the settings: 1 to 4).
QColor mapColour(float value, float low, float high, int map);
} // namespace art
