#pragma once

#include <QString>

// Packs ID.s3d, ID.xml and ID.png of the dataset folder into a ZIP archive at `archivePath`,
// each under its bare file name. False when a file is missing or the archive cannot be written.
bool zipDatasetFiles(const QString& id, const QString& archivePath);
