#include "visualization/widgets/viewcontrolwindow.h"

#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "visualization/depthanalysis.h"
#include "visualization/widgets/soilbuttonwidget.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
QSlider* panelSlider(int low, int high, int pageStep, QWidget* parent)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(low, high);
    slider->setSingleStep(1);
    slider->setPageStep(pageStep);
    slider->setValue(low);
    return slider;
}

QHBoxLayout* row(QWidget* left, QWidget* right)
{
    auto* layout = new QHBoxLayout;
    layout->addWidget(left);
    layout->addWidget(right);
    return layout;
}

constexpr int depthSteps = 300;
constexpr float depthBoxHeight = 1.1f;
} // namespace

ViewControlWindow::ViewControlWindow(QWidget* parent)
    : QFrame(parent)
{
    setStyleSheet("background: #e6d1a7");
    const int inch = int(screenDpi);
    dataZoomLabel = new QLabel(tr("DATA ZOOM"), this);
    dataZoom = panelSlider(0, 2000, 200, this);
    scaleLabel = new QLabel(tr("SCALE"), this);
    scaleBar = panelSlider(1, 400, 25, this);
    depthLabel = new QLabel(tr("DEPTH: ") + "0m", this);
    depth = new QSlider(Qt::Horizontal, this);
    depth->setRange(0, depthSteps);
    showGridCheck = new QCheckBox(this);
    showGridCheck->setCheckable(true);
    showGridCheck->setChecked(Settings::showGrid.read().toBool());
    snapshot = new QPushButton(this);
    snapshot->setFixedSize(inch, int(0.45 * screenDpi));
    snapshot->setStyleSheet(
        "QPushButton:!pressed{border-image: url(:/res/images/new/screenshot.png) 0 0 0 0 stretch stretch;} "
        "QPushButton:pressed{border-image: url(:/res/images/new/screenshot_pressed.png) 0 0 0 0 stretch stretch;}");
    print = new QPushButton(this);
    print->setIcon(QIcon(":/res/images/new/printer.png"));
    print->setFixedSize(inch, int(0.45 * screenDpi));
    print->setIconSize(print->size());
    soils = new SoilButtonWidget(this);

    auto* layout = new QVBoxLayout(this);
    layout->setAlignment(Qt::AlignCenter);
    // The captions are centred; the sliders span the panel like the depth slider, at least
    // 1.5 inches: centred, they shrank to QSlider's 84-px hint, less than two handles.
    for (QSlider* slider : {dataZoom, scaleBar, depth})
        slider->setMinimumWidth(int(1.5 * screenDpi));
    layout->addWidget(dataZoomLabel, 0, Qt::AlignCenter);
    layout->addWidget(dataZoom);
    layout->addWidget(scaleLabel, 0, Qt::AlignCenter);
    layout->addWidget(scaleBar);
    layout->addWidget(depthLabel);
    layout->addWidget(depth);
    layout->addWidget(buildStaggerBox());
    layout->addLayout(row(showGridCheck, new QLabel(tr("SHOW GRID"), this)));
    layout->addWidget(new QLabel(" ", this));
    layout->addLayout(row(snapshot, new QLabel(tr("SNAPSHOT"), this)));
    layout->addLayout(row(print, new QLabel(tr("PRINT"), this)));
    layout->addWidget(soils);
    setDepthMode(false);

    connect(snapshot, &QPushButton::pressed, this, &ViewControlWindow::snapShotRequested);
    connect(print, &QPushButton::pressed, this, &ViewControlWindow::printVisualization);
    connect(showGridCheck, &QCheckBox::toggled, this, &ViewControlWindow::switchShowGrid);
    connect(soils, &SoilButtonWidget::changeSoil, this, [this](double offset) {
        soilDepthScale = float(offset);
        emit depthFactorChanged();
    });
    connect(dataZoom, &QSlider::valueChanged, this, &ViewControlWindow::resetBoundaries);
    connect(scaleBar, &QSlider::valueChanged, this, &ViewControlWindow::scale);
    connect(depth, &QSlider::valueChanged, this, &ViewControlWindow::updateDepth);
}

