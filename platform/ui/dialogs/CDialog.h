#pragma once
// CDialog: a window built from a dialog template (ui::TemplateLibrary).
//
// DoModal instantiates the template (controls included), calls OnInitDialog and, unless the
// dialog already ended there, hands it to the current ui::User, who acts on it until
// EndDialog; then the window is destroyed and the EndDialog result returned (-1 when the
// template is missing). Create makes a modeless dialog, visible when its template has
// WS_VISIBLE. BN_CLICKED from IDOK / IDCANCEL reaches OnOK / OnCancel unless a handler is
// registered for it; WM_CLOSE reaches OnCancel.

#include "platform/ui/windows/CWnd.h"

#include <string>

namespace ui {
struct DialogTemplate;
}

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    // By template name ("DLG_SS_STRINGARRAY").
    explicit CDialog(const std::wstring& templateName, CWnd* parent = nullptr);
    ~CDialog() override;

    // Modal run; IDOK / IDCANCEL / the EndDialog value, -1 when the template is missing or the
    // dialog is already created.
    virtual INT_PTR DoModal();
    // Modeless creation from a template; false (and a diagnostic) when it is missing.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL Create(const std::wstring& templateName, CWnd* parent = nullptr);
    // Ends the modal loop with `result`; a modeless dialog is hidden (as in Win32).
    void EndDialog(int result);

    // Focus to the next / previous tab stop, or to a given control.
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);

    // The default push button id: the BS_DEFPUSHBUTTON control, else IDOK.
    DWORD GetDefID() const;
    void SetDefID(UINT id);

    UINT templateId() const { return templateId_; }
    const std::wstring& templateName() const { return templateName_; }
    // The template this dialog was (or will be) built from, or null when unknown.
    const ui::DialogTemplate* dialogTemplate() const;
    bool isModal() const { return modal_; }
    // True from EndDialog until the next DoModal / Create.
    bool hasEnded() const { return ended_; }
    int endResult() const { return result_; }

    // Return FALSE when the dialog set the focus itself.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnClose() override;

private:
    bool build(CWnd* parent);

    UINT templateId_ = 0;
    std::wstring templateName_;
    CWnd* parentArg_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    int result_ = 0;
    UINT defId_ = 0;
};
