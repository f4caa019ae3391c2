#include "datasets/widgets/datasetviewer.h"

#include "app/appsettings.h"
#include "datasets/datasetmetadata.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QVBoxLayout>

DatasetViewer::DatasetViewer(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    list = new QListWidget(this);
    layout->addWidget(list);
    connect(list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        emit datasetSelected(item->data(Qt::UserRole).toString(), item->data(Qt::UserRole + 1).toInt());
    });
}

void DatasetViewer::reloadDatasets()
{
    if (!libraryDirty)
        return;
    libraryDirty = false;
    list->clear();
    const QDir folder(documentsFolder());
    for (const QFileInfo& info : folder.entryInfoList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
        const DatasetMetadata metadata = readMetadataMembers(object);
        auto* item = new QListWidgetItem(metadata.name + "  " + metadata.date.toString(QStringLiteral("dd.MM.yyyy")), list);
        item->setData(Qt::UserRole, info.completeBaseName());
        item->setData(Qt::UserRole + 1, object.value(QStringLiteral("probe id")).toInt());
    }
}
