#pragma once

#include <QFrame>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class SoilButtonWidget;

// The side panel of the 3D view: DATA ZOOM and SCALE in value analysis, the depth slider
// and the soil types in depth analysis, the destagger shift, SHOW GRID, SNAPSHOT and PRINT in
// both.
class ViewControlWindow : public QFrame
{
    Q_OBJECT
public:
    explicit ViewControlWindow(QWidget* parent = nullptr);

    // For every new dataset: almost flat, coloured by the data's own range.
    void reset();
    void setDepthMode(bool depthMode);
    // The shift of a destaggered terrain, estimated or set by hand; hidden when none ran.
    void showStaggerShift(bool destaggered, int shift, bool byHand);

    QSlider* dataZoomSlider() const { return dataZoom; }
    QSlider* scaleSlider() const { return scaleBar; }
    QSlider* depthSlider() const { return depth; }
    QLabel* depthText() const { return depthLabel; }
    QCheckBox* showGridBox() const { return showGridCheck; }
    QPushButton* snapshotButton() const { return snapshot; }
    QPushButton* printButton() const { return print; }
    SoilButtonWidget* soilButtons() const { return soils; }
    QLabel* staggerShiftText() const { return staggerValue; }
    QPushButton* staggerLessButton() const { return staggerLess; }
    QPushButton* staggerMoreButton() const { return staggerMore; }
    QPushButton* staggerAutomaticButton() const { return staggerAutomatic; }

    // The colour-range blend of a DATA ZOOM position (0 probe's range .. 2000 data's range).
    static float boundaryFactorOf(int pos);
    // Where reset puts DATA ZOOM.
    static constexpr int startDataZoom = 2000;

signals:
    void resetViewSignal();
    void setScaling(float s);
    void setBoundaries(float b);
    void setTransluency(float t);
    void setOcclude(int s);
    void showGridSwitched();
    void snapShotRequested();
    void printVisualization();
    void setDepthLayerPostion(float position);
    void depthFactorChanged();
    // The operator moves the shift by one row, or gives it back to the estimate.
    void staggerShiftStepped(int rows);
    void staggerShiftAutomatic();

public slots:
    void updateDepth();
    void scale(int pos);
    void resetBoundaries(int pos);
    void switchShowGrid(bool active);

private:
    QLabel* dataZoomLabel = nullptr;
    QSlider* dataZoom = nullptr;
    QLabel* scaleLabel = nullptr;
    QSlider* scaleBar = nullptr;
    QLabel* depthLabel = nullptr;
    QSlider* depth = nullptr;
    QCheckBox* showGridCheck = nullptr;
    QPushButton* snapshot = nullptr;
    QPushButton* print = nullptr;
    SoilButtonWidget* soils = nullptr;
    QWidget* staggerBox = nullptr;
    QLabel* staggerValue = nullptr;
    QPushButton* staggerLess = nullptr;
    QPushButton* staggerMore = nullptr;
    QPushButton* staggerAutomatic = nullptr;

    QWidget* buildStaggerBox();
};
