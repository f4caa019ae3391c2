#include "datasets/widgets/bottomwidget.h"

#include "app/appsettings.h"

#include <QHBoxLayout>
#include <QPushButton>

#include <algorithm>

BottomWidget::BottomWidget(QWidget* parent)
    : QWidget(parent)
{
    setStyleSheet(QStringLiteral("QFrame {border: 2px solid #575756;}"));
    auto* layout = new QHBoxLayout(this);
    // Less room between the buttons on a narrow screen at a high density.
    layout->setSpacing(std::min(inches(0.4), screenShortSide() / 20));
    editButton = actionButton(QStringLiteral(":/res/images/new/edit.png"));
    mapButton = actionButton(QStringLiteral(":/res/images/new/world.png"));
    deleteButton = actionButton(QStringLiteral(":/res/images/new/delete.png"));
    layout->addWidget(editButton, 0, Qt::AlignRight);
    layout->addWidget(mapButton);
    layout->addWidget(deleteButton, 0, Qt::AlignRight);
    connect(editButton, &QPushButton::pressed, this, &BottomWidget::editDataset);
    connect(mapButton, &QPushButton::pressed, this, &BottomWidget::showMapData);
    connect(deleteButton, &QPushButton::pressed, this, &BottomWidget::deleteDatasets);
    hide();
}

QPushButton* BottomWidget::actionButton(const QString& icon)
{
    auto* button = new QPushButton(QIcon(icon), QString(), this);
    const int side = int(0.6 * screenDpi);
    const int iconSide = int(0.5 * screenDpi);
    button->setFixedSize(side, side);
    button->setIconSize(QSize(iconSide, iconSide));
    button->setStyleSheet(QStringLiteral("background-color: #c6c6c6"));
    return button;
}

void BottomWidget::setSingleActionsVisible(bool visible)
{
    editButton->setVisible(visible);
    mapButton->setVisible(visible);
}

bool BottomWidget::singleActionsVisible() const
{
    return !editButton->isHidden() && !mapButton->isHidden();
}
