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
    for (DatasetWidget* tile : list) {
        layout->addWidget(tile);
        tile->show();
    }
}