QWidget* ViewControlWindow::buildStaggerBox()
{
    staggerBox = new QWidget(this);
    auto* box = new QVBoxLayout(staggerBox);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(new QLabel(tr("DESTAGGER (ROWS)"), staggerBox), 0, Qt::AlignCenter);
    // Buttons a fingertip wide: a third of an inch.
    const int side = std::max(int(0.33 * screenDpi), fontMetrics().height() + 8);
    staggerLess = new QPushButton(QStringLiteral("\u2212"), staggerBox);
    staggerMore = new QPushButton(QStringLiteral("+"), staggerBox);
    for (QPushButton* button : {staggerLess, staggerMore})
        button->setFixedSize(side, side);
    staggerValue = new QLabel(staggerBox);
    staggerValue->setAlignment(Qt::AlignCenter);
    auto* steps = new QHBoxLayout;
    steps->addWidget(staggerLess);
    steps->addWidget(staggerValue, 1);
    steps->addWidget(staggerMore);
    box->addLayout(steps);
    staggerAutomatic = new QPushButton(tr("AUTOMATIC"), staggerBox);
    staggerAutomatic->setMinimumHeight(side);
    box->addWidget(staggerAutomatic);
    // The panel's flat background would leave the buttons as bare text.
    staggerBox->setStyleSheet(QStringLiteral("QPushButton { border: %1px solid #a88d5c; border-radius: %2px; "
                                             "background: #f3e6c8; } QPushButton:pressed { background: #d3b37a; } "
                                             "QPushButton:disabled { border-color: #d6c29b; }")
                                  .arg(std::max(1, int(screenDpi / 60)))
                                  .arg(std::max(2, int(screenDpi / 24))));
    staggerBox->hide();
    connect(staggerLess, &QPushButton::clicked, this, [this] { emit staggerShiftStepped(-1); });
    connect(staggerMore, &QPushButton::clicked, this, [this] { emit staggerShiftStepped(1); });
    connect(staggerAutomatic, &QPushButton::clicked, this, &ViewControlWindow::staggerShiftAutomatic);
    return staggerBox;
}

void ViewControlWindow::showStaggerShift(bool destaggered, int shift, bool byHand)
{
    staggerBox->setVisible(destaggered);
    const QString number = QLocale().toString(shift);
    staggerValue->setText(byHand ? tr("%1, by hand").arg(number) : tr("%1, estimated").arg(number));
    staggerAutomatic->setEnabled(byHand);
}

float ViewControlWindow::boundaryFactorOf(int pos)
{
    const float b = std::log(1999.9999f) / 0.9995f;
    const float c = std::exp(0.0005f * b);
    return 1.0f - std::exp((2000 - pos) / 2000.0f * b) / (2000.0f * c) + 0.0005f;
}

void ViewControlWindow::scale(int pos)
{
    emit setScaling(std::max(pos / 100.0f, 0.01f));
}

void ViewControlWindow::resetBoundaries(int pos)
{
    emit setBoundaries(boundaryFactorOf(pos));
}

void ViewControlWindow::reset()
{
    // The sliders move without their signals: each value is sent once, below.
    const QSignalBlocker blockScale(scaleBar);
    const QSignalBlocker blockZoom(dataZoom);
    scaleBar->setValue(1);
    emit setScaling(0.01f);
    dataZoom->setValue(startDataZoom);
    emit setBoundaries(boundaryFactorOf(startDataZoom));
    Settings::showGrid.write(Settings::showGrid.read().toBool());
    emit showGridSwitched();
}

void ViewControlWindow::switchShowGrid(bool active)
{
    Settings::showGrid.write(active);
    emit showGridSwitched();
}

void ViewControlWindow::setDepthMode(bool depthMode)
{
    if (depthMode) {
        const QSignalBlocker block(depth);
        depth->setValue(0);
        updateDepth();
    }
    for (QWidget* w : {static_cast<QWidget*>(depth), static_cast<QWidget*>(depthLabel),
                       static_cast<QWidget*>(soils)})
        w->setVisible(depthMode);
    for (QWidget* w : {static_cast<QWidget*>(dataZoomLabel), static_cast<QWidget*>(dataZoom),
                       static_cast<QWidget*>(scaleLabel), static_cast<QWidget*>(scaleBar)})
        w->setVisible(!depthMode);
}

void ViewControlWindow::updateDepth()
{
    const float c = depth->value() / float(depthSteps);
    const double metres = (1.0f - c) * 12 * depthFactor * soilDepthScale;
    depthLabel->setText(tr("DEPTH: ") + QString("%1 m").arg(metres, 0, 'g', 3));
    emit setDepthLayerPostion(c * depthBoxHeight);
}
