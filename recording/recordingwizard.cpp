#include "recording/recordingwizard.h"

#include "app/settingskeys.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

RecordingWizard::RecordingWizard(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    summary = new QLabel(this);
    summary->setAlignment(Qt::AlignCenter);
    auto* next = new QPushButton(tr("NEXT"), this);
    layout->addWidget(summary, 1);
    layout->addWidget(next);
    connect(next, &QPushButton::pressed, this, &RecordingWizard::done);
}

void RecordingWizard::rebuildPages()
{
    summary->setText(tr("Field %1 x %2")
                         .arg(Settings::recordWidth.read().toInt())
                         .arg(Settings::recordLength.read().toInt()));
}
