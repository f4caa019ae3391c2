#pragma once

#include <QWidget>
#include <vector>

class ProbeInterface;
class QGridLayout;
class WizardWidget;

// The recording set-up shown before a recording: the pages the probe asks for, one at a
// time. Choices go to the settings as they are made; NEXT on the last page emits done().
class RecordingWizard : public QWidget
{
    Q_OBJECT
public:
    explicit RecordingWizard(QWidget* parent = nullptr);

    // Not owned.
    void setProbe(ProbeInterface* probe) { this->probe = probe; }
    // Builds the pages anew for the probe and shows the first. Throws NoWidgetsException when
    // the probe names no page the wizard knows. Does nothing while no probe is set.
    void rebuildPages();

    const std::vector<WizardWidget*>& pageList() const { return pages; }
    size_t currentPage() const { return current; }
    QGridLayout* gridLayout() const { return grid; }

signals:
    void done();

public slots:
    void nextPage();
    void previousPage();

private:
    void showPage(size_t index);

    ProbeInterface* probe = nullptr;
    QGridLayout* grid = nullptr;
    std::vector<WizardWidget*> pages;
    size_t current = 0;
};
