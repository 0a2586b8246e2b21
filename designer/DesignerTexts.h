#pragma once
// Numbers of the designer's numbered texts (a block of their own, see docs/resource-ids.md).

namespace designer {

// The caption of control type t is kTypeCaptionBase + t.
constexpr int kTypeCaptionBase = 20000;
// The third state of a check box, and the first entry of a cut combo.
constexpr int kUndeterminedText = 20040;
// The four states of a cut, after the undetermined entry.
constexpr int kCutStateBase = 20041;
constexpr int kCutStateCount = 4;
// The caption of a new control.
constexpr int kNewControlCaption = 20050;
// Contents labels, by what the contents name.
constexpr int kLabelCaption = 20051;
constexpr int kLabelVariable = 20052;
constexpr int kLabelBoltPattern = 20053;
constexpr int kLabelProfileGroup = 20054;
constexpr int kLabelArray = 20055;
constexpr int kLabelCut = 20056;
constexpr int kLabelFlexButton = 20057;
// Combo-list labels.
constexpr int kListGatingCell = 20060;
constexpr int kListItemFile = 20061;
constexpr int kListEntryIndex = 20062;
constexpr int kListFolder = 20063;
constexpr int kListFlexFields = 20064; // three texts: 20064 to 20066
constexpr int kListCalcFields = 20067; // four texts: 20067 to 20070
constexpr int kListCalcNoDivisorThird = 20071;
// The size prompts.
constexpr int kWidthCaption = 20072;
constexpr int kWidthLabel = 20073;
constexpr int kHeightCaption = 20074;
constexpr int kHeightLabel = 20075;
// The designer window.
constexpr int kDesignerTitle = 20080;
constexpr int kSaveQuestion = 20081;
constexpr int kDesignerCaption = 20082;
constexpr int kDesignFilter = 20083;
constexpr int kPictureFilter = 20084;
constexpr int kPropertiesLabel = 20085;
constexpr int kButtonTipBase = 20086; // eight tooltips, in the order of the image buttons
constexpr int kNoMoreControls = 20094;
// A design file that cannot be read, and the question before it is saved over.
constexpr int kUnreadableDesign = 20095;
constexpr int kReplaceUnreadable = 20096;

// The icon of flex buttons.
constexpr unsigned kFlexIcon = 239;

} // namespace designer
