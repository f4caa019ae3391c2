#include "visualization/widgets/heightfieldviewer.h"

#include "acquisition/devices/probefactory.h"
#include "app/appsettings.h"
#include "app/messagebox.h"
#include "app/settingskeys.h"
#include "datasets/dataset.h"
#include "datasets/datasetstore.h"
#include "datasets/gridcleaning.h"
#include "visualization/widgets/bottomwidgetheightfield.h"
#include "visualization/terrain.h"
#include "visualization/widgets/glwindow.h"
#include "visualization/widgets/pickreadout.h"
#include "visualization/widgets/profileplot.h"
#include "visualization/widgets/printseam.h"
#include "visualization/widgets/slideraction.h"
#include "visualization/depthanalysis.h"
#include "visualization/widgets/viewcontrolwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QScroller>
#include <QSlider>
#include <algorithm>
#include <stdexcept>

namespace {
QAction* settingAction(const QString& text, const SettingKey& key, QObject* parent)
{
    auto* action = new QAction(text, parent);
    action->setCheckable(true);
    action->setChecked(key.read().toBool());
    return action;
}
} // namespace

HeightFieldViewer::HeightFieldViewer(QWidget* parent)
    : QWidget(parent)
{
    glWindow = new GLWindow(this);
    glWindow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    controlPanel = new ViewControlWindow;
    pickReadout = new PickReadout(controlPanel);
    controlPanel->layout()->addWidget(pickReadout);
    // 2.5 inches of panel in 3 of scroll area, but on a small screen at a high density no more
    // than half its short side, as long as the 1.5-inch sliders and their margins fit.
    const int panelWidth = std::min(inches(2.5), std::max(inches(1.8), screenShortSide() / 2));
    controlPanel->setMinimumWidth(std::max(panelWidth, controlPanel->minimumSizeHint().width()));
    scrollArea = new QScrollArea(this);
    scrollArea->setMinimumWidth(controlPanel->minimumWidth() + std::min(inches(0.5), screenShortSide() / 24));
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->horizontalScrollBar()->hide();
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setWidgetResizable(true);
    scrollArea->setWidget(controlPanel);
    bottomBar = new BottomWidgetHeightfield(this);
    mainLayout = new QBoxLayout(QBoxLayout::LeftToRight, this);
    viewLayout = new QBoxLayout(QBoxLayout::TopToBottom);
    // Laid out for the screen's orientation until the first resize: the landscape panel beside
    // the view would widen a portrait window at a high density, which then never shrinks back.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    layOut(screen.height() < screen.width());
    buildMenus();
    connectPanel();
    setViewMenu(valueMenu);
}

HeightFieldViewer::~HeightFieldViewer()
{
    // In portrait the view's column is taken out of the main layout and owned by nobody.
    if (!viewLayout->parent())
        delete viewLayout;
    QScroller::ungrabGesture(scrollArea->viewport());
    // The navigation bar takes its own menu back when these go.
    for (QMenu* menu : {valueMenu, depthMenu, colormapMenu})
        menu->deleteLater();
}

void HeightFieldViewer::buildMenus()
{
    valueMenu = new QMenu;
    connect(valueMenu->addAction(tr("Depth Analysis")), &QAction::triggered, this,
            &HeightFieldViewer::enableDepthAnalysis);
    isolineAction = new SliderAction(tr("Isocontour"), tr("Isovalue"), this);
    isolineAction->checkBox()->setChecked(Settings::showIsolines.read().toBool());
    isolineAction->slider()->setValue(Settings::isovalue.read().toInt());
    connect(isolineAction, &SliderAction::checkBoxClicked, this, &HeightFieldViewer::toggleIsolines);
    connect(isolineAction, &SliderAction::sliderValueChanged, this, &HeightFieldViewer::setIsovalue);
    valueMenu->addAction(isolineAction);
    colormapMenu = buildColormapMenu();
    addViewEntries(valueMenu);
    QMenu* filters = valueMenu->addMenu(tr("Filter"));
    const struct {
        QString text;
        const SettingKey& key;
        void (HeightFieldViewer::*slot)();
    } filterEntries[] = {
        {tr("Smoothing Filter"), Settings::smoothingFilter, &HeightFieldViewer::triggerSmoothingFilter},
        {tr("Track Matching"), Settings::trackMatchingFilter, &HeightFieldViewer::triggerTrackMatchingFilter},
        {tr("Color Quantization"), Settings::colorQuantization,
         &HeightFieldViewer::triggerColorQuantizationFilter},
        {tr("Outlier Filter"), Settings::outlierFilter, &HeightFieldViewer::triggerOutlierFilter},
        {tr("Destagger (zig-zag)"), Settings::destaggerFilter, &HeightFieldViewer::triggerDestagger},
        {tr("Despike"), Settings::despikeFilter, &HeightFieldViewer::triggerDespike},
        {Terrain::contrastClipTitle(), Settings::contrastClip, &HeightFieldViewer::triggerContrastClip},
    };
    for (const auto& entry : filterEntries) {
        QAction* action = settingAction(entry.text, entry.key, filters);
        filters->addAction(action);
        connect(action, &QAction::triggered, this, entry.slot);
        if (&entry.key == &Settings::destaggerFilter)
            destaggerAction = action;
    }
    depthMenu = new QMenu;
    connect(depthMenu->addAction(tr("Value Analysis")), &QAction::triggered, this,
            &HeightFieldViewer::enableValueAnalysis);
    addViewEntries(depthMenu);
}

