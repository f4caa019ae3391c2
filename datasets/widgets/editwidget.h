#pragma once

#include "datasets/datasetrecord.h"

#include <QDialog>

class QDoubleValidator;
class QLineEdit;
class QPushButton;

// The dialog that changes a dataset's name, location and coordinates. On OK it writes the
// edits into the record it was given; the caller stores them.
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
    QPushButton* dialogButton(const QString& text);

    DatasetRecord* record;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* mapButton = nullptr;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* locationEdit = nullptr;
    QLineEdit* latitudeEdit = nullptr;
    QLineEdit* longitudeEdit = nullptr;
    QDoubleValidator* validator = nullptr;
};
