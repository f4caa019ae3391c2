#include "recording/widgets/recordingwizard.h"

#include "acquisition/devices/probeinterface.h"
#include "datasets/datasetproperties.h"
#include "recording/widgets/fielddimensionwidget.h"
#include "recording/nowidgetsexception.h"
#include "recording/widgets/walkingdirectionwidget.h"
#include "recording/wizardpageplan.h"
#include "recording/widgets/wizardwidget.h"

#include <QGridLayout>

RecordingWizard::RecordingWizard(QWidget* parent)
    : QWidget(parent)
{
    grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
}

void RecordingWizard::rebuildPages()
{
    if (!probe)
        return;

    for (WizardWidget* page : pages) {
        page->hide();
        page->deleteLater();
    }
    pages.clear();
    current = 0;

    for (const WizardPagePlan::Page& planned : WizardPagePlan::plan(probe->properties()->fieldDimensionInput())) {
        QWidget* content = nullptr;
        if (planned.kind == WizardPagePlan::PageKind::FieldDimension)
            content = new FieldDimensionWidget(planned.mode);
        else
            content = new WalkingDirectionWidget;
        // Children of the wizard, so pages not on show are released with it.
        auto* page = new WizardWidget(this);
        connect(page, SIGNAL(nextButtonPushed()), this, SLOT(nextPage()));
        connect(page, SIGNAL(backButtonPushed()), this, SLOT(previousPage()));
        page->addContent(content);
        pages.push_back(page);
    }
    if (pages.empty())
        throw NoWidgetsException();

    while (QLayoutItem* item = grid->takeAt(0))
        delete item;
    showPage(0);
}

void RecordingWizard::showPage(size_t index)
{
    for (WizardWidget* page : pages) {
        grid->removeWidget(page);
        page->hide();
    }
    current = index;
    grid->addWidget(pages[current], 0, 0);
    pages[current]->show();
}

void RecordingWizard::nextPage()
{
    // No pages after a failed rebuild: nothing to move to and nothing finished.
    if (pages.empty())
        return;
    if (current + 1 < pages.size())
        showPage(current + 1);
    else
        emit done();
}

void RecordingWizard::previousPage()
{
    if (current == 0 || pages.empty())
        return;
    showPage(current - 1);
}
