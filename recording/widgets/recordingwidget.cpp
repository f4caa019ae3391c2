#include "recording/widgets/recordingwidget.h"

#include "acquisition/devices/probeinterface.h"
#include "acquisition/devices/recorderbase.h"
#include "app/appsettings.h"
#include "app/messagebox.h"
#include "app/settingskeys.h"
#include "datasets/dataset.h"
#include "recording/widgets/fieldpreview.h"
#include "recording/widgets/frequencyanalysis.h"
#include "recording/widgets/gradientanalysis.h"
#include "recording/widgets/namewidget.h"
#include "recording/widgets/recordercontrols.h"
#include "recording/widgets/visualizationchooser.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr Qt::Alignment leftBottom = Qt::AlignLeft | Qt::AlignBottom;
constexpr Qt::Alignment rightBottom = Qt::AlignRight | Qt::AlignBottom;
} // namespace

RecordingWidget::RecordingWidget(ProbeInterface* probe, QWidget* parent)
    : QWidget(parent)
    , probe(probe)
    , recorder(probe->recorder())
    , dataset(probe->createDataset())
{
    recorder->setDataset(dataset.get());
    recorder->clearVisualizations();

    mainLayout = new QVBoxLayout(this);
    buttonBar = new QHBoxLayout;
    noPreviewLabel = new QLabel(tr("No Preview"), this);
    noPreviewLabel->setAlignment(Qt::AlignCenter);
    noPreviewLabel->hide();
    recordButton = makeRecordingButton(tr("RECORD"), QIcon(QStringLiteral(":/res/images/new/record.png")), this);
    stopButton = makeRecordingButton(tr("STOP"), QIcon(QStringLiteral(":/res/images/new/stop.png")), this);
    buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(recordButton);
    buttonBar->addLayout(buttonColumn);
    buttonBar->setAlignment(buttonColumn, leftBottom);
    buttonBar->addWidget(stopButton, 0, rightBottom);
    stopButton->hide();
    // The buttons appear with the bar, once a view is chosen.
    recordButton->hide();
    connect(recordButton, SIGNAL(pressed()), this, SLOT(startRecording()));
    connect(stopButton, SIGNAL(pressed()), this, SLOT(stopRecording()));

    createVisualizations();
    chooser = new VisualizationChooser(visualizations, this);
    mainLayout->addWidget(chooser);
    connect(chooser, SIGNAL(visualizationSelected(int)), this, SLOT(changeVisualization(int)));
}

RecordingWidget::~RecordingWidget()
{
    // The recorder outlives this screen: it must not feed views or a dataset that are gone.
    recorder->clearVisualizations();
    recorder->setDataset(nullptr);
    qDeleteAll(visualizations);
    if (!buttonBar->parent())
        delete buttonBar;
}

bool RecordingWidget::showsNoPreview() const
{
    return mainLayout->indexOf(noPreviewLabel) >= 0;
}

void RecordingWidget::createVisualizations()
{
    for (RecordingVisualization* view : visualizations) {
        mainLayout->removeWidget(view->widget());
        view->deleteLater();
    }
    visualizations.clear();
    std::vector<RecordingVisualization*> candidates{new FieldPreview(this), new FrequencyAnalysis(this),
                                                    new GradientAnalysis(this)};
    for (RecordingVisualization* view : candidates) {
        if (view->accepts(dataset.get())) {
            visualizations.push_back(view);
            view->setDataset(dataset.get());
            recorder->addVisualization(view);
        } else {
            delete view;
        }
    }
    if (visualizations.empty()) {
        mainLayout->insertWidget(1, noPreviewLabel);
        noPreviewLabel->show();
    }
}

void RecordingWidget::changeVisualization(int index)
{
    if (index < 0 || index >= int(visualizations.size()))
        return;
    if (chooser) {
        mainLayout->removeWidget(chooser);
        chooser->hide();
        // The selection comes from one of the chooser's own buttons.
        chooser->deleteLater();
        chooser = nullptr;
    }
    mainLayout->removeItem(buttonBar);
    if (current)
        mainLayout->removeWidget(current->widget());
    current = visualizations[std::size_t(index)];
    QWidget* shown = current->widget();
    mainLayout->addWidget(shown);
    shown->show();
    shown->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    mainLayout->addLayout(buttonBar);
    if (!recording)
        recordButton->show();
}

void RecordingWidget::startRecording()
{
    recording = true;
    recorder->startRecording();
    buttonColumn->removeWidget(recordButton);
    recordButton->hide();

    // A dataset without the flag gets no controls, as one with them on.
    const bool sensorControls = dataset->findProperty(QStringLiteral("sensor controls")).value_or(true).toBool();
    // Every family's recorder is a RecorderBase; any other recorder has no controls.
    if (auto* familyRecorder = dynamic_cast<RecorderBase*>(recorder); familyRecorder && !sensorControls) {
        controls = createRecorderControls(*familyRecorder);
        for (QWidget* control : controls) {
            control->setParent(this);
            buttonColumn->addWidget(control);
            control->show();
        }
    }
    if (controls.empty()) {
        // The probe drives the recording: STOP takes RECORD's place at the left.
        buttonBar->removeWidget(stopButton);
        buttonColumn->addWidget(stopButton, 0, leftBottom);
    }
    stopButton->show();
}

void RecordingWidget::stopRecording()
{
    endRecording();
    if (!dataset->values().empty())
        saveRecording();
    replaceDataset();
    recording = false;
}

QString RecordingWidget::saveInterruptedRecording()
{
    if (!recording)
        return {};
    // Samples taken after the link's last message only repeat its value.
    recorder->dropSamplesAfterLastMessage();
    endRecording();
    QString saved;
    if (!dataset->values().empty()) {
        const QString name = tr("Dataset") + tr(" (interrupted)");
        if (saveUnder(name))
            saved = name;
    }
    replaceDataset();
    recording = false;
    return saved;
}

void RecordingWidget::endRecording()
{
    recorder->stopRecording();
    recorder->setDataset(nullptr);
    for (QWidget* control : controls) {
        control->hide();
        control->deleteLater();
    }
    controls.clear();
    buttonColumn->removeWidget(stopButton);
    buttonBar->addWidget(stopButton, 0, rightBottom);
    stopButton->hide();
    buttonColumn->addWidget(recordButton);
    recordButton->show();
}

void RecordingWidget::saveRecording()
{
    const std::optional<QString> entered = NameWidget::ask(tr("Dataset"), this);
    if (!entered)
        return;
    if (!saveUnder(entered->isEmpty() ? tr("Dataset") : *entered))
        return;
    const int probeId = dataset->getProperty(QStringLiteral("probe id")).toInt();
    emit finishedRecording(dataset->id(), probeId);
}

bool RecordingWidget::saveUnder(const QString& name)
{
    dataset->setName(name);
    // A recording is only announced once its files are on disk; the operator may try again.
    for (;;) {
        const Outcome saved = dataset->save(Settings::colormap.read().toInt());
        if (saved)
            break;
        qWarning().noquote() << "Save:" << saved.failure().reason;
        const auto answer = MessageBox::critical(this, tr("Error"),
                                                 tr("The dataset could not be saved. Try again?"),
                                                 MessageBox::Retry | MessageBox::Discard);
        if (answer != MessageBox::Retry)
            return false;
    }
    libraryDirty = true;
    return true;
}

void RecordingWidget::replaceDataset()
{
    dataset.reset(probe->createDataset());
    recorder->setDataset(dataset.get());
    for (RecordingVisualization* view : visualizations) {
        view->reset();
        view->setDataset(dataset.get());
    }
}