void HeightFieldViewer::addViewEntries(QMenu* menu)
{
    auto* useShading = findChild<QAction*>(QStringLiteral("useShading"));
    auto* wireframe = findChild<QAction*>(QStringLiteral("wireframe"));
    if (!useShading) {
        useShading = settingAction(tr("Use Shading"), Settings::useShading, this);
        useShading->setObjectName(QStringLiteral("useShading"));
        connect(useShading, &QAction::triggered, this, &HeightFieldViewer::triggerShading);
        wireframe = settingAction(tr("Wireframe"), Settings::wireframe, this);
        wireframe->setObjectName(QStringLiteral("wireframe"));
        connect(wireframe, &QAction::triggered, this, &HeightFieldViewer::triggerWireframe);
    }
    menu->addAction(useShading);
    menu->addAction(wireframe);
    menu->addMenu(colormapMenu);
}

QMenu* HeightFieldViewer::buildColormapMenu()
{
    auto* menu = new QMenu(tr("Colormap"));
    colormapGroup = new QActionGroup(menu);
    const struct {
        QString text;
        const char* icon;
    } maps[] = {{tr("Jet"), ":/res/images/new/Jet.png"},
                {tr("Black Body"), ":/res/images/new/BlackBodyRadiation.png"},
                {tr("Grey Scale"), ":/res/images/new/GrayScale.png"},
                {tr("Temperature"), ":/res/images/new/Temperature.png"}};
    for (int k = 0; k < 4; ++k) {
        QAction* action = menu->addAction(QIcon(maps[k].icon), maps[k].text);
        colormapGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, k] { chooseColormap(k); });
    }
    return menu;
}

void HeightFieldViewer::connectPanel()
{
    connect(controlPanel, &ViewControlWindow::setScaling, this, &HeightFieldViewer::setTerrainScaling);
    connect(controlPanel, &ViewControlWindow::setBoundaries, this, &HeightFieldViewer::setTerrainBoundaries);
    connect(controlPanel, &ViewControlWindow::showGridSwitched, this, &HeightFieldViewer::showGrid);
    connect(controlPanel, &ViewControlWindow::snapShotRequested, this, &HeightFieldViewer::changeDatasetIcon);
    connect(controlPanel, &ViewControlWindow::printVisualization, this, &HeightFieldViewer::showPrintDialog);
    connect(controlPanel, &ViewControlWindow::setDepthLayerPostion, glWindow, &GLWindow::setDepthPlanePosition);
    connect(controlPanel, &ViewControlWindow::depthFactorChanged, this, [this] {
        glWindow->update();
        controlPanel->updateDepth();
    });
    // The depth label reads the depth factor of the terrain shown last.
    connect(glWindow, &GLWindow::terrainShown, this, [this] {
        if (glWindow->terrain() && glWindow->terrain()->depthAnalysis())
            controlPanel->updateDepth();
    });
    connect(controlPanel, &ViewControlWindow::staggerShiftStepped, this, &HeightFieldViewer::stepStaggerShift);
    connect(controlPanel, &ViewControlWindow::staggerShiftAutomatic, this,
            [this] { glWindow->setStaggerShift(std::nullopt); });
    connect(glWindow, &GLWindow::terrainShown, this, &HeightFieldViewer::showStaggerShift);
    connect(glWindow, &GLWindow::pickChanged, this, &HeightFieldViewer::showPick);
    connect(pickReadout, &PickReadout::plotOpened, this, &HeightFieldViewer::openPlot);
    connect(bottomBar, &BottomWidgetHeightfield::resetCameraButtonPushed, glWindow, &GLWindow::resetView);
    connect(bottomBar, &BottomWidgetHeightfield::selectDataset, this, &HeightFieldViewer::setDatasetViewMode);
    connect(bottomBar, &BottomWidgetHeightfield::startNewRecording, this, &HeightFieldViewer::setRecordMode);
}

