#include "macro/dialog/MacroPageTexts.h"

#include "designer/Vdn_DlgDesignerData.h"
#include "platform/core/model/ProfileOffsetTypes.h"
#include "platform/core/text/NumberedTexts.h"

namespace macropage {

Vdn_StringArray offsetTypeItems() {
    Vdn_StringArray items = getOffsetTypeStrings();
    items.append(Vdn_DlgDesignerData::undeterminedText());
    return items;
}

Vdn_String offsetTypeText(int offsetType) {
    const Vdn_StringArray items = offsetTypeItems();
    const int item = getDlgOffsetType(offsetType);
    return items.isValidIndex(item) ? items[item] : Vdn_DlgDesignerData::undeterminedText();
}

Vdn_StringArray rotationItems() {
    Vdn_StringArray items;
    for (const int degrees : {0, 90, 180, 270})
        items.append(rotationText(degrees));
    items.append(Vdn_DlgDesignerData::undeterminedText());
    return items;
}

Vdn_String rotationText(int rotation) {
    if (rotation < 0)
        return Vdn_DlgDesignerData::undeterminedText();
    return Vdn_String(rotation) + L"\u00B0";
}

} // namespace macropage
