#pragma once
// Vdn_DlgWsFileNaming: edits one file-naming part of the workshop settings (template 344,
// "DLG_WS_FILENAMING"), the naming of DSTV or of DXF files, in place. The opener sets settings_
// (the settings being edited) and path_ (mDSTVFileNaming or mDXFFileNaming) and runs it
// modally. The naming items are changed at once through the list dialog; the page numbering,
// separator, truncation and folder are written on OK. Without settings the dialog is inert.

#include "platform/core/workshop/WsUiSettingPath.h"
#include "platform/ui/dialogs/CDialog.h"

class WsUiSettingsBase;

class Vdn_DlgWsFileNaming : public CDialog {
public:
    static constexpr UINT IDD = 344;
    static constexpr int kPageNumberingCheck = 2220;
    static constexpr int kNamingLabel = 2221;
    static constexpr int kNamingButton = 2222;
    static constexpr int kSeparatorEdit = 2224;
    static constexpr int kTruncateCheck = 2225;
    static constexpr int kFolderCombo = 2227;
    static constexpr int kNamingSummary = 2228;

    explicit Vdn_DlgWsFileNaming(CWnd* parent = nullptr);

    WsUiSettingsBase* settings_ = nullptr;
    WsUiSettingPath path_;

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    // "Sortering van pagina's" while pages are numbered, else "Creatie van de bestandsnamen".
    Vdn_String namingTitle() const;
    void showNamingTitle();
    void showNamingSummary();
    void changeNaming();
};
