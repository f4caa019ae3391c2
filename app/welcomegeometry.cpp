#include "app/welcomegeometry.h"

namespace WelcomeGeometry {

bool isPortrait(const QSize& screen)
{
    return screen.height() >= screen.width();
}

QPoint pictureCentre(const QSize& screen, const QSize& helpButton)
{
    const bool portrait = isPortrait(screen);
    const double cy = portrait ? (screen.height() - helpButton.height()) * 0.5 : screen.height() * 0.5;
    const double cx = portrait ? screen.width() * 0.5 : (screen.width() - helpButton.width()) * 0.5;
    return QPoint(int(cx), int(cy));
}

QSize pictureBounds(const QPoint& centre)
{
    return QSize(int(centre.x() * 1.75), int(centre.y() * 1.75));
}

QRect pictureRect(const QPoint& centre, const QSize& scaledPicture)
{
    return QRect(QPoint(centre.x() - scaledPicture.width() / 2, centre.y() - scaledPicture.height() / 2),
                 scaledPicture);
}

QPoint versionTextOrigin(const QRect& picture, int textWidth, int fontHeight)
{
    const int right = picture.x() + picture.width();
    const int bottom = picture.y() + picture.height();
    return QPoint(right - textWidth, bottom + int(1.5 * fontHeight));
}

} // namespace WelcomeGeometry
