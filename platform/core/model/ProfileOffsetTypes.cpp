#include "platform/core/model/ProfileOffsetTypes.h"

#include "platform/core/text/NumberedTexts.h"

namespace {

constexpr int kFirstOffsetTypeText = 20900;

} // namespace

namespace core {

int gridPointOfOffsetType(int offsetType) {
    for (std::size_t i = 0; i < kGridOffsetTypes.size(); ++i) {
        if (kGridOffsetTypes[i] == offsetType)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

int offsetTypeOfGridPoint(int gridPoint) {
    if (gridPoint < 1 || gridPoint > static_cast<int>(kGridOffsetTypes.size()))
        return -1;
    return kGridOffsetTypes[static_cast<std::size_t>(gridPoint - 1)];
}

} // namespace core

Vdn_StringArray getOffsetTypeStrings() {
    Vdn_StringArray names;
    for (int type = 0; type < core::kOffsetTypeCount; ++type)
        names.append(dialString(kFirstOffsetTypeText + type));
    return names;
}

int getDlgOffsetType(int offsetType) {
    return offsetType >= 0 && offsetType < core::kOffsetTypeCount ? offsetType
                                                                  : core::kOffsetTypeCount;
}

int getProfOffsetType(int index) {
    return index >= 0 && index < core::kOffsetTypeCount ? index : -1;
}
