#pragma once

#include "app/colormap.h"
#include "app/result.h"

#include <QDate>
#include <QGeoCoordinate>
#include <QString>
#include <QTime>
#include <QVariant>
#include <cstdint>
#include <optional>
#include <vector>

// One survey of a field: a grid of signed 16-bit readings, walked as tracks (columns of
// "rows" values each), with its metadata and named properties. Every probe family has its
// own concrete class; the rest of the program uses them through this interface.
//
// Grid convention: values() holds all tracks in walking order, each track in row order;
// "start index" and "parallel" say where each value lies on the ground
// (datasets/groundposition.h).
//
// Each concrete class also has the non-virtual appendTrack(std::vector<int16_t>), through
// which the family's recorder commits every finished track.
class Dataset
{
public:
    virtual ~Dataset() = default;

    // The value of a property of the family's list (int, float or bool QVariant).
    // Throws std::runtime_error("Property retrieval failed") for any other key.
    virtual QVariant getProperty(const QString& key) const = 0;
    // The same for a key that a family may lack: nothing instead of an exception.
    virtual std::optional<QVariant> findProperty(const QString& key) const = 0;
    // Takes the value with toInt/toFloat/toBool as the property's type needs. Keys that are
    // constants of the family are accepted and change nothing. Throws
    // std::runtime_error("setting Property failed") for a key outside the family's list.
    virtual void setProperty(const QString& key, const QVariant& value) = 0;
    // columns × rows values, track after track.
    virtual std::vector<int16_t> values() const = 0;
    virtual QString id() const = 0;
    // Writes the dataset's three files into the dataset folder, a new preview coloured with
    // colour map `previewColormap`. Succeeds only when all of them were written; an empty
    // dataset (no rows, no columns) writes nothing and fails.
    virtual Outcome save(int previewColormap) = 0;
    // The same with the default colour map, for tools and tests.
    Outcome save() { return save(int(ColormapId::Jet)); }
    // Replaces identifier, metadata, properties and grid by the stored dataset `id`. On any
    // failure the dataset stays as it was; the failure says why.
    virtual Outcome load(const QString& id) = 0;
    virtual QString name() const = 0;
    virtual QDate date() const = 0;
    virtual void setTime(const QTime& time) = 0;
    virtual QTime time() const = 0;
    virtual QString location() const = 0;
    virtual QGeoCoordinate coordinate() const = 0;
    virtual void setName(const QString& name) = 0;
    virtual void setDate(const QDate& date) = 0;
    virtual void setLocation(const QString& location) = 0;
    virtual void setCoordinate(const QGeoCoordinate& coordinate) = 0;
    // The compass direction of the first track, whole degrees clockwise from north (0 to 359);
    // nothing when it is not known.
    virtual std::optional<int> bearing() const = 0;
    virtual void setBearing(std::optional<int> degrees) = 0;
};
