#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the welcome screen puts its picture and version line.
namespace WelcomeGeometry {

// Portrait (buttons in a row under the picture) when the screen is at least as tall as wide.
bool isPortrait(const QSize& screen);

// Centre of the picture: above the button row in portrait, left of the button column
// in landscape.
QPoint pictureCentre(const QSize& screen, const QSize& helpButton);

// The box the picture is scaled into, keeping its aspect ratio.
QSize pictureBounds(const QPoint& centre);

// The scaled picture of the given size placed with its centre on `centre`.
QRect pictureRect(const QPoint& centre, const QSize& scaledPicture);

// Baseline start of the version text: right-aligned with the picture, 1.5 font heights
// below its bottom edge.
QPoint versionTextOrigin(const QRect& picture, int textWidth, int fontHeight);

} // namespace WelcomeGeometry
