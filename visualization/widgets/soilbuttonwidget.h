#pragma once

#include <QWidget>
#include <array>

class QPushButton;

// The soil chooser of the depth analysis: a name button and a picture button per soil type;
// choosing one marks its name button and emits the soil's depth offset.
class SoilButtonWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int soilCount = 14;

    explicit SoilButtonWidget(QWidget* parent = nullptr);

    QPushButton* nameButton(int index) const { return nameButtons[size_t(index)]; }
    QPushButton* pictureButton(int index) const { return pictureButtons[size_t(index)]; }

signals:
    void changeSoil(double offset);

public slots:
    void soilButtonPushed(int index);

private:
    std::array<QPushButton*, soilCount> nameButtons{};
    std::array<QPushButton*, soilCount> pictureButtons{};
};