void HeightFieldViewer::setDataset(Dataset* dataset)
{
    if (dataset == dataset_)
        return;
    dataset_ = dataset;
    // Only a zig-zag walk has reverse tracks to shift.
    destaggerAction->setEnabled(dataset && !dataset->getProperty(QStringLiteral("parallel")).toBool());
    controlPanel->showStaggerShift(false, 0, false);
    // Coloured at once as the panel's reset asks, so that the reset finds the colours in place.
    glWindow->setDataset(dataset, ViewControlWindow::boundaryFactorOf(ViewControlWindow::startDataZoom));
    controlPanel->reset();
}

void HeightFieldViewer::setViewMenu(QMenu* menu)
{
    viewMenu = menu;
    emit viewMenuChanged(menu);
}

void HeightFieldViewer::toggleIsolines()
{
    const bool show = Settings::showIsolines.toggle();
    glWindow->showIsolines(show, Settings::isovalue.read().toFloat() / 100.0f);
}

void HeightFieldViewer::setIsovalue(int value)
{
    Settings::isovalue.write(value);
    glWindow->showIsolines(Settings::showIsolines.read().toBool(), value / 100.0f);
}

void HeightFieldViewer::chooseColormap(int index)
{
    Settings::colormap.write(index + 1);
    glWindow->recolor();
    showPick();
}

void HeightFieldViewer::setTerrainScaling(float scaleFactor)
{
    if (!dataset_)
        return;
    dataset_->setProperty(QStringLiteral("scale slider"), int(scaleFactor * 100));
    glWindow->setScaling(scaleFactor);
}

void HeightFieldViewer::setTerrainBoundaries(float boundaryFactor)
{
    if (!dataset_)
        return;
    dataset_->setProperty(QStringLiteral("boundary slider"), int(boundaryFactor * 1000));
    glWindow->setBoundaries(boundaryFactor);
    // The plots shade the colour range, which followed.
    showPick();
}

void HeightFieldViewer::showGrid()
{
    if (!dataset_)
        return;
    // Read without the key's default: an absent key hides the grid.
    const bool show = appSettings().value(Settings::showGrid.name).toBool();
    glWindow->setTerrainGridTransluency(show ? 1.0f : 0.0f);
}

void HeightFieldViewer::updateView()
{
    glWindow->updateTerrain();
}

void HeightFieldViewer::changeDatasetIcon()
{
    if (!dataset_)
        return;
    const QImage picture = glWindow->grabFramebuffer().scaledToWidth(128, Qt::SmoothTransformation);
    if (const Outcome stored = DatasetStore().storePreview(dataset_->id(), picture); !stored) {
        qWarning().noquote() << "Snapshot:" << stored.failure().reason;
        MessageBox::warning(this, tr("Snapshot"), tr("Could not save the snapshot of the dataset."));
        return;
    }
    libraryDirty = true;
}

void HeightFieldViewer::showPrintDialog()
{
    PrintSeam::print(glWindow->grabFramebuffer(), this);
}

void HeightFieldViewer::toggleAndRebuild(const SettingKey& key)
{
    key.toggle();
    glWindow->updateTerrain();
}

void HeightFieldViewer::triggerShading()
{
    Settings::useShading.toggle();
    glWindow->reloadShaders();
    glWindow->update();
}

void HeightFieldViewer::triggerColorQuantizationFilter()
{
    toggleAndRebuild(Settings::colorQuantization);
}

void HeightFieldViewer::triggerValueQuantizationFilter()
{
    toggleAndRebuild(Settings::valueQuantization);
}

void HeightFieldViewer::triggerDeltaFilter()
{
    toggleAndRebuild(Settings::deltaFilter);
}

void HeightFieldViewer::triggerOutlierFilter()
{
    toggleAndRebuild(Settings::outlierFilter);
}

void HeightFieldViewer::triggerTrackMatchingFilter()
{
    toggleAndRebuild(Settings::trackMatchingFilter);
}

