#pragma once
// The numbered texts of the macro dialog and its pages, and the fixed item lists they show.

#include "platform/core/text/Vdn_StringArray.h"

namespace macropage {

constexpr int kPatternButtonText = 1324; // a pattern's button cell in the grid
constexpr int kSelectSectionText = 20950;
constexpr int kAdvancedText = 20951;
constexpr int kArrayButtonText = 20952;
constexpr int kCalcCaption = 20953;
constexpr int kCalcLabel = 20954;
constexpr int kAssemblyLabel = 20955;
constexpr int kDiameterLabel = 20956;
constexpr int kBoltButtonText = 20957;
constexpr int kNameHeader = 20958;
constexpr int kValueHeader = 20959;
constexpr int kGroupLabel = 20960;
constexpr int kProfileLabel = 20961;
constexpr int kSectionLabel = 20962;
constexpr int kOffsetTypeLabel = 20963;
constexpr int kBasePlaneLabel = 20964;
constexpr int kRotationLabel = 20965;
constexpr int kSegmentedText = 20966;
constexpr int kAllProfilesText = 20967;
constexpr int kFirstBasePlane = 20968; // 20968 - 20970: no plane, own system, picked
constexpr int kSelectMacrosTip = 20975;
constexpr int kFirstViewTip = 20976; // 20976 - 20979: the four views
constexpr int kLoadFromStandardsTip = 20980;
constexpr int kLoadPropertiesTip = 20981;
constexpr int kSavePropertiesTip = 20982;
constexpr int kClashCheckTip = 20983;
constexpr int kReApplyText = 20984;
constexpr int kCloseText = 20985;
constexpr int kLoadReportFirst = 20986; // 20986 - 20989: the load report around the count
constexpr int kPropertiesCaption = 20990;
constexpr int kRefusedCaption = 20991;
constexpr int kBadFileName = 20992;

// The offset types followed by the undetermined text, as the offset-type combos list them.
Vdn_StringArray offsetTypeItems();
// The item showing a placement's offset type.
Vdn_String offsetTypeText(int offsetType);
// "0°", "90°", "180°", "270°" and the undetermined text.
Vdn_StringArray rotationItems();
// "90°" for 90; the undetermined text for -1.
Vdn_String rotationText(int rotation);

} // namespace macropage
