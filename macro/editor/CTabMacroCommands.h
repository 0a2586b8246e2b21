#pragma once
// CTabMacroCommands: the commands page of the macro editor (template 380): fourteen picture
// buttons, the button's position its command code; the constraint commands 3 and the empty
// command 10 are not shown, and the shown ones close up.

#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/graphics/CBitmap.h"

#include <array>
#include <memory>

class CDlgEditMacro;

class CTabMacroCommands : public CDialog {
public:
    static constexpr UINT IDD = 380;
    static constexpr int kCommands = 14;
    static constexpr int kFirstButton = 2850;
    static constexpr int kFirstLabel = 2870;

    explicit CTabMacroCommands(CWnd* parent = nullptr);
    void attach(CDlgEditMacro* editor) { editor_ = editor; }

    BOOL OnInitDialog() override;
    static bool isShown(int code);

private:
    CDlgEditMacro* editor_ = nullptr;
    std::array<CButtonST, kCommands> buttons_;
    std::array<std::unique_ptr<CBitmap>, kCommands> bitmaps_;
};
