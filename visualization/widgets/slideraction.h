#pragma once

#include <QWidgetAction>

class QCheckBox;
class QSlider;

// A menu entry with a check box and a 0..100 slider, for the isoline of the 3D view.
class SliderAction : public QWidgetAction
{
    Q_OBJECT
public:
    SliderAction(const QString& checkBoxText, const QString& sliderText, QObject* parent = nullptr);

    QCheckBox* checkBox() const { return box; }
    QSlider* slider() const { return valueSlider; }

signals:
    void checkBoxClicked();
    void sliderValueChanged(int value);

private:
    QCheckBox* box = nullptr;
    QSlider* valueSlider = nullptr;
};
