#pragma once

#include "platform/core/text/Vdn_StringArray.h"

// The naming-item catalogue: properties of parts (codes 1 to 14, also the filter properties of
// groups) and properties of sheets (codes 101 to 108), each with a fixed description. File
// namings store the codes; the folder naming stores a description, so descriptions never
// change with the work language.
enum WsUiPrPlProperties {
    kPrPlName = 1,
    kPrPlMark = 2,
    kPrPlPosition = 3,
    kPrPlSection = 4,
    kPrPlMaterial = 5,
    kPrPlLength = 6,
    kPrPlWidth = 7,
    kPrPlThickness = 8,
    kPrPlWeight = 9,
    kPrPlQuantity = 10,
    kPrPlPhase = 11,
    kPrPlLayer = 12,
    kPrPlFinish = 13,
    kPrPlKind = 14,
};

enum WsUiSheetProperties {
    kSheetPageNumber = 101,
    kSheetName = 102,
    kSheetFormat = 103,
    kSheetScale = 104,
    kSheetDrawingNumber = 105,
    kSheetRevision = 106,
    kSheetProject = 107,
    kSheetDate = 108,
};

// The descriptions of the part properties, in code order.
Vdn_StringArray getAllPrPlDescs();
// The descriptions of the sheet properties, in code order.
Vdn_StringArray getAllSheetDescs();
// The description of a part or sheet property code; empty for an unknown code.
Vdn_String getDescFromEnum(int code);
// The code of a description (compared without regard to case), or -1.
int getEnumFromDesc(const Vdn_String& description);
// The display text of a filter property: its description, or "#<code>" for an unknown code.
Vdn_String getPrPlPropertyDesc(int code);

// Every naming item, as offered to the user: the part descriptions, then the sheet
// descriptions.
Vdn_StringArray getAllNamingDescs();
// The descriptions of a file naming's codes, in order, for the list the user edits. A code the
// catalogue does not know is shown as "#<code>", so that it survives an edit it takes no part
// in.
Vdn_StringArray getNamingDescs(const Vdn_Array<int>& codes);
// The codes of edited descriptions, in order (the reverse of getNamingDescs). False, with codes
// unchanged and the first description that is neither a naming item nor "#<code>" in unknown,
// when one is not.
bool getNamingCodes(const Vdn_StringArray& descriptions, Vdn_Array<int>& codes,
                    Vdn_String* unknown = nullptr);
