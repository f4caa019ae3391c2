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
} // namespace

CentralWidget::CentralWidget(QWidget* parent)
    : QWidget(parent)
    , layout(tightColumn(this))
{
    startPage();
}

// A deleted widget makes its parent's layout look for it among all its items. The old tiles
// are deleted after the new ones were laid out: in a page of their own, each is looked for in
// an empty layout instead of among thousands of new tiles.
void CentralWidget::startPage()
{
    if (page) {
        page->hide();
        page->deleteLater();
    }
    page = new QWidget(this);
    pageLayout = tightColumn(page);
    layout->addWidget(page);
}

void CentralWidget::setTiles(const std::vector<DatasetWidget*>& list)
{
    // Tiles already deleted have left the layout by themselves.
    while (QLayoutItem* item = pageLayout->takeAt(0))
        delete item;
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
