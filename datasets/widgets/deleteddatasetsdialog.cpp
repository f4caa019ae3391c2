#include "datasets/widgets/deleteddatasetsdialog.h"

#include "app/appsettings.h"
#include "app/messagebox.h"

#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScroller>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QPushButton* textButton(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    // Three side by side must fit a portrait screen at a high density.
    button->setMinimumSize(std::min(inches(1.5), screenShortSide() / 4), inches(0.5));
    button->setStyleSheet(QStringLiteral("background-color: #c6c6c6"));
    return button;
}
} // namespace

DeletedDatasetsDialog::DeletedDatasetsDialog(QWidget* parent)
    : QDialog(parent)
{
    list = new QListWidget(this);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setIconSize(QSize(inches(1.0), inches(1.0)));
    list->setSpacing(inches(0.05));
    // Dragged with a finger, like the library.
    QScroller::grabGesture(list->viewport(), QScroller::LeftMouseButtonGesture);
    emptyLabel = new QLabel(this);
    emptyLabel->setAlignment(Qt::AlignCenter);

    restoreButton = textButton(this);
    emptyButton = textButton(this);
    closeButton = textButton(this);
    connect(restoreButton, &QPushButton::clicked, this, &DeletedDatasetsDialog::restoreSelected);
    connect(emptyButton, &QPushButton::clicked, this, &DeletedDatasetsDialog::emptyAll);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(list, &QListWidget::itemSelectionChanged, this, &DeletedDatasetsDialog::updateButtons);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(std::min(inches(0.4), screenShortSide() / 40));
    buttons->addWidget(restoreButton);
    buttons->addWidget(emptyButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addWidget(emptyLabel, 1);
    layout->addLayout(buttons);

    resize(QSize(inches(6), inches(5)).boundedTo(QSize(screenShortSide(), screenShortSide())));
    retranslate();
    reload();
}

void DeletedDatasetsDialog::reload()
{
    entries = DatasetStore().trash();
    list->clear();
    for (const TrashEntry& entry : entries) {
        QPixmap preview(entry.previewPath);
        auto* item = new QListWidgetItem(QIcon(preview), entryText(entry), list);
        item->setSizeHint(QSize(0, list->iconSize().height() + inches(0.1)));
    }
    list->setVisible(!entries.empty());
    emptyLabel->setVisible(entries.empty());
    updateButtons();
}

QString DeletedDatasetsDialog::entryText(const TrashEntry& entry) const
{
    const DatasetRecord& record = entry.record;
    return record.name + QLatin1Char('\n') + record.date.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char(' ')
           + record.time.toString(QStringLiteral("hh:mm:ss")) + QLatin1Char('\n')
           + tr("Deleted %1").arg(entry.deletedAt.toLocalTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")));
}

void DeletedDatasetsDialog::updateButtons()
{
    restoreButton->setEnabled(!list->selectedItems().isEmpty());
    emptyButton->setEnabled(!entries.empty());
}

void DeletedDatasetsDialog::restoreSelected()
{
    int restored = 0;
    int failed = 0;
    for (const QListWidgetItem* item : list->selectedItems()) {
        const TrashEntry& entry = entries.at(std::size_t(list->row(item)));
        if (const Result<QString> back = DatasetStore().restore(entry); !back) {
            qWarning().noquote() << "Restore:" << back.failure().reason;
            ++failed;
        }
        else
            ++restored;
    }
    reload();
    if (restored > 0)
        emit datasetsRestored();
    if (failed > 0)
        MessageBox::warning(this, tr("Deleted Datasets"), tr("%n dataset(s) could not be restored.", nullptr, failed));
}

void DeletedDatasetsDialog::emptyAll()
{
    if (MessageBox::question(this, tr("Deleted Datasets"), tr("Delete every dataset in the trash for good?"))
        != MessageBox::Yes)
        return;
    const bool emptied = DatasetStore().emptyTrash().ok();
    reload();
    if (!emptied)
        MessageBox::warning(this, tr("Deleted Datasets"), tr("Some deleted datasets could not be removed."));
}

void DeletedDatasetsDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        reload();
    }
    QDialog::changeEvent(event);
}

void DeletedDatasetsDialog::retranslate()
{
    setWindowTitle(tr("Deleted Datasets"));
    emptyLabel->setText(tr("No deleted datasets."));
    restoreButton->setText(tr("RESTORE"));
    emptyButton->setText(tr("EMPTY TRASH"));
    closeButton->setText(tr("CLOSE"));
}
