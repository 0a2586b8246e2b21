#include "macro/editor/CTabMacroCommands.h"

#include "macro/editor/CDlgEditMacro.h"
#include "platform/core/files/ProductFiles.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/windows/WinConstants.h"

#include <vector>

namespace {

struct Command {
    const wchar_t* bitmap; // null: none
    int label;             // 0: none
    bool shown;
};

constexpr Command kCommandTable[CTabMacroCommands::kCommands] = {
    {L"Parallel.bmp", 903, true},
    {L"Perpendicular.bmp", 904, true},
    {L"Coincident.bmp", 905, true},
    {L"Symmetric.bmp", 906, false},
    {L"Tangent.bmp", 907, true},
    {L"Concentric.bmp", 908, true},
    {L"EqualRadius.bmp", 909, true},
    {L"Distance.bmp", 910, true},
    {L"Angle.bmp", 911, true},
    {L"Radius.bmp", 912, true},
    {nullptr, 0, false},
    {L"AddModule.bmp", 913, true},
    {L"BoltPattern.bmp", 914, true},
    {L"CoordSys.bmp", 915, true},
};
// The bitmaps are drawn on silver, which shows through.
constexpr COLORREF kSilver = RGB(192, 192, 192);

CRect childRect(const CWnd& parent, const CWnd& child) {
    CRect rect;
    child.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    return rect;
}

} // namespace

CTabMacroCommands::CTabMacroCommands(CWnd* parent) : CDialog(IDD, parent) {
    onCommandRange(kFirstButton, kFirstButton + kCommands - 1, BN_CLICKED, [this](UINT id) {
        const int code = static_cast<int>(id) - kFirstButton;
        if (editor_ != nullptr && isShown(code))
            editor_->runMacroCommand(code);
    });
}

bool CTabMacroCommands::isShown(int code) {
    return code >= 0 && code < kCommands && kCommandTable[code].shown;
}

BOOL CTabMacroCommands::OnInitDialog() {
    CDialog::OnInitDialog();
    // The template's places, taken in order by the shown commands.
    std::vector<CRect> buttonPlaces;
    std::vector<CRect> labelPlaces;
    for (int i = 0; i < kCommands; ++i) {
        CWnd* button = GetDlgItem(kFirstButton + i);
        CWnd* label = GetDlgItem(kFirstLabel + i);
        if (button == nullptr || label == nullptr)
            return TRUE;
        buttonPlaces.push_back(childRect(*this, *button));
        labelPlaces.push_back(childRect(*this, *label));
    }
    std::size_t place = 0;
    for (int code = 0; code < kCommands; ++code) {
        CWnd* label = GetDlgItem(kFirstLabel + code);
        CButtonST& button = buttons_[code];
        button.SubclassDlgItem(kFirstButton + code, this);
        if (!kCommandTable[code].shown) {
            button.ShowWindow(SW_HIDE);
            label->ShowWindow(SW_HIDE);
            continue;
        }
        bitmaps_[code] = std::make_unique<CBitmap>();
        if (kCommandTable[code].bitmap != nullptr &&
            bitmaps_[code]->loadFromFile(
                core::productFile(Vdn_String(L"icons\\") + kCommandTable[code].bitmap)))
            button.SetBitmaps(bitmaps_[code]->GetSafeHandle(), kSilver);
        const Vdn_String text = dialString(kCommandTable[code].label);
        button.SetTooltipText(text.str());
        label->SetWindowText(text.str());
        button.MoveWindow(&buttonPlaces[place]);
        label->MoveWindow(&labelPlaces[place]);
        ++place;
    }
    return TRUE;
}
