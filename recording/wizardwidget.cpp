#include "recording/wizardwidget.h"

#include "app/appsettings.h"

#include <QBoxLayout>
#include <QToolButton>

namespace {
QToolButton* navigationButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setObjectName(name);
    button->setMinimumSize(int(1.5 * screenDpi), int(0.66 * screenDpi));
    return button;
}
} // namespace

WizardWidget::WizardWidget(QWidget* parent)
    : QWidget(parent)
{
    outer = new QVBoxLayout(this);
    content = new QBoxLayout(QBoxLayout::TopToBottom);
    navigation = new QHBoxLayout;
    back = navigationButton(tr("BACK"), QStringLiteral("backButton"), this);
    next = navigationButton(tr("NEXT"), QStringLiteral("nextButton"), this);
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
