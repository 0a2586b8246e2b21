#include "spreadsheet/genvars/CDlgGenVars.h"

#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/dialogs/DlgOpenMulti.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/genvars/GenVarFilter.h"

#include <utility>

namespace {

constexpr int kCaption = 1764;
constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kDwgFrameText = 1762;
constexpr int kStdFrameText = 1763;
constexpr int kAddText = 606;
constexpr int kRemoveText = 607;
constexpr int kUpTip = 173;
constexpr int kDownTip = 174;
constexpr UINT kUpIcon = 257;
constexpr UINT kDownIcon = 258;
constexpr int kNameHeader = 1543;
constexpr int kValueHeader = 86;
constexpr int kOverrideHeader = 1765;
constexpr int kFilterHeader = 347;
// Pixels of the columns; the filters, the longest texts, take what is left.
constexpr int kNameWidth = 140;
constexpr int kDwgValueWidth = 150;
constexpr int kStdValueWidth = 110;
constexpr int kOverrideWidth = 85;

using C = CResizer;

// Edges as the layout table of the dialog gives them.
constexpr C::CBorder kFromLeft{C::eFixed, C::IDC_MAIN, C::eLeft};
constexpr C::CBorder kFromTop{C::eFixed, C::IDC_MAIN, C::eTop};
constexpr C::CBorder kFromRight{C::eFixed, C::IDC_MAIN, C::eRight};
constexpr C::CBorder kFromBottom{C::eFixed, C::IDC_MAIN, C::eBottom};
constexpr C::CBorder kKeepWidth{C::eWidth};
constexpr C::CBorder kKeepHeight{C::eHeight};

constexpr C::CBorder fixedTo(UINT id, C::Side side) {
    return C::CBorder{C::eFixed, id, side};
}

} // namespace

CDlgGenVars::CDlgGenVars(CWnd* parent)
    : ResizableDialog(IDD, parent, kSizeKey),
      dwgGrid_({{kNameHeader, kNameWidth}, {kValueHeader, kDwgValueWidth}, {kFilterHeader, 0}}),
      stdGrid_({{kNameHeader, kNameWidth},
                {kValueHeader, kStdValueWidth},
                {kOverrideHeader, kOverrideWidth},
                {kFilterHeader, 0}}) {
    connectGrid(dwgGrid_, kDwgGrid, kDwgAdd, kDwgRemove, kDwgUp, kDwgDown);
    connectGrid(stdGrid_, kStdGrid, kStdAdd, kStdRemove, kStdUp, kStdDown);
}

void CDlgGenVars::connectGrid(GenVarGrid& grid, int gridId, int add, int remove, int up, int down) {
    GenVarGrid* target = &grid;
    onCommand(add, BN_CLICKED, [target] { target->addRow(); });
    onCommand(remove, BN_CLICKED, [target] { target->removeRow(); });
    onCommand(up, BN_CLICKED, [target] { target->moveUp(); });
    onCommand(down, BN_CLICKED, [target] { target->moveDown(); });
    onCommand(gridId, TSpread::kNotifyButtonClicked, [this, target] { chooseFilter(*target); });
    onCommand(gridId, TSpread::kNotifyDataChange, [target] { target->cellTyped(); });
}

Vdn_String CDlgGenVars::filterFolder() {
    return gSettings.libDir() + L"Macros\\";
}

