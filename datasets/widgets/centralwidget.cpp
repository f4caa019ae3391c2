#include "datasets/widgets/centralwidget.h"

#include "datasets/widgets/datasetwidget.h"

#include <QCoreApplication>
#include <QVBoxLayout>

namespace {
QVBoxLayout* tightColumn(QWidget* widget)
{
    auto* column = new QVBoxLayout(widget);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->setAlignment(Qt::AlignTop);
    return column;
}

// From the end: nothing behind the taken item moves.
void emptyLayout(QLayout* layout)
{
    while (QLayoutItem* item = layout->takeAt(layout->count() - 1))
        delete item;
}
} // namespace

// One sheet for the icon buttons of every tile: a sheet of their own for each button was parsed
// and polished once per button.
CentralWidget::CentralWidget(QWidget* parent)
    : QWidget(parent)
    , layout(tightColumn(this))
{
    setStyleSheet(QStringLiteral("QToolButton { background-color: #c6c6c6; }"));
    startPage();
}

// A deleted widget makes its parent's layout look for it among all its items: the old page's
// layout is emptied first, and the new tiles, in a page of their own, are never searched. Tiles
// made as children of the page they are shown in are not styled twice, as a move would.
QWidget* CentralWidget::startPage()
{
    if (page) {
        emptyLayout(pageLayout);
        page->hide();
        page->deleteLater();
    }
    page = new QWidget(this);
    pageLayout = tightColumn(page);
    layout->addWidget(page);
    return page;
}

void CentralWidget::setTiles(const std::vector<DatasetWidget*>& list)
{
    // Tiles already deleted have left the layout by themselves.
    emptyLayout(pageLayout);
    if (!list.empty() && list.front()->parentWidget() != page)
        startPage();
    // Showing a tile lays out its shown parent at once: with the layout off, the tiles are laid
    // out once at the end instead of once per tile (quadratic for a big library).
    pageLayout->setEnabled(false);
    for (DatasetWidget* tile : list)
        pageLayout->addWidget(tile);
    // Every new widget has a polish request waiting; Qt looks through all waiting events for
    // each event posted to a widget that has some, so thousands of them make showing the tiles
    // quadratic. Polishing is what showing starts with anyway.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    for (DatasetWidget* tile : list)
        tile->show();
    pageLayout->setEnabled(true);
    pageLayout->activate();
}
