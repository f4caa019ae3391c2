#pragma once

#include <QWidget>

class QPushButton;

// The library's action bar, shown while tiles are selected: edit, map and delete.
class BottomWidget : public QWidget
{
    Q_OBJECT
public:
    explicit BottomWidget(QWidget* parent = nullptr);
    // Edit and map act on one dataset only.
    void setSingleActionsVisible(bool visible);
    bool singleActionsVisible() const;

signals:
    void deleteDatasets();
    void editDataset();
    void showMapData();

private:
    QPushButton* actionButton(const QString& icon);

    QPushButton* editButton = nullptr;
    QPushButton* mapButton = nullptr;
    QPushButton* deleteButton = nullptr;
};
