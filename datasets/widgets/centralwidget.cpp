#include "datasets/widgets/centralwidget.h"

#include "datasets/widgets/datasetwidget.h"

#include <QVBoxLayout>

CentralWidget::CentralWidget(QWidget* parent)
    : QWidget(parent)
    , layout(new QVBoxLayout(this))
{
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setAlignment(Qt::AlignTop);
}

void CentralWidget::setTiles(const std::vector<DatasetWidget*>& list)
{
    // Tiles already deleted have left the layout by themselves.
    while (QLayoutItem* item = layout->takeAt(0))
        delete item;
    // Showing a tile lays out its shown parent at once: with the layout off, the tiles are laid
    // out once at the end instead of once per tile (quadratic for a big library).
    layout->setEnabled(false);
    for (DatasetWidget* tile : list) {
        layout->addWidget(tile);
        tile->show();
    }
    layout->setEnabled(true);
    layout->activate();
}
