#include "datasets/widgets/datasetwidget.h"

#include "app/appsettings.h"
#include "app/language.h"
#include "datasets/coordinatetext.h"
#include "datasets/mapexport.h"
#include "datasets/surveyexport.h"
#include "datasets/widgets/imagelabel.h"
#include "datasets/widgets/separatorwidget.h"
#include "datasets/widgets/tiletext.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QHash>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <array>

namespace {
// Every tile shows the same three icons: each file is decoded once.
QIcon sharedIcon(const QString& path)
{
    static QHash<QString, QIcon> icons;
    auto found = icons.find(path);
    if (found == icons.end())
        found = icons.insert(path, QIcon(path));
    return *found;
}

QFont pointFont(const QFont& base, int points)
{
    QFont font = base;
    font.setPointSize(points);
    return font;
}
} // namespace

DatasetWidget::DatasetWidget(const DatasetRecord& record, const QString& previewPath, QWidget* parent)
    : QWidget(parent)
    , data(record)
    , separator(new SeparatorWidget(this))
    , preview(new ImageLabel(this))
    , viewButton(new QPushButton(tr("VIEW"), this))
{
    preview->setPreviewFile(previewPath, previewSide());
    preview->setFixedWidth(previewSide());
    viewButton->setMinimumSize(std::min(inches(1.5), screenShortSide() / 5), inches(0.5));
    sendButton = iconButton(QStringLiteral(":/res/images/new/fileExport.png"));
    zipButton = iconButton(QStringLiteral(":/res/images/new/zip.png"));
    vtkButton = iconButton(QStringLiteral(":/res/images/new/vtk.png"));
    gridButton = iconButton(QStringLiteral(":/res/images/new/grid.png"));
    gridButton->setObjectName(QStringLiteral("gridExportButton"));
    fillTexts();
    buildLayout();

    connect(viewButton, &QPushButton::pressed, this, [this] { emit datasetSelected(data.identifier, data.probeId); });
    connect(preview, &ImageLabel::imageSelected, this, [this] {
        preview->setOverlayShown(!preview->overlayShown());
        emit imageSelected(data.identifier);
    });
    connect(sendButton, &QToolButton::pressed, this, [this] { emit startFiletransfer(data.identifier); });
    connect(zipButton, &QToolButton::pressed, this, [this] { emit zipDataset(data.identifier, data.name); });
    connect(vtkButton, &QToolButton::pressed, this, [this] { emit exportDatasetToVTK(data.identifier, data.name); });
    connect(gridButton, &QToolButton::pressed, this, &DatasetWidget::showGridMenu);
}

int DatasetWidget::previewSide()
{
    // Two inches, as VIEW's 1.5, but a tile must fit a small screen at a high density
    // beside its texts.
    return std::min(inches(2), screenShortSide() / 5);
}

// The grid button opens its menu itself: as a plain icon button it keeps the others' size,
// without a menu arrow. The menu is made on the first press, so that listing many tiles does
// not pay for it.
void DatasetWidget::showGridMenu()
{
    if (!gridMenu) {
        gridMenu = new QMenu(gridButton);
        for (const SurveyFormatInfo& info : surveyFormats) {
            const int format = int(info.format);
            gridMenu->addAction(QCoreApplication::translate("SurveyFormat", info.title), this,
                                [this, format] { emit exportDatasetToGrid(data.identifier, data.name, format); });
        }
        gridMenu->addSeparator();
        for (const MapFormatInfo& info : mapFormats) {
            const int format = int(info.format);
            gridMenu->addAction(QCoreApplication::translate("SurveyFormat", info.title), this,
                                [this, format] { emit exportDatasetToMap(data.identifier, data.name, format); });
        }
    }
    gridMenu->popup(gridButton->mapToGlobal(QPoint(0, gridButton->height())));
}

bool DatasetWidget::isSelected() const
{
    return preview->overlayShown();
}

// The grey background comes from the style sheet of the column that shows the tiles.
QToolButton* DatasetWidget::iconButton(const QString& icon)
{
    auto* button = new QToolButton(this);
    button->setIcon(sharedIcon(icon));
    button->setMinimumSize(inches(0.45), inches(0.45));
    button->setIconSize(QSize(inches(0.4), inches(0.4)));
    return button;
}

// Heights from the font metrics: lines of the 9-point font and of the application font.
TileText* DatasetWidget::textBox(std::vector<TileText::Line> lines, int lines9pt, int linesAppFont)
{
    const int small = QFontMetrics(pointFont(font(), 9)).height();
    const int normal = QFontMetrics(font()).height();
    return new TileText(std::move(lines), lines9pt * small + linesAppFont * normal + 5, this);
}

void DatasetWidget::fillTexts()
{
    QFont bold = font();
    bold.setWeight(75);
    nameText = textBox({{data.name, bold}}, 0, 1);

    const QFont small = pointFont(font(), 9);
    dateText = textBox({{data.date.toString(QStringLiteral("dd.MM.yyyy")), small},
                        {data.time.toString(QStringLiteral("hh:mm:ss")), small}},
                       2, 0);

    const QFont heading = pointFont(font(), 10);
    // In the language's number format, as the edit dialog shows and reads them.
    const QLocale numbers = languageLocale();
    locationText = textBox({{data.location, font()},
                            {tr("Latitude"), heading},
                            {coordinateText(data.coordinate.latitude(), numbers), small},
                            {tr("Longitude"), heading},
                            {coordinateText(data.coordinate.longitude(), numbers), small}},
                           2, 3);
}

void DatasetWidget::buildLayout()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(separator);
    auto* row = new QHBoxLayout;
    outer->addLayout(row);
    row->addWidget(preview);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(viewButton);
    // One row of four where it takes at most a third of the screen's short side, else two rows.
    const int perRow = 4 * sendButton->minimumWidth() <= screenShortSide() / 3 ? 4 : 2;
    auto* icons = new QGridLayout;
    const std::array<QToolButton*, 4> iconButtons{sendButton, zipButton, vtkButton, gridButton};
    for (int i = 0; i < 4; ++i)
        icons->addWidget(iconButtons[std::size_t(i)], i / perRow, i % perRow);
    buttons->addLayout(icons);
    buttons->addStretch();
    row->addLayout(buttons);

    textLayout = new QBoxLayout(QBoxLayout::LeftToRight);
    row->addLayout(textLayout, 1);
    wideLayout = false;
    setWideLayout(true);
}

void DatasetWidget::setWideLayout(bool wide)
{
    if (wide == wideLayout)
        return;
    wideLayout = wide;
    while (QLayoutItem* item = textLayout->takeAt(0))
        delete item;
    textLayout->setDirection(wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    if (wide)
        textLayout->addStretch();
    textLayout->addWidget(nameText);
    textLayout->addWidget(dateText);
    textLayout->addWidget(locationText);
    if (!wide)
        textLayout->addStretch();
}