void HeightFieldViewer::triggerSmoothingFilter()
{
    toggleAndRebuild(Settings::smoothingFilter);
}

void HeightFieldViewer::triggerDestagger()
{
    toggleAndRebuild(Settings::destaggerFilter);
}

void HeightFieldViewer::triggerDespike()
{
    toggleAndRebuild(Settings::despikeFilter);
}

void HeightFieldViewer::triggerContrastClip()
{
    toggleAndRebuild(Settings::contrastClip);
}

void HeightFieldViewer::stepStaggerShift(int rows)
{
    const Terrain* terrain = glWindow->terrain();
    if (!terrain || !terrain->destaggered())
        return;
    // From the shift asked for last: a second press before the terrain is built counts too.
    const int largest = largestStaggerShift(terrain->rows());
    const int shift = glWindow->staggerShiftSetByHand().value_or(terrain->staggerShift()) + rows;
    glWindow->setStaggerShift(std::clamp(shift, -largest, largest));
}

void HeightFieldViewer::showStaggerShift()
{
    const Terrain* terrain = glWindow->terrain();
    const bool destaggered = terrain && terrain->destaggered();
    controlPanel->showStaggerShift(destaggered, destaggered ? terrain->staggerShift() : 0,
                                   glWindow->staggerShiftSetByHand().has_value());
}

void HeightFieldViewer::showPick()
{
    pickReadout->showPoint(glWindow->terrain(), glWindow->pickedPoint());
}

void HeightFieldViewer::openPlot(ProfilePlot* plot)
{
    auto* dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(plot->title());
    auto* large = new ProfilePlot(plot->title(), dialog);
    large->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    large->setProfile(plot->profile(), plot->colorRange(), plot->colormap());
    auto* close = new QPushButton(tr("CLOSE"), dialog);
    close->setMinimumHeight(inches(0.4));
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(large, 1);
    layout->addWidget(close);
    connect(large, &ProfilePlot::opened, dialog, &QDialog::close);
    connect(close, &QPushButton::clicked, dialog, &QDialog::close);
    // Sized to the screen as well: without a window manager a full-screen request is not kept.
    if (QScreen* screen = window()->screen())
        dialog->setGeometry(screen->geometry());
    dialog->showFullScreen();
}

void HeightFieldViewer::triggerWireframe()
{
    toggleAndRebuild(Settings::wireframe);
}

void HeightFieldViewer::enableDepthAnalysis()
{
    soilDepthScale = 0.2f;
    glWindow->setDepthAnalysisMode(true);
    controlPanel->setDepthMode(true);
    setViewMenu(depthMenu);
}

void HeightFieldViewer::enableValueAnalysis()
{
    controlPanel->setDepthMode(false);
    glWindow->setDepthAnalysisMode(false);
    setViewMenu(valueMenu);
}

void HeightFieldViewer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut(height() < width());
}

void HeightFieldViewer::layOut(bool landscape)
{
    for (QWidget* part : {static_cast<QWidget*>(glWindow), static_cast<QWidget*>(scrollArea),
                          static_cast<QWidget*>(bottomBar)}) {
        mainLayout->removeWidget(part);
        viewLayout->removeWidget(part);
    }
    mainLayout->removeItem(viewLayout);
    if (landscape) {
        mainLayout->setDirection(QBoxLayout::LeftToRight);
        mainLayout->addWidget(scrollArea);
        viewLayout->addWidget(glWindow);
        viewLayout->addWidget(bottomBar);
        mainLayout->addLayout(viewLayout);
        scrollArea->setMaximumHeight(height());
        scrollArea->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    } else {
        mainLayout->setDirection(QBoxLayout::TopToBottom);
        mainLayout->addWidget(glWindow);
        mainLayout->addWidget(scrollArea);
        mainLayout->addWidget(bottomBar);
        scrollArea->setMaximumHeight(height() / 2 - bottomBar->height());
        scrollArea->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred);
    }
}

void HeightFieldViewer::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    QScroller::grabGesture(scrollArea->viewport(), QScroller::TouchGesture);
}

void HeightFieldViewer::hideEvent(QHideEvent* event)
{
    QScroller::ungrabGesture(scrollArea->viewport());
    QWidget::hideEvent(event);
}

HeightFieldViewer* createViewer(int id)
{
    if (!isKnownProbe(id))
        throw std::runtime_error("Unknown Probe ID");
    return new HeightFieldViewer;
}
