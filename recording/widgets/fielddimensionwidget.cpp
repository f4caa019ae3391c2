#include "recording/widgets/fielddimensionwidget.h"

#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "recording/widgets/walkingdirectionwidget.h"
#include "recording/widgets/wizardbutton.h"
#include "recording/wizardpageplan.h"

#include <QBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QToolButton>

namespace {
// A stored size below 1 (a damaged settings file) would make an empty field; it is raised
// to 1 and written back, so the recording gets what the page shows.
int storedDimension(const SettingKey& key)
{
    const int value = key.read().toInt();
    if (value >= 1)
        return value;
    key.write(1);
    return 1;
}
} // namespace

FieldDimensionWidget::FieldDimensionWidget(const QString& mode, QWidget* parent)
    : QWidget(parent)
{
    width = storedDimension(Settings::recordWidth);
    length = storedDimension(Settings::recordLength);

    dimensions = new QVBoxLayout;
    // Rows that the mode leaves out are not built, so no stray controls remain on the page.
    if (WizardPagePlan::showsWidthRow(mode)) {
        widthRow = makeRow(tr("WIDTH"), QStringLiteral("width"), width, SLOT(decreaseWidth()), SLOT(increaseWidth()));
        dimensions->addLayout(widthRow.layout);
    }
    if (WizardPagePlan::showsLengthRow(mode)) {
        lengthRow = makeRow(tr("LENGTH"), QStringLiteral("length"), length, SLOT(decreaseLength()),
                            SLOT(increaseLength()));
        dimensions->addLayout(lengthRow.layout);
    }

    walkingDirection = new WalkingDirectionWidget(this);
    mainLayout = new QBoxLayout(QBoxLayout::TopToBottom, this);
    mainLayout->addLayout(dimensions);
    mainLayout->addWidget(walkingDirection);
}

FieldDimensionWidget::Row FieldDimensionWidget::makeRow(const QString& caption, const QString& name, int value,
                                                        const char* minusSlot, const char* plusSlot)
{
    const QSize buttonSize(int(0.75 * screenDpi), int(0.75 * screenDpi));
    Row row;
    row.layout = new QHBoxLayout;
    row.caption = new QLabel(caption, this);
    row.minus = wizardButton(QStringLiteral("-"), name + QStringLiteral("Minus"), buttonSize, this);
    row.value = new QLabel(QStringLiteral("%1").arg(value), this);
    row.value->setObjectName(name + QStringLiteral("Value"));
    row.plus = wizardButton(QStringLiteral("+"), name + QStringLiteral("Plus"), buttonSize, this);
    row.layout->addWidget(row.caption, 0, Qt::AlignLeft);
    row.layout->addWidget(row.minus, 0, Qt::AlignHCenter);
    row.layout->addWidget(row.value, 0, Qt::AlignHCenter);
    row.layout->addWidget(row.plus, 0, Qt::AlignHCenter);
    connect(row.minus, SIGNAL(pressed()), this, minusSlot);
    connect(row.plus, SIGNAL(pressed()), this, plusSlot);
    return row;
}

void FieldDimensionWidget::increaseWidth()
{
    change(width, 1, widthRow.value, Settings::recordWidth);
}

void FieldDimensionWidget::decreaseWidth()
{
    change(width, -1, widthRow.value, Settings::recordWidth);
}

void FieldDimensionWidget::increaseLength()
{
    change(length, 1, lengthRow.value, Settings::recordLength);
}

void FieldDimensionWidget::decreaseLength()
{
    change(length, -1, lengthRow.value, Settings::recordLength);
}

void FieldDimensionWidget::change(int& value, int delta, QLabel* label, const SettingKey& key)
{
    // The lower limit is 1; at the limit nothing changes and nothing is written.
    if (value + delta < 1)
        return;
    value += delta;
    if (label)
        label->setText(QStringLiteral("%1").arg(value));
    key.write(value);
}

void FieldDimensionWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    mainLayout->setDirection(event->size().width() > event->size().height() ? QBoxLayout::LeftToRight
                                                                             : QBoxLayout::TopToBottom);
}
