#pragma once

// The eight dataset families, for data-driven tests.

#include "datasets/familyclasses.h"

#include <QtTest>
#include <functional>
#include <memory>

using DatasetMaker = std::function<std::unique_ptr<FamilyDataset>()>;

template <typename T>
DatasetMaker makerOf()
{
    return [] { return std::make_unique<T>(); };
}

struct FamilyRow
{
    const char* name;
    DatasetMaker make;
    int probeId;
    bool byLength;           // "track width" present, "width" a float that follows the tracks
    int numberOfSensors;
    bool sensorControls;     // value of a new dataset
    bool sensorControlsSettable;
    bool logsFailedSet;
    const char* header;      // start of the value file
};

inline QList<FamilyRow> allFamilies()
{
    return {
        {"BrolSensor", makerOf<DataSetBrolSensor>(), 170, true, 1, false, false, false, "SV-Brol_Sensor 3D-File "},
        {"KM", makerOf<DataSetKM>(), 10, true, 0, false, false, false, "SV-KM 3D-File "},
        {"ZSeries", makerOf<DataSetZSeries>(), 1, false, 0, false, true, false, "SV-ZSeries 3D-File "},
        {"50Levelplane", makerOf<DataSet50Levelplane>(), 11, false, 0, false, true, false, "SV-50Levelplane 3D-File "},
        {"100Levelplane", makerOf<DataSet100Levelplane>(), 13, false, 0, false, true, false, "SV-100Levelplane 3D-File "},
        {"Spanwell", makerOf<DataSetSpanwell>(), 2, false, 1, true, false, true, "SV-Spanwell 3D-File "},
        {"SpanwellGen2", makerOf<DataSetSpanwellGen2>(), 3, false, 1, true, false, true, "SV-Spanwell 3D-File "},
        {"85Plumbset", makerOf<DataSet85Plumbset>(), 21, false, 1, true, false, true, "SV-85Plum.P 3D-File "},
    };
}

// One data row per family, with the column "family" indexing allFamilies().
inline void addFamilyRows()
{
    QTest::addColumn<int>("family");
    const QList<FamilyRow> families = allFamilies();
    for (int i = 0; i < families.size(); ++i)
        QTest::newRow(families[i].name) << i;
}

// The family of the running data row.
inline FamilyRow fetchedFamily()
{
    QFETCH(int, family);
    return allFamilies()[family];
}
