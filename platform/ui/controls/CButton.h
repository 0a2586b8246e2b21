#pragma once
// CButton: push, default push, check box (manual, auto, 3-state, auto 3-state), radio button
// (manual, auto) and group box, each also push-like (BS_PUSHLIKE). The type is the BS_TYPEMASK
// part of the style.
//
// A user click (button down and up) takes the focus, changes the check state by the button's
// auto behaviour (auto check box 0 <-> 1; auto 3-state 0 -> 1 -> 2 -> 0; auto radio: checked,
// the other auto radios of its group unchecked) and then sends BN_CLICKED. A double click
// sends BN_DOUBLECLICKED between its two clicks for radio buttons and BS_NOTIFY buttons.
// SetCheck never notifies.

#include "platform/ui/windows/CWnd.h"

class CButton : public CWnd {
public:
    CButton() = default;

    BOOL Create(const std::wstring& text, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // 0 unchecked, 1 checked, 2 indeterminate; always 0 for push buttons and group boxes.
    int GetCheck() const;
    // 2 counts as checked on a two-state check box or radio button.
    void SetCheck(int check);
    UINT GetButtonStyle() const { return GetStyle() & BS_TYPEMASK; }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const { return bitmap_; }
    HICON SetIcon(HICON icon);
    HICON GetIcon() const { return icon_; }

    bool isCheckBox() const;
    bool isRadioButton() const;
    bool isPushButton() const;
    bool isGroupBox() const { return GetButtonStyle() == BS_GROUPBOX; }

protected:
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnSetFocus(CWnd* oldWindow) override;
    void OnKillFocus(CWnd* newWindow) override;
    void takeOverState(CWnd& original) override;

    // The click itself: the auto behaviour, then BN_CLICKED. Derived buttons may refine it.
    virtual void clicked();

private:
    bool pressed_ = false;
    int check_ = 0;
    HBITMAP bitmap_ = nullptr;
    HICON icon_ = nullptr;
};
