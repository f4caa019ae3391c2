#include "recording/widgets/visualizationchooser.h"

#include "app/appsettings.h"
#include "recording/widgets/recordingvisualization.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QToolButton>
#include <algorithm>

VisualizationChooser::VisualizationChooser(const std::vector<RecordingVisualization*>& views, QWidget* parent)
    : QWidget(parent)
{
    // On a small screen at a high density the buttons and their texts need more than the
    // screen holds: they scroll rather than push the window beyond it.
    auto* area = new QScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto* buttonPanel = new QWidget;
    grid = new QGridLayout(buttonPanel);
    area->setWidget(buttonPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
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
    // Until the first resize tells the width, as many columns as fit the screen: more would
    // widen a portrait window beyond its screen, fewer heighten a landscape one, and neither
    // shrinks back once the chooser is gone.
    arrange(columnsFitting(QGuiApplication::primaryScreen()->availableGeometry().width()));
}

int VisualizationChooser::iconSideFor(const QSize& screen)
{
    // Three inches, but no more than fits two rows or two columns of buttons, their texts and
    // the navigation bar on the screen: at tablet densities three inches is half the screen.
    // Where not even two fit side by side (a narrow screen at a high density), three rows.
    const int shortSide = std::min(screen.width(), screen.height());
    const int longSide = std::max(screen.width(), screen.height());
    return std::min({int(3 * screenDpi), int(0.35 * shortSide), int(0.2 * longSide)});
}

int VisualizationChooser::columnsFitting(int width) const
{
    int widest = 0;
    for (const QToolButton* button : buttons_)
        widest = std::max(widest, button->sizeHint().width());
    const int columns = (width - 20) / std::max(1, widest + grid->spacing());
    return std::clamp(columns, 1, std::max(1, int(buttons_.size())));
}

void VisualizationChooser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // As many columns as buttons fit side by side: a landscape tablet holds them in one row.
    arrange(columnsFitting(width()));
}

void VisualizationChooser::arrange(int columns)
{
    for (QToolButton* button : buttons_)
        grid->removeWidget(button);
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        grid->addWidget(buttons_[i], int(i) / columns, int(i) % columns);
}
