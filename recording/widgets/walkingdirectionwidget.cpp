#include "recording/widgets/walkingdirectionwidget.h"

#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "recording/walkingdirectiongeometry.h"
#include "recording/widgets/walkingdirectionpainterwidget.h"

#include <QBoxLayout>
#include <QResizeEvent>
#include <QToolButton>

namespace {
QToolButton* patternButton(const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setStyleSheet(QStringLiteral("background-color: #c6c6c6"));
    return button;
}
} // namespace

WalkingDirectionWidget::WalkingDirectionWidget(QWidget* parent)
    : QWidget(parent)
    , zigZagSelected(QStringLiteral(":/res/images/new/zigzag_selected.png"))
    , zigZagUnselected(QStringLiteral(":/res/images/new/zigzag_unselected.png"))
    , parallelSelected(QStringLiteral(":/res/images/new/parallel_selected.png"))
    , parallelUnselected(QStringLiteral(":/res/images/new/parralel_unselected.png"))
{
    corner = Settings::recordCorner.read().toInt();
    if (corner < 0 || corner > 3) {
        // A damaged settings file must not start a recording from a corner that does not exist.
        corner = 0;
        Settings::recordCorner.write(corner);
    }
    parallel = Settings::recordParallel.read().toBool();

    zigZagButton = patternButton(QStringLiteral("zigZagButton"), this);
    parallelButton = patternButton(QStringLiteral("parallelButton"), this);
    buttonRow = new QBoxLayout(QBoxLayout::LeftToRight);
    buttonRow->addWidget(zigZagButton, 0, Qt::AlignHCenter);
    buttonRow->addSpacing(int(0.1 * screenDpi));
    buttonRow->addWidget(parallelButton, 0, Qt::AlignHCenter);

    painter = new WalkingDirectionPainterWidget(corner, parallel, this);
    // Two inches, but no more than 0.4 of the screen's short side: on a 7-inch tablet at its
    // density two inches leave no room for the rest of the page.
    const int side = std::min(inches(2), int(0.4 * screenShortSide()));
    painter->setMinimumSize(side, side);

    mainLayout = new QBoxLayout(QBoxLayout::TopToBottom, this);
    mainLayout->addLayout(buttonRow);
    mainLayout->addWidget(painter);

    connect(zigZagButton, SIGNAL(clicked()), this, SLOT(setZigZag()));
    connect(parallelButton, SIGNAL(clicked()), this, SLOT(setParallel()));
    connect(painter, SIGNAL(indexChanged(int)), this, SLOT(setIndex(int)));

    showPattern(parallel);
}

void WalkingDirectionWidget::setParallel()
{
    showPattern(true);
}

void WalkingDirectionWidget::setZigZag()
{
    showPattern(false);
}

void WalkingDirectionWidget::showPattern(bool parallelChosen)
{
    parallel = parallelChosen;
    Settings::recordParallel.write(parallel);
    zigZagButton->setIcon(parallel ? zigZagUnselected : zigZagSelected);
    parallelButton->setIcon(parallel ? parallelSelected : parallelUnselected);
    painter->setParallel(parallel);
}

void WalkingDirectionWidget::setIndex(int i)
{
    Settings::recordCorner.write(i);
}

void WalkingDirectionWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    mainLayout->setDirection(QBoxLayout::TopToBottom);
    // The size follows the chooser's but does not set its minimum, which would let the
    // buttons widen the page they are sized from; they shrink to a finger's size.
    const int spare = event->size().width() - inches(0.4); // less the gap and the margins
    const QSize button = WalkingDirectionGeometry::patternButtonSize(event->size()).boundedTo(QSize(spare / 2, spare));
    for (QToolButton* b : {zigZagButton, parallelButton}) {
        b->setIconSize(button);
        b->setMinimumSize(inches(0.9), inches(0.3));
        b->setMaximumSize(button.expandedTo(b->minimumSize()));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
}
