#include "macro/settings/MappingChoices.h"

#include "platform/host/AcArray.h"
#include "spreadsheet/standards/MappingKinds.h"

namespace {

constexpr int kCategoryCount = 4;

} // namespace

MappingChoices::MappingChoices(Vdn_DbMacro* macro) {
    all_.initAllVarsFromMacro(macro, nullptr);
}

Vdn_String MappingChoices::entryText(const TfObjectMap& entry) {
    Vdn_String target = entry.objectName;
    if (!entry.name.isEmpty())
        target = target.isEmpty() ? entry.name : target + L"." + entry.name;
    Vdn_String text = ss::MappingKinds::keyword(entry.kind) + L" " + target;
    if (!entry.description.isEmpty())
        text = text + L" (" + entry.description + L")";
    return text;
}

MappingChoices::List MappingChoices::listFor(TfValueType type) const {
    AcArray<int> indexes;
    all_.getValidVars(false, type, indexes);
    AcArray<int> order;
    for (int category = 0; category < kCategoryCount; ++category)
        order.append(category);
    all_.sortValidVars(indexes, order);

    List list;
    list.items.append(Vdn_String());
    list.entries.append(-1);
    int group = -1;
    for (int i = 0; i < indexes.length(); ++i) {
        if (indexes[i] < 0) {
            ++group;
            if (i + 1 < indexes.length() && indexes[i + 1] >= 0) {
                list.items.append(TfObjectMap::categoryHeading(order[group]));
                list.entries.append(-1);
            }
            continue;
        }
        list.items.append(entryText(all_.mappedObjects()[indexes[i]]));
        list.entries.append(indexes[i]);
    }
    return list;
}

int MappingChoices::List::itemOf(int entry) const {
    if (entry < 0)
        return 0;
    const int item = entries.find(entry);
    return item < 0 ? 0 : item;
}
