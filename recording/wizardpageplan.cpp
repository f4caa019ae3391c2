#include "recording/wizardpageplan.h"

namespace WizardPagePlan {

std::vector<Page> plan(const QList<PropertyEntry>& entries)
{
    std::vector<Page> pages;
    for (const PropertyEntry& entry : entries) {
        // PropertyEntry keeps the mode in its second member.
        if (entry.key.contains(QLatin1String("field dimension input")))
            pages.push_back({PageKind::FieldDimension, entry.type});
        if (entry.key.contains(QLatin1String("walking direction input")))
            pages.push_back({PageKind::WalkingDirection, QString()});
    }
    return pages;
}

bool showsWidthRow(const QString& mode)
{
    return !mode.contains(QLatin1String("length"));
}

bool showsLengthRow(const QString& mode)
{
    return !mode.contains(QLatin1String("width"));
}

} // namespace WizardPagePlan
