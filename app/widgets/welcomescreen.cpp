#include "app/widgets/welcomescreen.h"

#include "app/appsettings.h"
#include "app/widgets/look.h"
#include "app/welcomegeometry.h"

#include <QBoxLayout>
#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>

WelcomeScreen::WelcomeScreen(QWidget* parent) : QWidget(parent)
{
    recordButton = makeButton(QStringLiteral("://res/images/new/recordMode.png"));
    viewButton = makeButton(QStringLiteral("://res/images/new/viewMode.png"));
    helpButton = makeButton(QStringLiteral("://res/images/new/infoMode.png"));
    connect(recordButton, &QPushButton::clicked, this, &WelcomeScreen::emitRecordButtonSignal);
    connect(viewButton, &QPushButton::clicked, this, &WelcomeScreen::emitViewButtonSignal);
    connect(helpButton, &QPushButton::clicked, this, &WelcomeScreen::emitHelpButtonSignal);

    const int inch = int(screenDpi);
    firstSeparator = new QFrame(this);
    secondSeparator = new QFrame(this);
    for (QFrame* separator : {firstSeparator, secondSeparator})
        separator->setMaximumSize(inch, inch);

    layout = new QBoxLayout(QBoxLayout::LeftToRight, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(recordButton);
    layout->addWidget(firstSeparator);
    layout->addWidget(viewButton);
    layout->addWidget(secondSeparator);
    layout->addWidget(helpButton);
    layout->addStretch();
    arrange(WelcomeGeometry::isPortrait(size()));
}

void WelcomeScreen::emitViewButtonSignal()
{
    emit viewButtonClicked();
}

void WelcomeScreen::emitHelpButtonSignal()
{
    emit helpButtonClicked();
}

void WelcomeScreen::emitRecordButtonSignal()
{
    emit recordButtonClicked();
}

QPushButton* WelcomeScreen::makeButton(const QString& icon)
{
    auto* button = new QPushButton(this);
    button->setIcon(QIcon(icon));
    button->setStyleSheet(QStringLiteral("background-color: #c6c6c6"));
    // An inch, but three of them and the navigation bar must fit the screen's short side.
    const int side = std::min(int(screenDpi), int((screenShortSide() - inches(0.66)) / 3.5));
    const int iconSide = int(side * 0.6);
    button->setIconSize(QSize(iconSide, iconSide));
    button->setMinimumSize(side, side);
    return button;
}

void WelcomeScreen::arrange(bool portrait)
{
    if (portrait) {
        layout->setDirection(QBoxLayout::LeftToRight);
        firstSeparator->setFrameShape(QFrame::VLine);
        secondSeparator->setFrameShape(QFrame::VLine);
        layout->setAlignment(helpButton, Qt::AlignRight | Qt::AlignBottom);
        layout->setAlignment(recordButton, Qt::AlignHCenter | Qt::AlignVCenter | Qt::AlignBottom);
        layout->setAlignment(viewButton, Qt::AlignLeft | Qt::AlignBottom);
        layout->setAlignment(firstSeparator, Qt::AlignBottom);
        layout->setAlignment(secondSeparator, Qt::AlignBottom);
        layout->setStretch(0, 0);
    } else {
        layout->setDirection(QBoxLayout::TopToBottom);
        firstSeparator->setFrameShape(QFrame::HLine);
        secondSeparator->setFrameShape(QFrame::HLine);
        const QList<QWidget*> column{recordButton, firstSeparator, viewButton, secondSeparator, helpButton};
        for (QWidget* widget : column)
            layout->setAlignment(widget, Qt::AlignRight);
        layout->setStretch(0, 1);
    }
}

void WelcomeScreen::resizeEvent(QResizeEvent* event)
{
    arrange(WelcomeGeometry::isPortrait(event->size()));
    QWidget::resizeEvent(event);
}

const QPixmap& WelcomeScreen::scaledSplash(const QSize& bounds)
{
    if (bounds != splashCacheBounds) {
        const QPixmap splash(QStringLiteral(":/res/images/new/splash.png"));
        splashCache = splash.isNull() || bounds.isEmpty()
                          ? QPixmap()
                          : splash.scaled(bounds, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        splashCacheBounds = bounds;
    }
    return splashCache;
}

void WelcomeScreen::paintEvent(QPaintEvent* event)
{
    const QPoint centre = WelcomeGeometry::pictureCentre(size(), helpButton->size());
    const QPixmap& picture = scaledSplash(WelcomeGeometry::pictureBounds(centre));
    const QRect pictureRect = WelcomeGeometry::pictureRect(centre, picture.size());

    QPainter painter(this);
    painter.fillRect(rect(), QColor(240, 240, 240));
    if (!picture.isNull())
        painter.drawPixmap(pictureRect.topLeft(), picture);

    QFont font;
    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(QColor(198, 198, 198));
    const QString version = QStringLiteral("ver. ") + versionString();
    const QFontMetrics metrics(font);
    painter.drawText(WelcomeGeometry::versionTextOrigin(pictureRect, metrics.horizontalAdvance(version),
                                                        metrics.height()),
                     version);
    painter.end();
    QWidget::paintEvent(event);
}
