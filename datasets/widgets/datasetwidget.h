#pragma once

#include "datasets/datasetrecord.h"
#include "datasets/widgets/tiletext.h"

#include <QString>
#include <QWidget>

class ImageLabel;
class QBoxLayout;
class QMenu;
class QPushButton;
class QToolButton;
class SeparatorWidget;

// One dataset of the library: its preview, the VIEW, send, ZIP and VTK buttons and the grid
// export menu, and its name,
// date and time, location and coordinates. A press on the preview toggles its selected look.
// The preview is read from its file when it is first painted.
class DatasetWidget : public QWidget
{
    Q_OBJECT
public:
    // Side of the preview picture, which the library's sort bar lines its buttons up past.
    static int previewSide();
    DatasetWidget(const DatasetRecord& record, const QString& previewPath, QWidget* parent = nullptr);

    const DatasetRecord& record() const { return data; }
    bool isSelected() const;
    // Wide: the text boxes side by side after a spacer; narrow: stacked.
    void setWideLayout(bool wide);

signals:
    void datasetSelected(QString id, int probeId);
    void imageSelected(QString id);
    void startFiletransfer(QString id);
    void zipDataset(QString id, QString name);
    void exportDatasetToVTK(QString id, QString name);
    // format: a SurveyFormat (datasets/surveyexport.h).
    void exportDatasetToGrid(QString id, QString name, int format);
    // format: a MapFormat (datasets/mapexport.h).
    void exportDatasetToMap(QString id, QString name, int format);

private:
    QToolButton* iconButton(const QString& icon);
    TileText* textBox(std::vector<TileText::Line> lines, int lines9pt, int linesAppFont);
    void fillTexts();
    void buildLayout();
    void showGridMenu();

    DatasetRecord data;
    SeparatorWidget* separator = nullptr;
    ImageLabel* preview = nullptr;
    QPushButton* viewButton = nullptr;
    QToolButton* sendButton = nullptr;
    QToolButton* zipButton = nullptr;
    QToolButton* vtkButton = nullptr;
    QToolButton* gridButton = nullptr;
    QMenu* gridMenu = nullptr;
    TileText* nameText = nullptr;
    TileText* dateText = nullptr;
    TileText* locationText = nullptr;
    QBoxLayout* textLayout = nullptr;
    bool wideLayout = true;
};
