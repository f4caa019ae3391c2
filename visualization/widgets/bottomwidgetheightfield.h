#pragma once

#include <QWidget>

class QPushButton;

// The bar under the 3D view: reset camera, dataset manager, new recording. Narrower than
// seven inches it shows the icons only.
class BottomWidgetHeightfield : public QWidget
{
    Q_OBJECT
public:
    explicit BottomWidgetHeightfield(QWidget* parent = nullptr);

    QPushButton* resetButton() const { return reset; }
    QPushButton* datasetButton() const { return datasets; }
    QPushButton* recordButton() const { return record; }

signals:
    void resetCameraButtonPushed();
    void startNewRecording();
    void selectDataset();

public slots:
    void resetCamera();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateTexts();

    QPushButton* reset = nullptr;
    QPushButton* datasets = nullptr;
    QPushButton* record = nullptr;
};
