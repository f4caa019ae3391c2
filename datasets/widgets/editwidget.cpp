#include "datasets/widgets/editwidget.h"

#include "app/appsettings.h"
#include "datasets/coordinatetext.h"

#include <QDoubleValidator>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

EditWidget::EditWidget(DatasetRecord* edited, QWidget* parent)
    : QDialog(parent)
    , record(edited)
    , okButton(dialogButton(tr("OK")))
    , cancelButton(dialogButton(tr("Cancel")))
    , mapButton(new QPushButton(QIcon(QStringLiteral(":/res/images/new/world.png")), QString(), this))
    , nameEdit(new QLineEdit(record->name, this))
    , locationEdit(new QLineEdit(record->location, this))
    , latitudeEdit(new QLineEdit(coordinateText(record->coordinate.latitude()), this))
    , longitudeEdit(new QLineEdit(coordinateText(record->coordinate.longitude()), this))
    , validator(new QDoubleValidator(this))
{
    latitudeEdit->setValidator(validator);
    longitudeEdit->setValidator(validator);
    mapButton->setMinimumSize(inches(0.5), inches(0.5));
    mapButton->setIconSize(QSize(inches(0.4), inches(0.4)));
    mapButton->setStyleSheet(QStringLiteral("background-color: #c6c6c6"));
    buildLayout();
    connect(mapButton, &QPushButton::pressed, this, &EditWidget::copyCurrentCoordinates);
    connect(okButton, &QPushButton::pressed, this, &EditWidget::accept);
    connect(cancelButton, &QPushButton::pressed, this, &EditWidget::reject);
}

QPushButton* EditWidget::dialogButton(const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setMinimumSize(inches(1), inches(0.5));
    // Only the pressed() connections act; no button answers Return by itself.
    button->setAutoDefault(false);
    return button;
}

void EditWidget::buildLayout()
{
    auto* outer = new QVBoxLayout(this);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("Name: "), this));
    nameRow->addWidget(nameEdit);
    outer->addLayout(nameRow);
    auto* locationRow = new QHBoxLayout;
    locationRow->addWidget(new QLabel(tr("Location: "), this));
    locationRow->addWidget(locationEdit);
    outer->addLayout(locationRow);

    auto* coordinateRow = new QHBoxLayout;
    coordinateRow->addWidget(new QLabel(tr("Coordinates: "), this), 0, Qt::AlignVCenter);
    coordinateRow->addWidget(mapButton, 0, Qt::AlignVCenter);
    auto* numbers = new QVBoxLayout;
    numbers->addWidget(new QLabel(tr("Latitude"), this));
    numbers->addWidget(latitudeEdit);
    numbers->addWidget(new QLabel(tr("Longitude"), this));
    numbers->addWidget(longitudeEdit);
    coordinateRow->addLayout(numbers);
    outer->addLayout(coordinateRow);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(okButton);
    buttonRow->addWidget(cancelButton);
    outer->addLayout(buttonRow);
}

void EditWidget::copyCurrentCoordinates()
{
    latitudeEdit->setText(coordinateText(currentPosition.latitude()));
    longitudeEdit->setText(coordinateText(currentPosition.longitude()));
}

void EditWidget::accept()
{
    record->name = nameEdit->text();
    record->location = locationEdit->text();
    record->coordinate = QGeoCoordinate(coordinateFromText(latitudeEdit->text()),
                                        coordinateFromText(longitudeEdit->text()));
    QDialog::accept();
}
