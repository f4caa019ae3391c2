#include "visualization/widgets/slideraction.h"

#include "app/appsettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

SliderAction::SliderAction(const QString& checkBoxText, const QString& sliderText, QObject* parent)
    : QWidgetAction(parent)
{
    auto* widget = new QWidget;
    auto* layout = new QGridLayout(widget);
    box = new QCheckBox(widget);
    box->setStyleSheet("background-color: #c6c6c6");
    box->setFixedSize(box->sizeHint());
    valueSlider = new QSlider(Qt::Horizontal, widget);
    valueSlider->setRange(0, 100);
    // A finger's travel: beside a short caption the menu left it under an inch and a half.
    valueSlider->setMinimumWidth(inches(1.5));
    valueSlider->setStyleSheet("QSlider::sub-page:horizontal { border: 1px solid #565656 } "
                               "QSlider::add-page:horizontal { border: 1px solid #565656 }");
    layout->addWidget(box, 0, 0);
    layout->addWidget(new QLabel(checkBoxText, widget), 0, 1);
    layout->addWidget(new QLabel(sliderText, widget), 1, 0);
    layout->addWidget(valueSlider, 1, 1);
    setDefaultWidget(widget);
    connect(box, &QCheckBox::clicked, this, &SliderAction::checkBoxClicked);
    connect(valueSlider, &QSlider::valueChanged, this, &SliderAction::sliderValueChanged);
}