BOOL CDlgGenVars::OnInitDialog() {
    CDialog::OnInitDialog();

    const std::array<C::CBorderInfo, 14> layout = {{
        {kDwgFrame, kFromLeft, kFromTop, kFromRight, {C::eProportional, C::IDC_MAIN, C::eBottom}},
        {kStdFrame, kFromLeft, fixedTo(kDwgFrame, C::eBottom), kFromRight, kFromBottom},
        {kDwgGrid, fixedTo(kDwgFrame, C::eLeft), fixedTo(kDwgFrame, C::eTop),
         fixedTo(kDwgFrame, C::eRight), fixedTo(kDwgFrame, C::eBottom)},
        {kStdGrid, fixedTo(kStdFrame, C::eLeft), fixedTo(kStdFrame, C::eTop),
         fixedTo(kStdFrame, C::eRight), fixedTo(kStdFrame, C::eBottom)},
        {kDwgAdd, kFromRight, fixedTo(kDwgFrame, C::eBottom), kKeepWidth, kKeepHeight},
        {kDwgRemove, kFromRight, fixedTo(kDwgFrame, C::eBottom), kKeepWidth, kKeepHeight},
        {kStdAdd, kFromRight, fixedTo(kStdGrid, C::eBottom), kKeepWidth, kKeepHeight},
        {kStdRemove, kFromRight, fixedTo(kStdGrid, C::eBottom), kKeepWidth, kKeepHeight},
        {kDwgUp, kFromRight, {C::eProportional, kDwgFrame, C::eTop}, kKeepWidth, kKeepHeight},
        {kDwgDown, kFromRight, {C::eProportional, kDwgFrame, C::eTop}, kKeepWidth, kKeepHeight},
        {kStdUp, kFromRight, {C::eProportional, kStdGrid, C::eTop}, kKeepWidth, kKeepHeight},
        {kStdDown, kFromRight, {C::eProportional, kStdGrid, C::eTop}, kKeepWidth, kKeepHeight},
        {IDOK, kFromLeft, kFromBottom, kKeepWidth, kKeepHeight},
        {IDCANCEL, kFromLeft, kFromBottom, kKeepWidth, kKeepHeight},
    }};
    followLayout(layout);
    // Never smaller than the template: its controls need that room.
    keepPresentSizeAsMinimum();

    dwgGrid_.attach(this, kDwgGrid);
    stdGrid_.attach(this, kStdGrid);

    const std::pair<int, int> moves[] = {
        {kDwgUp, kUpTip}, {kDwgDown, kDownTip}, {kStdUp, kUpTip}, {kStdDown, kDownTip}};
    for (std::size_t i = 0; i < moveButtons_.size(); ++i) {
        const auto [id, tip] = moves[i];
        attachIconButton(moveButtons_[i], this, id, tip == kUpTip ? kUpIcon : kDownIcon,
                         dialString(tip).str());
    }
    SetWindowText(dialString(kCaption).str());
    for (const auto& [id, text] :
         {std::pair{IDOK, kOkText}, std::pair{IDCANCEL, kCancelText},
          std::pair{kDwgFrame, kDwgFrameText}, std::pair{kStdFrame, kStdFrameText},
          std::pair{kDwgAdd, kAddText}, std::pair{kDwgRemove, kRemoveText},
          std::pair{kStdAdd, kAddText}, std::pair{kStdRemove, kRemoveText}})
        SetDlgItemText(id, dialString(text).str());

    dwgGrid_.fill({&data_.dwgGenVars(), &data_.dwgGenValues(), &data_.dwgGenFilters()});
    stdGrid_.fill({&data_.stdGenVars(), &data_.stdGenValues(), &data_.stdGenOverrides(),
                   &data_.stdGenFilters()});
    restoreSize();
    return TRUE;
}

void CDlgGenVars::chooseFilter(GenVarGrid& grid) {
    int col = 0;
    int row = 0;
    if (!grid.spread().SSGetActiveCell(col, row) || col != grid.buttonColumn())
        return; // a check box or another button: no filter button
    const Vdn_String folder = filterFolder();
    Vdn_StringArray chosen;
    if (!DlgOpenMulti(true, kFilterExtension, kFilterName, kFilterTitle, folder, chosen, this))
        return;
    Vdn_StringArray inside;
    for (const Vdn_String& path : chosen) {
        if (const auto relative = genvars::pathBelowFolder(path, folder))
            inside.append(*relative);
    }
    grid.appendToFilter(inside);
}

void CDlgGenVars::OnOK() {
    dwgGrid_.read({&data_.dwgGenVars(), &data_.dwgGenValues(), &data_.dwgGenFilters()});
    stdGrid_.read({&data_.stdGenVars(), &data_.stdGenValues(), &data_.stdGenOverrides(),
                   &data_.stdGenFilters()});
    CDialog::OnOK();
}
