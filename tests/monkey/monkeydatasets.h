#pragma once

#include <QString>
#include <QStringList>

class MonkeyRandom;

namespace MonkeyDatasets {

// Saves a small dataset of the family `probeId` in the dataset folder; its identifier.
QString store(MonkeyRandom& random, int probeId, const QString& name);
// Moves dataset `id` out of the dataset folder into `folder` (a transfer peer's store).
void moveTo(const QString& id, const QString& folder);
// One line per metadata file in the dataset folder whose dataset is not whole: values or
// preview missing, or the family's dataset does not load it. Staged files are no datasets.
QStringList broken();

} // namespace MonkeyDatasets
