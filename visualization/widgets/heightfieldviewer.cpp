#include "visualization/widgets/heightfieldviewer.h"

#include "acquisition/devices/probefactory.h"
#include <stdexcept>

#include "datasets/dataset.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

HeightFieldViewer::HeightFieldViewer(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    label = new QLabel(this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label, 1);
    auto* library = new QPushButton(tr("DATASETS"), this);
    auto* record = new QPushButton(tr("RECORD"), this);
    layout->addWidget(library);
    layout->addWidget(record);
    connect(library, &QPushButton::pressed, this, &HeightFieldViewer::setDatasetViewMode);
    connect(record, &QPushButton::pressed, this, &HeightFieldViewer::setRecordMode);
}

void HeightFieldViewer::setDataset(Dataset* dataset)
{
    dataset_ = dataset;
    label->setText(dataset ? dataset->name() : QString());
}

HeightFieldViewer* createViewer(int id)
{
    if (!isKnownProbe(id))
        throw std::runtime_error("Unknown Probe ID");
    return new HeightFieldViewer;
}
