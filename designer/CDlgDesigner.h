#pragma once
// CDlgDesigner: the window in which a user lays out a macro dialog over a picture: controls are
// selected, moved and sized with the mouse, their type, contents and combo list edited in the
// property panel, and designs opened, saved under a name and given a picture. Its size is kept
// under "DLG_DLGDESIGNER".

#include "designer/Vdn_DlgDesignerData.h"
#include "platform/host/CAcUiDialog.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/controls/CResizer.h"

#include <array>
#include <functional>
#include <vector>

class CDlgDesigner : public CAcUiDialog {
public:
    static constexpr UINT IDD = 227;
    static constexpr const wchar_t* kSizeKey = L"DLG_DLGDESIGNER";
    static constexpr int kFirstControlId = 33000;
    static constexpr int kLastControlId = 33099;
    static constexpr int kOpenButton = 1299;
    static constexpr int kSaveAsButton = 1302;
    static constexpr int kAddButton = 1300;
    static constexpr int kRemoveButton = 1301;
    static constexpr int kPictureButton = 1303;
    static constexpr int kWidthButton = 1306;
    static constexpr int kHeightButton = 1307;
    static constexpr int kCopyButton = 1199;
    static constexpr int kAlignButton = 1200;
    static constexpr int kSideBySideButton = 1201;
    static constexpr int kTypeCombo = 1005;
    static constexpr int kContentsEdit = 1304;
    static constexpr int kComboListEdit = 1305;
    static constexpr int kContentsLabel = 1016;
    static constexpr int kComboListLabel = 1017;
    static constexpr int kPanelLabel = 1015;

    explicit CDlgDesigner(CWnd* parent = nullptr);

    // In: the design file to open (may be empty, or a file not written yet).
    Vdn_String path_;

    Vdn_DlgDesignerData& design() { return design_; }
    bool isModified() const { return modified_; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // The buttons' work, also for code that drives the designer.
    bool openDesign();
    bool saveAs();
    bool choosePicture();
    // Ctrl+Z and Ctrl+Y: every editing operation, mouse work and panel edit can be taken back.
    bool undo();
    bool redo();

protected:
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnPaint() override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor) override;

private:
    using Snapshot = AcArray<Vdn_DesignerControl>;
    // Runs one editing step: the state before it is kept for undo when the step changed it.
    void edit(const std::function<bool()>& step);
    static bool same(const Snapshot& a, const Snapshot& b);
    void updateTitle();
    // Asks whether to save a modified design; false when the user cancelled.
    bool askToSave();
    // Tells the user that the design file at path could not be read, and why; the file is then
    // written over only after a question (mayWrite).
    void tellUnreadable(const Vdn_String& path, const Vdn_String& why);
    // False when path is the file that could not be read and the user would rather keep it.
    bool mayWrite(const Vdn_String& path);
    Vdn_String currentFolder() const;
    void repaint();

    Vdn_DlgDesignerData design_;
    // The last design file that could not be read; empty when there was none.
    Vdn_String unreadable_;
    bool modified_ = false;
    std::array<CButtonST, 8> imageButtons_;
    CResizer resizer_;
    CRect templateRect_;
    std::vector<Snapshot> undo_;
    std::vector<Snapshot> redo_;
};

// Opens the designer on a design, given by name (below the designer root folder, with or
// without ".txt") or by full path; true when it was closed with OK. A design file that exists
// but cannot be read is not opened: a message says why and the designer starts on a new design,
// which is saved over that file only when the user confirms it.
bool StartDlgDesigner(const Vdn_String& dialogName);
