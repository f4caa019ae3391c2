#include "recording/widgets/frequencyanalysis.h"

#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "recording/viewdatasetrules.h"
#include "recording/waveletanalyser.h"
#include "recording/wrongvisexception.h"
#include "app/colormap.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace {
constexpr std::size_t shortCapacity = 15;
constexpr int longCapacity = 400;
const QColor clear(0, 0, 0, 1);

QPixmap greyPicture()
{
    QPixmap picture(32, 32);
    picture.fill(QColor(198, 198, 198));
    return picture;
}
} // namespace

FrequencyAnalysis::FrequencyAnalysis(QObject* parent)
    : RecordingVisualization(parent)
    , longAnalyser(std::make_unique<WaveletAnalyser>())
    , shortAnalyser(std::make_unique<WaveletAnalyser>())
{
    container = new QWidget;
    const QString frame = QStringLiteral("border: 1px solid rgb(89, 89, 89)");
    barLabel = new QLabel(container);
    barLabel->setStyleSheet(frame);
    scalogramLabel = new QLabel(container);
    scalogramLabel->setStyleSheet(frame);
    // The pictures are drawn to fit the labels: were a label sized by its picture, every
    // rebuild could ask for more room than the last, and the screen grow without end.
    for (QLabel* chart : {barLabel, scalogramLabel})
        chart->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    discLabel = new QLabel(container);
    discLabel->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    discLabel->setMaximumSize(2 * discUnit(), int(1.1 * discUnit()));
    discPixmap = QPixmap(2 * discUnit(), discUnit());
    mainLayout = new QBoxLayout(QBoxLayout::TopToBottom, container);
    mainLayout->addWidget(discLabel, 0, Qt::AlignHCenter | Qt::AlignVCenter);
    chartLayout = new QVBoxLayout;
    chartLayout->addWidget(barLabel);
    chartLayout->addWidget(scalogramLabel);
    // The charts take all the room the disc leaves.
    mainLayout->addLayout(chartLayout, 1);
    icon_ = QIcon(QStringLiteral("://res/images/new/Icon2-Frequenzanalyse.png"));
    reset();
}

FrequencyAnalysis::~FrequencyAnalysis()
{
    delete container;
}

int FrequencyAnalysis::discUnit()
{
    // An inch, but no more than a fifth of the screen's short side: on a small screen at a
    // high density the disc left the charts and the recording buttons no room.
    return std::min(inches(1), screenShortSide() / 5);
}

QString FrequencyAnalysis::title()
{
    return tr("Frequency Analysis");
}

QIcon FrequencyAnalysis::icon()
{
    return icon_;
}

bool FrequencyAnalysis::accepts(Dataset* d)
{
    return ViewDatasetRules::hasScalarValues(d);
}

QWidget* FrequencyAnalysis::widget()
{
    return container;
}

void FrequencyAnalysis::setDataset(Dataset* d)
{
    if (!accepts(d))
        throw S3D::WrongVisException();
    dataset = d;
    longHistory.clear();
}

void FrequencyAnalysis::reset()
{
    longHistory.clear();
    barLabel->setPixmap(greyPicture());
    scalogramLabel->setPixmap(greyPicture());
    discPixmap.fill(clear);
    discLabel->setPixmap(discPixmap);
}

void FrequencyAnalysis::addValues(std::vector<std::int16_t> values)
{
    // The first sample always applies an orientation.
    if (longHistory.empty())
        landscape = container->height() >= container->width();
    applyOrientation();
    appendSamples(values);
    if (!container->isVisible())
        return;
    const int map = Settings::colormap.read().toInt();
    longAnalyser->setColormap(map);
    shortAnalyser->setColormap(map);
    longAnalyser->analyse(longHistory);
    shortAnalyser->analyse(shortHistory);
    showCharts();
    paintDisc();
}

void FrequencyAnalysis::applyOrientation()
{
    const bool wide = container->height() < container->width();
    if (wide == landscape)
        return;
    mainLayout->setDirection(wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    // The pictures are fitted to the labels' new places right away.
    mainLayout->activate();
    landscape = wide;
}

void FrequencyAnalysis::appendSamples(const std::vector<std::int16_t>& values)
{
    for (std::int16_t v : values) {
        longHistory.push_back(v);
        shortHistory.push_back(v);
    }
    while (shortHistory.size() > shortCapacity)
        shortHistory.pop_front();
    const std::size_t cap = std::size_t(std::min(barLabel->width(), longCapacity));
    while (longHistory.size() > cap)
        longHistory.pop_front();
}

void FrequencyAnalysis::showCharts()
{
    int w = container->width();
    int h = container->height();
    if (landscape)
        w -= discLabel->width();
    else
        h -= discLabel->height();
    const QSize size(int(w * 0.95), int(h * 0.5 - 20));
    // Never beyond the label: its layout margins grow with the density.
    const auto fit = [&size](const QImage& image, const QLabel* label) {
        const QSize shown = size.boundedTo(label->contentsRect().size()).expandedTo(QSize(1, 1));
        return QPixmap::fromImage(image.scaled(shown, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    };
    scalogramLabel->setPixmap(fit(longAnalyser->scalogram(), scalogramLabel));
    barLabel->setPixmap(fit(longAnalyser->barChart(), barLabel));
}

void FrequencyAnalysis::paintDisc()
{
    const int map = Settings::colormap.read().toInt();
    discPixmap.fill(clear);
    // A NaN share (no cell inside the cone yet) takes the colour of 0 as well.
    const float e = shortAnalyser->significantShare();
    const Rgb c = e < 0.5f ? colorFromValue(0.5f - e, 0, 0.5f, map) : colorFromValue(0, 0, 0.5f, map);
    QPainter painter(&discPixmap);
    painter.setBrush(QColor(c.red, c.green, c.blue));
    const int side = int(0.99 * discUnit());
    painter.drawEllipse(QRect(discUnit() / 2, 0, side, side));
    painter.end();
    discLabel->setPixmap(discPixmap);
}
