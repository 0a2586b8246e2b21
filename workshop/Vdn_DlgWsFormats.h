#pragma once
// Vdn_DlgWsFormats: edits the paper formats of the workshop settings (template 345,
// "DLG_WS_FORMATS") in place, one format at a time. The opener sets settings_ (the settings
// being edited) and path_ (mFormats) and runs it modally. New, rename, remove and the scales
// take effect at once; the shown format's visibility and size are written when another format
// is shown, before every change of the list, and on OK. Without settings, or without formats,
// the format's controls are inert.

#include "platform/core/workshop/WsUiSettingPath.h"
#include "platform/ui/dialogs/CDialog.h"

class WsUiGlobalSettings;

class Vdn_DlgWsFormats : public CDialog {
public:
    static constexpr UINT IDD = 345;
    static constexpr int kFormatCombo = 2230;
    static constexpr int kNewButton = 2231;
    static constexpr int kDeleteButton = 2232;
    static constexpr int kFrame = 2233;
    static constexpr int kNameLabel = 2234;
    static constexpr int kRenameButton = 2235;
    static constexpr int kEnabledCheck = 2236;
    static constexpr int kWidthEdit = 2238;
    static constexpr int kHeightEdit = 2240;
    static constexpr int kScalesButton = 2242;
    static constexpr int kScalesSummary = 2243;

    explicit Vdn_DlgWsFormats(CWnd* parent = nullptr);

    WsUiGlobalSettings* settings_ = nullptr;
    WsUiSettingPath path_;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The index of the format shown, -1 when none.
    int shownIndex() const { return shown_; }

private:
    // Refills the list from the settings and shows entry index (the first one when index is
    // past the end).
    void fillFormats(int index);
    void showEntry(int index);
    void storeShown();
    // The path of setting name of the shown format.
    WsUiSettingPath shownPath(const wchar_t* name) const;
    void chooseFormat();
    void newFormat();
    void renameFormat();
    void deleteFormat();
    void changeScales();

    int shown_ = -1;
    Vdn_String shownName_;
};
