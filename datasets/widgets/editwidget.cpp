#include "datasets/widgets/editwidget.h"

#include "app/appsettings.h"
#include "app/language.h"
#include "app/messagebox.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

EditWidget::EditWidget(DatasetRecord* edited, QWidget* parent)
    : QDialog(parent)
    , record(edited)
    , okButton(dialogButton(tr("OK")))
    , cancelButton(dialogButton(tr("Cancel")))
    , mapButton(new QPushButton(QIcon(QStringLiteral(":/res/images/new/world.png")), QString(), this))
    , nameEdit(new QLineEdit(record->name, this))
    , locationEdit(new QLineEdit(record->location, this))
    , numbers(languageLocale())
    , latitudeEdit(new QLineEdit(coordinateText(record->coordinate.latitude(), numbers), this))
    , longitudeEdit(new QLineEdit(coordinateText(record->coordinate.longitude(), numbers), this))
    , bearingEdit(new QLineEdit(record->bearing ? bearingText(*record->bearing, numbers) : QString(), this))
{
    latitudeEdit->setValidator(new CoordinateValidator(CoordinateAxis::Latitude, numbers, this));
    longitudeEdit->setValidator(new CoordinateValidator(CoordinateAxis::Longitude, numbers, this));
    bearingEdit->setValidator(new BearingValidator(numbers, this));
    bearingEdit->setInputMethodHints(Qt::ImhDigitsOnly);
    mapButton->setMinimumSize(inches(0.5), inches(0.5));
    mapButton->setIconSize(QSize(inches(0.4), inches(0.4)));
    mapButton->setStyleSheet(QStringLiteral("background-color: #c6c6c6"));
    buildLayout();
    // As large as the fields ask where the screen holds it: on its own Qt would show a window
    // at most two thirds of the screen, and the fields would scroll needlessly.
    resize(sizeHint().boundedTo(maximumSize()));
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
    // On a small screen at a high density the fields scroll, and OK and Cancel stay in view.
    auto* form = new QWidget;
    auto* fields = new QVBoxLayout(form);
    fields->setContentsMargins(0, 0, 0, 0);
    fieldArea = new QScrollArea(this);
    fieldArea->setFrameShape(QFrame::NoFrame);
    fieldArea->setWidgetResizable(true);
    fieldArea->setWidget(form);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(fieldArea);
    setMaximumSize(QGuiApplication::primaryScreen()->availableGeometry().size());

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("Name: "), this));
    nameRow->addWidget(nameEdit);
    fields->addLayout(nameRow);
    auto* locationRow = new QHBoxLayout;
    locationRow->addWidget(new QLabel(tr("Location: "), this));
    locationRow->addWidget(locationEdit);
    fields->addLayout(locationRow);

    auto* coordinateRow = new QHBoxLayout;
    coordinateRow->addWidget(new QLabel(tr("Coordinates: "), this), 0, Qt::AlignVCenter);
    coordinateRow->addWidget(mapButton, 0, Qt::AlignVCenter);
    auto* degrees = new QVBoxLayout;
    degrees->addWidget(new QLabel(tr("Latitude"), this));
    degrees->addWidget(latitudeEdit);
    degrees->addWidget(new QLabel(tr("Longitude"), this));
    degrees->addWidget(longitudeEdit);
    coordinateRow->addLayout(degrees);
    fields->addLayout(coordinateRow);
    addBearingFields(fields);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(okButton);
    buttonRow->addWidget(cancelButton);
    outer->addLayout(buttonRow);
}

void EditWidget::addBearingFields(QVBoxLayout* fields)
{
    auto* bearingRow = new QHBoxLayout;
    bearingRow->addWidget(new QLabel(tr("Bearing: "), this));
    bearingRow->addWidget(bearingEdit);
    fields->addLayout(bearingRow);
    auto* hint = new QLabel(tr("Degrees clockwise from north in which the first track was walked "
                               "(%1 to %2); empty when not known.")
                                .arg(numbers.toString(0), numbers.toString(359)),
                            this);
    hint->setWordWrap(true);
    fields->addWidget(hint);
}

void EditWidget::copyCurrentCoordinates()
{
    latitudeEdit->setText(coordinateText(currentPosition.latitude(), numbers));
    longitudeEdit->setText(coordinateText(currentPosition.longitude(), numbers));
}

std::optional<double> EditWidget::typedCoordinate(QLineEdit* edit, CoordinateAxis axis)
{
    const std::optional<double> degrees = coordinateFromText(edit->text(), axis, numbers);
    if (degrees)
        return degrees;
    const bool latitude = axis == CoordinateAxis::Latitude;
    const QString text = latitude ? tr("The latitude must be a number from %1 to %2, such as %3.")
                                  : tr("The longitude must be a number from %1 to %2, such as %3.");
    const int limit = latitude ? 90 : 180;
    MessageBox::warning(this, QString(),
                        text.arg(numbers.toString(-limit), numbers.toString(limit),
                                 coordinateText(latitude ? 48.1372 : 11.5755, numbers)));
    pointAt(edit);
    return std::nullopt;
}

BearingEntry EditWidget::typedBearing()
{
    const BearingEntry bearing = bearingFromText(bearingEdit->text(), numbers);
    if (bearing.valid)
        return bearing;
    MessageBox::warning(this, QString(),
                        tr("The bearing must be a whole number of degrees from %1 to %2, or empty "
                           "when it is not known.")
                            .arg(numbers.toString(0), numbers.toString(359)));
    pointAt(bearingEdit);
    return bearing;
}

void EditWidget::pointAt(QLineEdit* edit)
{
    edit->setFocus();
    fieldArea->ensureWidgetVisible(edit);
}

void EditWidget::accept()
{
    // A coordinate that is not one keeps the dialog open and the record as it was.
    const std::optional<double> latitude = typedCoordinate(latitudeEdit, CoordinateAxis::Latitude);
    if (!latitude)
        return;
    const std::optional<double> longitude = typedCoordinate(longitudeEdit, CoordinateAxis::Longitude);
    if (!longitude)
        return;
    const BearingEntry bearing = typedBearing();
    if (!bearing.valid)
        return;
    record->name = nameEdit->text();
    record->location = locationEdit->text();
    record->coordinate = QGeoCoordinate(*latitude, *longitude);
    record->bearing = bearing.degrees;
    QDialog::accept();
}
