#pragma once

#include <QString>

// Export targets are named after the dataset, whose name may come from another instance.
// The base name keeps the name's characters except path separators, control characters and
// those that common file systems refuse (<>:"|?*), which become '_'; it drops leading and
// trailing blanks and dots, and is at most 120 characters. A name left empty gives the
// identifier (cleaned the same way), and failing that "dataset".
QString exportBaseName(const QString& name, const QString& id);

// folder/base + extension, or the first folder/base + "(n)" + extension (n = 1, 2, ...)
// that does not exist yet. `extension` includes its dot.
QString freeExportPath(const QString& folder, const QString& base, const QString& extension);

// The user's download folder, created when missing.
QString downloadFolder();
