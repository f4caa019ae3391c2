#pragma once

#include <QWidget>

class BottomWidgetHeightfield;
class PickReadout;
class ProfilePlot;
class QAction;
class Dataset;
class GLWindow;
class QActionGroup;
class QBoxLayout;
class QMenu;
class QScrollArea;
class SliderAction;
struct SettingKey;
class ViewControlWindow;

// What every view of a dataset offers the main window.
class DataVisualizationInterface
{
};

// The 3D view screen of a stored dataset: the terrain view, its side panel and bottom bar,
// and the value- and depth-analysis menus that the navigation bar shows.
// QWidget comes first: moc needs its QObject base there.
class HeightFieldViewer : public QWidget, public DataVisualizationInterface
{
    Q_OBJECT
public:
    explicit HeightFieldViewer(QWidget* parent = nullptr);
    ~HeightFieldViewer() override;

    // The dataset is held, not owned; the same dataset again changes nothing.
    virtual void setDataset(Dataset* dataset);
    Dataset* dataset() const { return dataset_; }

    // The menu of the analysis mode shown now; viewMenuChanged tells of a new one.
    QMenu* currentViewMenu() const { return viewMenu; }
    QMenu* valueAnalysisMenu() const { return valueMenu; }
    QMenu* depthAnalysisMenu() const { return depthMenu; }
    QMenu* colormapEntries() const { return colormapMenu; }
    SliderAction* isolineEntry() const { return isolineAction; }
    QAction* destaggerEntry() const { return destaggerAction; }
    GLWindow* view() const { return glWindow; }
    ViewControlWindow* panel() const { return controlPanel; }
    BottomWidgetHeightfield* bar() const { return bottomBar; }
    QScrollArea* panelScrollArea() const { return scrollArea; }
    PickReadout* readout() const { return pickReadout; }

signals:
    void setRecordMode();
    void setDatasetViewMode();
    void viewMenuChanged(QMenu* menu);

public slots:
    void setTerrainScaling(float scaleFactor);
    void setTerrainBoundaries(float boundaryFactor);
    void showGrid();
    void updateView();
    void changeDatasetIcon();
    void showPrintDialog();
    void triggerShading();
    void triggerColorQuantizationFilter();
    void triggerValueQuantizationFilter();
    void triggerDeltaFilter();
    void triggerOutlierFilter();
    void triggerTrackMatchingFilter();
    void triggerSmoothingFilter();
    void triggerDestagger();
    void triggerDespike();
    void triggerContrastClip();
    void triggerWireframe();
    void enableDepthAnalysis();
    void enableValueAnalysis();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void addViewEntries(QMenu* menu);
    QMenu* buildColormapMenu();
    void connectPanel();
    // A filter or drawing switch: the terrain is built again with it.
    void toggleAndRebuild(const SettingKey& key);
    void toggleIsolines();
    void setIsovalue(int value);
    void chooseColormap(int index);
    void setViewMenu(QMenu* menu);
    void layOut(bool landscape);
    void stepStaggerShift(int rows);
    void showPick();
    // A profile shown over the whole screen; a tap on it or CLOSE closes it.
    void openPlot(ProfilePlot* plot);
    void showStaggerShift();

    GLWindow* glWindow = nullptr;
    QScrollArea* scrollArea = nullptr;
    ViewControlWindow* controlPanel = nullptr;
    BottomWidgetHeightfield* bottomBar = nullptr;
    QBoxLayout* mainLayout = nullptr;
    QBoxLayout* viewLayout = nullptr;
    Dataset* dataset_ = nullptr;
    QMenu* valueMenu = nullptr;
    QMenu* colormapMenu = nullptr;
    QMenu* depthMenu = nullptr;
    QMenu* viewMenu = nullptr;
    QActionGroup* colormapGroup = nullptr;
    SliderAction* isolineAction = nullptr;
    QAction* destaggerAction = nullptr;
    PickReadout* pickReadout = nullptr;
};

// The viewer for a dataset of probe `id`; throws std::runtime_error("Unknown Probe ID") for an
// id outside the catalogue. The caller owns it.
HeightFieldViewer* createViewer(int id);
