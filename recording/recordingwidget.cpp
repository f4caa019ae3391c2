#include "recording/recordingwidget.h"

#include "acquisition/datarecorder.h"
#include "acquisition/probeinterface.h"
#include "app/appsettings.h"
#include "app/messagebox.h"
#include "datasets/dataset.h"

#include <QHBoxLayout>
#include <QPushButton>

RecordingWidget::RecordingWidget(ProbeInterface* probe, QWidget* parent)
    : QWidget(parent)
    , probe(probe)
    , dataset(probe->createDataset())
{
    probe->recorder()->setDataset(dataset.get());
    auto* layout = new QHBoxLayout(this);
    recordButton = new QPushButton(tr("RECORD"), this);
    stopButton = new QPushButton(tr("STOP"), this);
    layout->addWidget(recordButton);
    for (QWidget* control : probe->recorder()->createControls()) {
        control->setParent(this);
        layout->addWidget(control);
    }
    layout->addWidget(stopButton);
    stopButton->setEnabled(false);
    connect(recordButton, &QPushButton::pressed, this, &RecordingWidget::startRecording);
    connect(stopButton, &QPushButton::pressed, this, &RecordingWidget::stopRecording);
}

RecordingWidget::~RecordingWidget()
{
    probe->recorder()->setDataset(nullptr);
}

void RecordingWidget::startRecording()
{
    recording = true;
    recordButton->setEnabled(false);
    stopButton->setEnabled(true);
    probe->recorder()->startRecording();
}

void RecordingWidget::stopRecording()
{
    probe->recorder()->stopRecording();
    stopButton->setEnabled(false);
    recording = false;
    if (!dataset->save()) {
        MessageBox::critical(this, tr("Error"), tr("The dataset could not be saved."));
        return;
    }
    libraryDirty = true;
    emit finishedRecording(dataset->id(), dataset->getProperty(QStringLiteral("probe id")).toInt());
}
