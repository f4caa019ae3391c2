#pragma once

#include "datasets/datasetstore.h"

#include <QDialog>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

// The trash of deleted datasets: each entry with its preview, name, date and deletion time.
// RESTORE puts the selected entries back into the library, EMPTY TRASH deletes all for good.
class DeletedDatasetsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit DeletedDatasetsDialog(QWidget* parent = nullptr);

    // For the tests and the screenshots.
    QListWidget* entryList() const { return list; }
    QPushButton* restoreButtonWidget() const { return restoreButton; }
    QPushButton* emptyButtonWidget() const { return emptyButton; }

signals:
    // At least one dataset is back in the dataset folder (libraryDirty is set).
    void datasetsRestored();

public slots:
    void restoreSelected();
    void emptyAll();

protected:
    void changeEvent(QEvent* event) override;

private:
    void reload();
    void updateButtons();
    void retranslate();
    QString entryText(const TrashEntry& entry) const;

    std::vector<TrashEntry> entries;
    QListWidget* list = nullptr;
    QLabel* emptyLabel = nullptr;
    QPushButton* restoreButton = nullptr;
    QPushButton* emptyButton = nullptr;
    QPushButton* closeButton = nullptr;
};
