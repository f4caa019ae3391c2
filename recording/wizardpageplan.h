#pragma once

#include "datasets/datasetproperties.h"

#include <QList>
#include <QString>
#include <vector>

// Which pages the recording wizard builds from a probe's field dimension entries.
namespace WizardPagePlan {

enum class PageKind { FieldDimension, WalkingDirection };

struct Page
{
    PageKind kind;
    QString mode;   // the entry's mode; only the field dimension page uses it
};

// One page per entry whose key names a page kind, in order; a key naming both kinds
// yields the field dimension page first.
std::vector<Page> plan(const QList<PropertyEntry>& entries);

// Mode "length" leaves out the width row, mode "width" the length row.
bool showsWidthRow(const QString& mode);
bool showsLengthRow(const QString& mode);

} // namespace WizardPagePlan
