#pragma once

// The numbered texts of the cut dialogs.
namespace cuts {

constexpr int kNewCutTitle = 20600;
constexpr int kEditCutTitle = 20601;
constexpr int kFirstTypeCaption = 20602; // types 1 to 6: 20602 to 20607
constexpr int kOffsetText = 20608;
constexpr int kLengthOffsetText = 20609;
constexpr int kCentreOffsetText = 20610;
constexpr int kInsideOffsetText = 20611;
constexpr int kOutsideOffsetText = 20612;
constexpr int kRadiusText = 20613;
constexpr int kParameterHeader = 20614;
constexpr int kInDialogHeader = 20615;
constexpr int kPlateFaceRadios = 20616; // type 1: 20616 to 20618
constexpr int kSegmentRadios = 20619;   // type 4: 20619 to 20621
constexpr int kExtendToPlate = 20622;   // check 1323, type 1
constexpr int kInnerClearance = 20623;  // check 1323, type 3
constexpr int kBevelFlanges = 20624;
constexpr int kBevelWeb = 20625;
constexpr int kSegmentsFirstNote = 20626; // type 4, first radio chosen
constexpr int kSegmentsOtherNote = 20627; // type 4, second radio chosen
constexpr int kTypeLabel = 20628;
constexpr int kDescriptionLabel = 20629;
constexpr int kModuleLabel = 20630;
constexpr int kThisMacro = 20631;
constexpr int kOtherMacro = 20632;
constexpr int kSelectMacro = 20633;
constexpr int kOptionsFrame = 20634;
constexpr int kStateLabel = 20635;
constexpr int kNoOptions = 20636;
constexpr int kCutCaption = 20637;
constexpr int kEmptyModule = 20638;
constexpr int kNameInUseBefore = 20639;
constexpr int kNameInUseAfter = 20640;
constexpr int kBadNames1 = 20641;
constexpr int kBadNames2 = 20642;
constexpr int kBadNames3 = 20643;
constexpr int kEmptyCutName = 20644;
constexpr int kProfCutsCaption = 20645;
constexpr int kRemoveCut = 20646;
constexpr int kOtherProfile = 20647;
constexpr int kShowPreview = 20648;
constexpr int kPickPrompt = 20649;
// Texts the dialogs share with others.
constexpr int kNameLabel = 1543;
constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kFirstCutState = 20041; // the four cut states, as the dialog designer lists them
constexpr int kCutStateCount = 4;

} // namespace cuts
