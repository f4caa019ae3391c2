#include "app/widgets/menuiconproxystyle.h"

#include "app/appsettings.h"

int MenuIconProxyStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                    const QWidget* widget) const
{
    if (metric == QStyle::PM_SmallIconSize)
        return int(0.35 * screenDpi);
    return QProxyStyle::pixelMetric(metric, option, widget);
}
