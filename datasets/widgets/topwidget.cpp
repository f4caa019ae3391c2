#include "datasets/widgets/topwidget.h"

#include "app/appsettings.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QSpacerItem>
#include <QToolButton>

TopWidget::TopWidget(QWidget* parent)
    : QWidget(parent)
    , layout(new QHBoxLayout(this))
    , leadingSpace(new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Minimum))
{
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setAlignment(Qt::AlignLeft);
    layout->addSpacerItem(leadingSpace);
    nameButton = sortButton(&TopWidget::sortByName);
    dateButton = sortButton(&TopWidget::sortByDate);
    locationButton = sortButton(&TopWidget::sortByLocation);
    retranslate();
}

QToolButton* TopWidget::sortButton(void (TopWidget::*sort)())
{
    auto* button = new QToolButton(this);
    QFont font = button->font();
    // 14 points, 12 on a screen under four inches across, where NAME, DATE and LOCATION in
    // 14 points are wider than the screen.
    font.setPointSize(screenShortSide() < inches(4) ? 12 : 14);
    button->setFont(font);
    button->setStyleSheet(QStringLiteral("Text-align: left; background-color: #c6c6c6"));
    // A finger's width: the text alone left the buttons a quarter inch high.
    button->setMinimumHeight(inches(0.35));
    layout->addWidget(button, 0, Qt::AlignLeft);
    connect(button, &QToolButton::pressed, this, sort);
    return button;
}

void TopWidget::setLeadingSpace(int pixels)
{
    // It may shrink: the space measured from tiles laid out wider must not keep the window so.
    leadingSpace->changeSize(pixels, 0, QSizePolicy::Maximum, QSizePolicy::Minimum);
    layout->invalidate();
}

void TopWidget::retranslate()
{
    nameButton->setText(tr("NAME"));
    dateButton->setText(tr("DATE"));
    locationButton->setText(tr("LOCATION"));
}

void TopWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
