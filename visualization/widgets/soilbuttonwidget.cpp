#include "visualization/widgets/soilbuttonwidget.h"

#include "app/appsettings.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct Soil
{
    const char* name;
    const char* picture;
    double offset;
};

// The offsets are the exact doubles the depth scale was calibrated with.
const Soil soils[SoilButtonWidget::soilCount] = {
    {"Alfisol", "Alfisol.jpg", 0.20000000000000007},
    {"Andisol", "Andisol.jpg", 0.5000000000000001},
    {"Aridisol", "Aridisol.jpg", 0.29000000000000004},
    {"Concrete", "Concrete.jpg", 0.15000000000000002},
    {"Entisol", "Entisol.jpg", 0.61},
    {"Gelisol", "Gelisol.jpg", 0.4700000000000001},
    {"Histosol", "Histosol.jpg", 0.13},
    {"Inceptisol", "Inzeptisol.jpg", 0.61},
    {"Mollisol", "Mollisol.jpg", 0.65},
    {"Oxisol", "Oxisol.jpg", 0.5499999999999999},
    {"Pelosol", "Pelosol.jpg", 0.04999999999999999},
    {"Spodosol", "Spodosol.jpg", 0.33000000000000007},
    {"Ultisol", "Ultisol.jpg", 0.15},
    {"Vertisol", "Vertisol.jpg", 0.191666667},
};

// Only the building material has a translation; the soil orders keep their names.
QString soilName(int index)
{
    return index == 3 ? SoilButtonWidget::tr("Concrete") : QString::fromLatin1(soils[index].name);
}
} // namespace

SoilButtonWidget::SoilButtonWidget(QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout;
    const QSize iconSize(int(0.5 * screenDpi), int(0.86 * screenDpi));
    for (int i = 0; i < soilCount; ++i)
        nameButtons[size_t(i)] = new QPushButton(soilName(i), this);
    for (int i = 0; i < soilCount; ++i) {
        auto* picture = new QPushButton(this);
        picture->setIcon(QIcon(QStringLiteral(":/res/images/new/soil/") + soils[i].picture));
        picture->setIconSize(iconSize);
        pictureButtons[size_t(i)] = picture;
    }
    for (int i = 0; i < soilCount; ++i) {
        nameButtons[size_t(i)]->setMinimumHeight(int(0.5 * screenDpi));
        grid->addWidget(nameButtons[size_t(i)], i, 0);
        grid->addWidget(pictureButtons[size_t(i)], i, 1, Qt::AlignCenter);
        for (QPushButton* button : {nameButtons[size_t(i)], pictureButtons[size_t(i)]})
            connect(button, &QPushButton::pressed, this, [this, i] { soilButtonPushed(i); });
    }
    nameButtons[0]->setFlat(true);
    auto* label = new QLabel(tr("Soil Type: "), this);
    label->setAttribute(Qt::WA_TranslucentBackground);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(label);
    outer->addLayout(grid);
}

void SoilButtonWidget::soilButtonPushed(int index)
{
    for (QPushButton* button : nameButtons)
        button->setFlat(false);
    nameButtons[size_t(index)]->setFlat(true);
    emit changeSoil(soils[index].offset);
}
