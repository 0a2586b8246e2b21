#include "platform/ui/dialogs/DlgSize.h"

#include "platform/ui/registry/RegistryProfile.h"
#include "platform/ui/windows/CWnd.h"

namespace {

constexpr int kLargestSide = 32767;
constexpr const wchar_t* kWidth = L"Width";
constexpr const wchar_t* kHeight = L"Height";
constexpr int kMissing = -1;

ui::RegistryProfile dialogSizes() {
    return ui::RegistryProfile(L"Tessaform", L"Dialogs");
}

bool isValidSide(int side) {
    return side >= 1 && side <= kLargestSide;
}

} // namespace

bool getDlgSize(const Vdn_String& key, int& width, int& height) {
    if (key.isEmpty())
        return false;
    const ui::RegistryProfile profile = dialogSizes();
    const int storedWidth = static_cast<int>(profile.GetProfileInt(key.c_str(), kWidth, kMissing));
    const int storedHeight =
        static_cast<int>(profile.GetProfileInt(key.c_str(), kHeight, kMissing));
    if (!isValidSide(storedWidth) || !isValidSide(storedHeight))
        return false;
    width = storedWidth;
    height = storedHeight;
    return true;
}

void getSafeDlgSize(const Vdn_String& key, int& width, int& height, int defaultWidth,
                    int defaultHeight) {
    if (!getDlgSize(key, width, height)) {
        width = defaultWidth;
        height = defaultHeight;
    }
}

bool ChangeDlgSize(CWnd* dialog, const Vdn_String& key, bool keepCentre) {
    int width = 0;
    int height = 0;
    if (!dialog || !dialog->GetSafeHwnd() || !getDlgSize(key, width, height))
        return false;
    if (!keepCentre)
        return dialog->SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    // MoveWindow takes a child's position in its parent's client area.
    CRect rect;
    dialog->GetWindowRect(&rect);
    if ((dialog->GetStyle() & WS_CHILD) != 0 && dialog->GetParent())
        dialog->GetParent()->ScreenToClient(&rect);
    const int left = rect.left + (rect.Width() - width) / 2;
    const int top = rect.top + (rect.Height() - height) / 2;
    dialog->MoveWindow(left, top, width, height);
    return true;
}

bool WriteDlgSize(CWnd* dialog, const Vdn_String& key) {
    if (!dialog || !dialog->GetSafeHwnd() || key.isEmpty())
        return false;
    CRect rect;
    dialog->GetWindowRect(&rect);
    if (!isValidSide(rect.Width()) || !isValidSide(rect.Height()))
        return false;
    ui::RegistryProfile profile = dialogSizes();
    const int previousWidth =
        static_cast<int>(profile.GetProfileInt(key.c_str(), kWidth, kMissing));
    if (!profile.WriteProfileInt(key.c_str(), kWidth, rect.Width()))
        return false;
    if (profile.WriteProfileInt(key.c_str(), kHeight, rect.Height()))
        return true;
    // Never leave a new width beside an old height.
    if (previousWidth == kMissing)
        profile.WriteProfileString(key.c_str(), kWidth, nullptr);
    else
        profile.WriteProfileInt(key.c_str(), kWidth, previousWidth);
    return false;
}
