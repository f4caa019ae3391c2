#include "recording/widgets/wizardwidget.h"

#include "app/appsettings.h"
#include "recording/widgets/wizardbutton.h"

#include <QBoxLayout>
#include <QScrollArea>
#include <QToolButton>

#include <algorithm>

WizardWidget::WizardWidget(QWidget* parent)
    : QWidget(parent)
{
    outer = new QVBoxLayout(this);
    // On a small screen at a high density the page's controls need more than the screen
    // holds: they scroll, and BACK and NEXT stay in view below them.
    auto* area = new QScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto* page = new QWidget;
    content = new QBoxLayout(QBoxLayout::TopToBottom, page);
    content->setContentsMargins(0, 0, 0, 0);
    area->setWidget(page);
    navigation = new QHBoxLayout;
    // An inch and a half, but two of them must fit a narrow screen at a high density.
    const QSize buttonSize(std::min(inches(1.5), screenShortSide() / 3), inches(0.66));
    back = wizardButton(tr("BACK"), QStringLiteral("backButton"), buttonSize, this);
    next = wizardButton(tr("NEXT"), QStringLiteral("nextButton"), buttonSize, this);
    navigation->addWidget(back);
    navigation->addStretch(1);
    navigation->addWidget(next);
    outer->addWidget(area, 1);
    outer->addLayout(navigation);

    connect(back, SIGNAL(pressed()), this, SLOT(backButton()));
    connect(next, SIGNAL(pressed()), this, SLOT(nextButton()));
}

void WizardWidget::addContent(QWidget* widget)
{
    content->addWidget(widget);
}

void WizardWidget::backButton()
{
    emit backButtonPushed();
}

void WizardWidget::nextButton()
{
    emit nextButtonPushed();
}
