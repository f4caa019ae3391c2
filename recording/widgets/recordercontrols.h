#pragma once

#include <QString>
#include <vector>

class QIcon;
class QPushButton;
class QWidget;
class RecorderBase;

// A button of the recording screen: 2.25 × 0.75 inches, with a 0.4 inch icon.
QPushButton* makeRecordingButton(const QString& text, const QIcon& icon, QWidget* parent = nullptr);

// The controls the recorder's family asks for, in the order the screen places them: the
// "Value: " read-out, the pause button (START, then PAUSE and RESUME) and NEXT TRACK. They
// follow the recorder's signals and call its slots; the caller owns them, and they may go
// before the recorder.
std::vector<QWidget*> createRecorderControls(RecorderBase& recorder);
