#include "recording/widgets/gradientanalysis.h"

#include "recording/viewdatasetrules.h"
#include "recording/widgets/gradientvisualization.h"
#include "recording/wrongvisexception.h"

GradientAnalysis::GradientAnalysis(QObject* parent)
    : RecordingVisualization(parent)
{
    icon_ = QIcon(QStringLiteral("://res/images/new/Icon3-Gausskurve.png"));
    view = new GradientVisualization;
}

GradientAnalysis::~GradientAnalysis()
{
    delete view;
}

QString GradientAnalysis::title()
{
    return tr("Gradient Analysis");
}

QIcon GradientAnalysis::icon()
{
    return icon_;
}

bool GradientAnalysis::accepts(Dataset* d)
{
    return ViewDatasetRules::isZSeriesScalar(d);
}

QWidget* GradientAnalysis::widget()
{
    return view;
}

void GradientAnalysis::setDataset(Dataset* d)
{
    if (!accepts(d))
        throw S3D::WrongVisException();
    dataset = d;
}

void GradientAnalysis::reset()
{
    history.clear();
}

void GradientAnalysis::addValues(std::vector<std::int16_t> values)
{
    // The recorder sends one sample per call.
    if (values.empty() || !ViewDatasetRules::sensorControlsOn(dataset))
        return;
    view->setReading(history.add(values.front()));
}
