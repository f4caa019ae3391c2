#pragma once

#include "datasets/coordinatetext.h"
#include "datasets/datasetrecord.h"

#include <QDialog>
#include <QLocale>
#include <optional>

class QLineEdit;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

// The dialog that changes a dataset's name, location, coordinates and bearing. On OK it
// writes the edits into the record it was given; the caller stores them. Coordinates are read and shown
// in the language's number format; one out of range or not a number is refused with a box,
// and so is a bearing that is not a whole number of degrees.
class EditWidget : public QDialog
{
    Q_OBJECT
public:
    explicit EditWidget(DatasetRecord* record, QWidget* parent = nullptr);

public slots:
    void accept() override;
    void copyCurrentCoordinates();

private:
    void buildLayout();
    void addBearingFields(QVBoxLayout* fields);
    QPushButton* dialogButton(const QString& text);
    // The edit's degrees, or nothing after telling the operator what is wrong.
    std::optional<double> typedCoordinate(QLineEdit* edit, CoordinateAxis axis);
    // The typed bearing; one that is not valid has been explained to the operator.
    BearingEntry typedBearing();
    // Focuses a refused field and scrolls it into view: on a small screen it may lie below.
    void pointAt(QLineEdit* edit);

    DatasetRecord* record;
    QScrollArea* fieldArea = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* mapButton = nullptr;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* locationEdit = nullptr;
    QLocale numbers;
    QLineEdit* latitudeEdit = nullptr;
    QLineEdit* longitudeEdit = nullptr;
    QLineEdit* bearingEdit = nullptr;
};
