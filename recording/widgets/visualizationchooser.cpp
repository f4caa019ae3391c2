#include "recording/widgets/visualizationchooser.h"

#include "app/appsettings.h"
#include "recording/widgets/recordingvisualization.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

VisualizationChooser::VisualizationChooser(const std::vector<RecordingVisualization*>& views, QWidget* parent)
    : QWidget(parent)
    , grid(new QGridLayout(this))
{
    const int iconSide = iconSideFor(QGuiApplication::primaryScreen()->availableGeometry().size());
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
    // Until the first resize tells the width, two columns where two buttons fit the screen: all
    // buttons in one row (three or more views) would widen a portrait window beyond its
    // screen, all in one column heighten a landscape one, and neither shrinks back once the
    // chooser is gone.
    arrange(twoColumnsFit(QGuiApplication::primaryScreen()->availableGeometry().width()));
}

int VisualizationChooser::iconSideFor(const QSize& screen)
{
    // Three inches, but no more than fits two rows or two columns of buttons, their texts and
    // the navigation bar on the screen: at tablet densities three inches is half the screen.
    return std::min(int(3 * screenDpi), int(0.35 * std::min(screen.width(), screen.height())));
}

bool VisualizationChooser::twoColumnsFit(int width) const
{
    int widest = 0;
    for (const QToolButton* button : buttons_)
        widest = std::max(widest, button->sizeHint().width());
    return width > 2 * widest + 20;
}

void VisualizationChooser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Two columns when two buttons fit side by side, otherwise one after another.
    arrange(twoColumnsFit(width()));
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
