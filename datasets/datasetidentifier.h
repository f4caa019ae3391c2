#pragma once

#include <QString>
#include <QtGlobal>

// A new dataset identifier: a version-4 UUID from the operating system's random source,
// 36 lowercase characters without braces. It is also the base name of the dataset's files.
QString newDatasetIdentifier();

// The identifier for two given 64-bit draws: a carries the version nibble, b the variant bits.
QString datasetIdentifierFrom(quint64 a, quint64 b);

// Whether `text` has the form newDatasetIdentifier() gives: a lowercase version-4 UUID.
bool isDatasetIdentifier(const QString& text);
