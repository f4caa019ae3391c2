#include "recording/widgets/wizardwidget.h"

#include "app/appsettings.h"
#include "recording/widgets/wizardbutton.h"

#include <QBoxLayout>
#include <QToolButton>

WizardWidget::WizardWidget(QWidget* parent)
    : QWidget(parent)
{
    outer = new QVBoxLayout(this);
    content = new QBoxLayout(QBoxLayout::TopToBottom);
    navigation = new QHBoxLayout;
    const QSize buttonSize(int(1.5 * screenDpi), int(0.66 * screenDpi));
    back = wizardButton(tr("BACK"), QStringLiteral("backButton"), buttonSize, this);
    next = wizardButton(tr("NEXT"), QStringLiteral("nextButton"), buttonSize, this);
    navigation->addWidget(back);
    navigation->addStretch(1);
    navigation->addWidget(next);
    outer->addLayout(content, 1);
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
