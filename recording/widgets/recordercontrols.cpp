#include "recording/widgets/recordercontrols.h"

#include "acquisition/devices/recorderbase.h"
#include "app/appsettings.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

// The texts keep the recorder's translation context, where the language files hold them.
namespace {
QLabel* makeValueLabel(RecorderBase& recorder)
{
    auto* label = new QLabel;
    QObject::connect(&recorder, &RecorderBase::valueChangeInPercent, label, [label](int percent) {
        label->setText(QCoreApplication::translate("RecorderBase", "Value: ") + QString::number(percent));
    });
    return label;
}

QPushButton* makePauseButton(RecorderBase& recorder)
{
    const QIcon pauseIcon(QStringLiteral(":/res/images/new/pause.png"));
    const QIcon resumeIcon(QStringLiteral(":/res/images/new/resume.png"));
    QPushButton* button = makeRecordingButton(QCoreApplication::translate("RecorderBase", "START"), resumeIcon);
    QObject::connect(button, &QPushButton::pressed, &recorder, &RecorderBase::pauseRecording);
    QObject::connect(&recorder, &RecorderBase::pausedChanged, button, [=](bool paused) {
        button->setText(paused ? QCoreApplication::translate("RecorderBase", "RESUME")
                               : QCoreApplication::translate("RecorderBase", "PAUSE"));
        button->setIcon(paused ? resumeIcon : pauseIcon);
    });
    return button;
}

QPushButton* makeNextTrackButton(RecorderBase& recorder)
{
    QPushButton* button = makeRecordingButton(QCoreApplication::translate("RecorderBase", "NEXT TRACK"),
                                              QIcon(QStringLiteral(":/res/images/new/changeRow.png")));
    QObject::connect(button, &QPushButton::pressed, &recorder, &RecorderBase::changeRow);
    return button;
}
} // namespace

QPushButton* makeRecordingButton(const QString& text, const QIcon& icon, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    // Two stand side by side and a column of three under a live view: on a small screen at a
    // high density they are bounded by its short side, though never under a finger's size.
    const int width = std::min(inches(2.25), int(screenShortSide() / 2.3));
    const int height = std::max(inches(0.3), std::min(inches(0.75), screenShortSide() / 8));
    button->setMinimumSize(width, height);
    const int iconSide = std::min(inches(0.4), int(height * 0.6));
    button->setIconSize(QSize(iconSide, iconSide));
    button->setIcon(icon);
    return button;
}

std::vector<QWidget*> createRecorderControls(RecorderBase& recorder)
{
    std::vector<QWidget*> controls;
    switch (recorder.controlsKind()) {
    case RecorderControls::None:
        return controls;
    case RecorderControls::ValuePauseNextTrack:
        controls.push_back(makeValueLabel(recorder));
        break;
    case RecorderControls::PauseNextTrack:
        break;
    }
    controls.push_back(makePauseButton(recorder));
    controls.push_back(makeNextTrackButton(recorder));
    return controls;
}
