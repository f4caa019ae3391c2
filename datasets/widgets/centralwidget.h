#pragma once

#include <QWidget>
#include <vector>

class DatasetWidget;
class QVBoxLayout;

// The column of dataset tiles inside the library's scroll area.
class CentralWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CentralWidget(QWidget* parent = nullptr);
    // Replaces the page of the last listing by an empty one and returns it: the next listing's
    // tiles are made as its children (see startPage).
    QWidget* startPage();
    // Lays the tiles out top to bottom in this order and shows them.
    void setTiles(const std::vector<DatasetWidget*>& tiles);

private:
    QVBoxLayout* layout = nullptr;
    // The tiles of one listing live in a page of their own (see startPage).
    QWidget* page = nullptr;
    QVBoxLayout* pageLayout = nullptr;
};
