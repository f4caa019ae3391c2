#include "recording/widgets/wizardbutton.h"

#include <QToolButton>

QToolButton* wizardButton(const QString& text, const QString& name, const QSize& minimum, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setObjectName(name);
    button->setMinimumSize(minimum);
    return button;
}
