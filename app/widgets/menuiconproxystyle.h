#pragma once

#include <QProxyStyle>

// Menu icons at a third of an inch, large enough to hit with a finger.
class MenuIconProxyStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};
