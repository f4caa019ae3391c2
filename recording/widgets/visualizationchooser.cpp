#include "recording/widgets/visualizationchooser.h"

#include "app/appsettings.h"
#include "recording/widgets/recordingvisualization.h"

#include <QGridLayout>
#include <QToolButton>

VisualizationChooser::VisualizationChooser(const std::vector<RecordingVisualization*>& views, QWidget* parent)
    : QWidget(parent)
    , grid(new QGridLayout(this))
{
    const int iconSide = int(3 * screenDpi);
    for (std::size_t i = 0; i < views.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(iconSide, iconSide));
        button->setStyleSheet(QStringLiteral("background-color: #c6c6c6"));
        button->setIcon(views[i]->icon());
        button->setText(views[i]->title());
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        connect(button, &QToolButton::clicked, this, [this, i] { emit visualizationSelected(int(i)); });
        buttons_.push_back(button);
    }
    // Until the first resize tells the width, two columns: all buttons in one row (three or more
    // views) would widen a portrait window beyond its screen, all in one column heighten a
    // landscape one, and neither shrinks back once the chooser is gone.
    arrange(true);
}

void VisualizationChooser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Two columns when two buttons fit side by side, otherwise one after another.
    arrange(width() > 3 * screenDpi * 2 + 20);
}

void VisualizationChooser::arrange(bool twoColumns)
{
    for (QToolButton* button : buttons_)
        grid->removeWidget(button);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (twoColumns)
            grid->addWidget(buttons_[i], int(i / 2), int(i % 2));
        else
            grid->addWidget(buttons_[i], int(i), 0);
    }
}
