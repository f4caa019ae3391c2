#pragma once

#include <QWidget>

class ProbeInterface;
class QLabel;

// The recording set-up before a recording. Until its pages are built it shows the field
// size of the next recording and a NEXT button.
class RecordingWizard : public QWidget
{
    Q_OBJECT
public:
    explicit RecordingWizard(QWidget* parent = nullptr);

    void setProbe(ProbeInterface* probe) { this->probe = probe; }
    void rebuildPages();

signals:
    void done();

private:
    ProbeInterface* probe = nullptr;
    QLabel* summary = nullptr;
};
