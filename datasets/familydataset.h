#pragma once

#include "acquisition/probefamily.h"
#include "app/result.h"
#include "datasets/dataset.h"
#include "datasets/datasetmetadata.h"
#include "datasets/propertytable.h"

#include <QCoreApplication>
#include <memory>
#include <vector>

// Everything load() replaces at once, so that a failed load leaves the dataset untouched.
struct DatasetContent
{
    QString identifier;
    std::vector<std::vector<int16_t>> tracks;
    DatasetMetadata metadata;
    // Aligned with the family's property definitions.
    std::vector<QVariant> properties;
};

// The behaviour shared by the eight dataset families; each family only supplies its row of
// the family table and its descriptor list.
class FamilyDataset : public Dataset
{
    Q_DECLARE_TR_FUNCTIONS(Dataset)

public:
    FamilyDataset(const ProbeFamily& family, std::unique_ptr<DatasetProperties> descriptor);
    ~FamilyDataset() override;

    QVariant getProperty(const QString& key) const override;
    std::optional<QVariant> findProperty(const QString& key) const override;
    void setProperty(const QString& key, const QVariant& value) override;
    std::vector<int16_t> values() const override;
    QString id() const override;
    using Dataset::save;
    Outcome save(int previewColormap) override;
    Outcome load(const QString& id) override;
    QString name() const override;
    QDate date() const override;
    void setTime(const QTime& time) override;
    QTime time() const override;
    QString location() const override;
    QGeoCoordinate coordinate() const override;
    void setName(const QString& name) override;
    void setDate(const QDate& date) override;
    void setLocation(const QString& location) override;
    void setCoordinate(const QGeoCoordinate& coordinate) override;
    std::optional<int> bearing() const override;
    void setBearing(std::optional<int> degrees) override;

    // Names the dataset's files; anything but a dataset identifier is ignored. For tools that
    // must write the same files for the same input.
    void setIdentifier(const QString& id);

    // Commits a finished track. The first track fixes "rows"; later ones are resampled to it.
    void appendTrack(std::vector<int16_t> track);

    const DatasetProperties& properties() const { return *descriptor; }
    const ProbeFamily& family() const { return familyTable; }
    const DatasetMetadata& metadata() const { return content.metadata; }

    // For the store, which reads the files: the content that metadata object gives, with no
    // grid yet (logs "Set: <key>" for each property), and its declared grid size.
    DatasetContent contentFromMetadata(const QString& id, const QJsonObject& object) const;
    int declaredRows(const DatasetContent& stored) const { return stored.properties[size_t(rowsIndex)].toInt(); }
    int declaredColumns(const DatasetContent& stored) const { return stored.properties[size_t(columnsIndex)].toInt(); }
    void replaceContent(DatasetContent stored) { content = std::move(stored); }

private:
    int indexOf(const QString& key) const;
    int intProperty(int index) const { return content.properties[size_t(index)].toInt(); }
    void assign(DatasetContent& target, const QString& key, const QVariant& value) const;

    const ProbeFamily& familyTable;
    std::unique_ptr<DatasetProperties> descriptor;
    const std::vector<PropertyDefinition> definitions;
    const int rowsIndex;
    const int columnsIndex;
    DatasetContent content;
};
