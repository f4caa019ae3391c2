#include "visualization/widgets/bottomwidgetheightfield.h"

#include "app/appsettings.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {
QPushButton* barButton(const QString& icon, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    // Centred as a group with its icon: without an alignment, Qt's style-sheet style puts a
    // right-to-left text against the button's left border, far from the icon.
    button->setStyleSheet("background-color: #d4b16a; text-align: center");
    button->setMinimumHeight(int(0.5 * screenDpi));
    button->setIcon(QIcon(icon));
    // Half the button's height: Qt's 16-px default was lost in a finger-sized button.
    button->setIconSize(QSize(int(0.25 * screenDpi), int(0.25 * screenDpi)));
    return button;
}
} // namespace

BottomWidgetHeightfield::BottomWidgetHeightfield(QWidget* parent)
    : QWidget(parent)
{
    setMaximumHeight(int(0.75 * screenDpi));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    reset = barButton(":/res/images/new/cam_reset.png", this);
    datasets = barButton(":/res/images/new/fileSelector.png", this);
    record = barButton(":/res/images/new/record.png", this);
    for (QPushButton* button : {reset, datasets, record})
        layout->addWidget(button);
    connect(reset, &QPushButton::pressed, this, &BottomWidgetHeightfield::resetCamera);
    connect(datasets, &QPushButton::pressed, this, &BottomWidgetHeightfield::selectDataset);
    connect(record, &QPushButton::pressed, this, &BottomWidgetHeightfield::startNewRecording);
    updateTexts();
}

void BottomWidgetHeightfield::resetCamera()
{
    emit resetCameraButtonPushed();
}

void BottomWidgetHeightfield::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateTexts();
}

void BottomWidgetHeightfield::updateTexts()
{
    // The maximum height set first already resizes the bar, before the buttons exist.
    if (!record)
        return;
    const bool iconsOnly = width() < 7 * screenDpi;
    reset->setText(iconsOnly ? " " : tr("  RESET CAMERA"));
    datasets->setText(iconsOnly ? " " : tr("  DATASET MANAGER"));
    record->setText(iconsOnly ? " " : tr("  START NEW RECORDING"));
}
