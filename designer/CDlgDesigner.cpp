#include "designer/CDlgDesigner.h"

#include "designer/DesignerTexts.h"
#include "module/ModalLauncher.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/dialogs/CFileDialog.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/graphics/CDC.h"
#include "platform/ui/graphics/CPaintDC.h"
#include "platform/ui/graphics/WinGdi.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WinConstants.h"

#include <filesystem>
#include <system_error>

namespace {

struct ImageButton {
    int id;
    UINT icon;
};

// The image buttons in the order of their tooltips (text kButtonTipBase + position).
constexpr std::array<ImageButton, 8> kImageButtons = {{
    {CDlgDesigner::kOpenButton, 300},
    {CDlgDesigner::kSaveAsButton, 301},
    {CDlgDesigner::kAddButton, 302},
    {CDlgDesigner::kRemoveButton, 303},
    {CDlgDesigner::kPictureButton, 304},
    {CDlgDesigner::kWidthButton, 305},
    {CDlgDesigner::kHeightButton, 306},
    {CDlgDesigner::kCopyButton, 307},
}};

// Everything on the right follows the right edge; OK follows the bottom right corner.
CResizer::CBorderInfo rightSide(UINT id) {
    return {id,
            {CResizer::eWidth},
            {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eTop},
            {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight},
            {CResizer::eHeight}};
}

} // namespace

CDlgDesigner::CDlgDesigner(CWnd* parent) : CAcUiDialog(IDD, parent) {
    onCommand(kOpenButton, BN_CLICKED, [this] { openDesign(); });
    onCommand(kSaveAsButton, BN_CLICKED, [this] { saveAs(); });
    onCommand(kAddButton, BN_CLICKED, [this] {
        if (design_.getNrControls() > kLastControlId - kFirstControlId) {
            // Every id of the range is taken: a control without one could not be used.
            MessageBox(dialString(designer::kNoMoreControls).str(),
                       dialString(designer::kDesignerCaption).str(), MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        edit([this] {
            if (!design_.addNewControl(ctVarEdit)) {
                return false;
            }
            // The new control is selected, so that its panel can be filled at once.
            design_.selectCtrls({design_.getControl(design_.getNrControls() - 1)->resourceId});
            design_.updatePropsOfCurSel();
            return true;
        });
    });
    onCommand(kRemoveButton, BN_CLICKED, [this] {
        edit([this] {
            if (!design_.removeCurControls()) {
                return false;
            }
            design_.updatePropsOfCurSel();
            repaint();
            return true;
        });
    });
    onCommand(kPictureButton, BN_CLICKED, [this] { choosePicture(); });
    onCommand(kWidthButton, BN_CLICKED,
              [this] { edit([this] { return design_.changeCtrlSize(true); }); });
    onCommand(kHeightButton, BN_CLICKED,
              [this] { edit([this] { return design_.changeCtrlSize(false); }); });
    onCommand(kCopyButton, BN_CLICKED, [this] { edit([this] { return design_.copyCurCtrls(); }); });
    onCommand(kAlignButton, BN_CLICKED,
              [this] { edit([this] { return design_.outlineCurCtrls(); }); });
    onCommand(kSideBySideButton, BN_CLICKED,
              [this] { edit([this] { return design_.stickRightCurCtrls(); }); });
    onCommand(kTypeCombo, CBN_SELCHANGE, [this] {
        edit([this] {
            design_.propsOfCurSelUpdated();
            design_.updatePropsOfCurSel();
            return true;
        });
    });
    onCommand(kContentsEdit, EN_CHANGE, [this] {
        edit([this] {
            design_.propsOfCurSelUpdated();
            return true;
        });
    });
    onCommand(kComboListEdit, EN_CHANGE, [this] {
        edit([this] {
            design_.propsOfCurSelUpdated();
            return true;
        });
    });
}

BOOL CDlgDesigner::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    design_.initialize(this, kFirstControlId, kLastControlId, kTypeCombo, kContentsLabel,
                       kContentsEdit, kComboListLabel, kComboListEdit, true);
    for (std::size_t i = 0; i < kImageButtons.size(); ++i)
        attachIconButton(imageButtons_[i], this, kImageButtons[i].id, kImageButtons[i].icon,
                         dialString(designer::kButtonTipBase + static_cast<int>(i)).str());
    SetDlgItemText(kPanelLabel, dialString(designer::kPropertiesLabel).str());
    GetClientRect(&templateRect_);
    std::vector<CResizer::CBorderInfo> layout;
    for (const ImageButton& button : kImageButtons) {
        layout.push_back(rightSide(static_cast<UINT>(button.id)));
    }
    for (const int id : {kAlignButton, kSideBySideButton, kPanelLabel, kTypeCombo, kContentsLabel,
                         kContentsEdit, kComboListLabel, kComboListEdit}) {
        layout.push_back(rightSide(static_cast<UINT>(id)));
    }
    layout.push_back(CResizer::keptBottomRight(IDOK));
    resizer_.Init(this, nullptr, layout);
    ChangeDlgSize(this, kSizeKey);
    if (!path_.isEmpty() && core::fileExists(path_)) {
        Vdn_String why;
        if (design_.readFromFile(path_, true, &why)) {
            design_.redrawAllControls();
        } else {
            // Opened as an empty design, it would be saved over the file it could not read: the
            // user hears why, and the designer starts on a new design without a name.
            tellUnreadable(path_, why);
        }
    }
    design_.updatePropsOfCurSel();
    modified_ = false;
    updateTitle();
    repaint();
    return TRUE;
}

void CDlgDesigner::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    design_.removeAllDrawnCtrls();
    CAcUiDialog::OnDestroy();
}

void CDlgDesigner::OnSize(UINT type, int cx, int cy) {
    CAcUiDialog::OnSize(type, cx, cy);
    resizer_.Move();
}

void CDlgDesigner::updateTitle() {
    Vdn_String title = dialString(designer::kDesignerTitle);
    if (!design_.name().isEmpty()) {
        title = title + L" - <" + design_.name() + L">";
    }
    SetWindowText(title.str());
}

void CDlgDesigner::repaint() {
    Invalidate();
    UpdateWindow();
}

Vdn_String CDlgDesigner::currentFolder() const {
    if (design_.name().isEmpty()) {
        return Vdn_DlgDesignerData::getDesignerRootFolder();
    }
    return getPath(Vdn_DlgDesignerData::getDesignerRootFolder() + design_.name());
}

void CDlgDesigner::tellUnreadable(const Vdn_String& path, const Vdn_String& why) {
    unreadable_ = path;
    const Vdn_String message = dialString(designer::kUnreadableDesign) + L":\n" +
                               core::fromNativePath(core::toNativePath(path)) + L"\n" + why;
    MessageBox(message.str(), dialString(designer::kDesignerCaption).str(),
               MB_OK | MB_ICONEXCLAMATION);
}

bool CDlgDesigner::mayWrite(const Vdn_String& path) {
    if (unreadable_.isEmpty()) {
        return true;
    }
    const auto target = core::resolveExistingFile(path);
    const auto damaged = core::resolveExistingFile(unreadable_);
    std::error_code error;
    if (!target || !damaged || !std::filesystem::equivalent(*target, *damaged, error)) {
        return true;
    }
    // What could not be read may still be worth mending by hand: it is replaced only on a Yes,
    // which is not the default answer.
    const Vdn_String question = dialString(designer::kReplaceUnreadable) + L"\n<" +
                                core::fromNativePath(core::toNativePath(path)) + L">";
    if (MessageBox(question.str(), dialString(designer::kDesignerCaption).str(),
                   MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES) {
        return false;
    }
    unreadable_ = Vdn_String(); // given up by the user: it is asked once
    return true;
}

bool CDlgDesigner::askToSave() {
    if (!modified_) {
        return true;
    }
    const Vdn_String question =
        dialString(designer::kSaveQuestion) + L"\n<" + design_.name() + L">";
    const int answer = MessageBox(question.str(), dialString(designer::kDesignerCaption).str(),
                                  MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) {
        return false;
    }
    if (answer == IDYES) {
        if (design_.name().isEmpty()) {
            return saveAs();
        }
        const Vdn_String path =
            Vdn_DlgDesignerData::getDesignerRootFolder() + design_.name() + L".txt";
        if (!mayWrite(path) || !design_.writeToFile(path)) {
            return false; // not saved: the window stays open with the design
        }
        modified_ = false;
    }
    return true;
}

bool CDlgDesigner::openDesign() {
    if (!askToSave()) {
        return false;
    }
    const std::wstring filter = dialString(designer::kDesignFilter).str() + L" (*.txt)|*.txt||";
    CFileDialog dialog(TRUE, L"txt", L"", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, filter, this);
    dialog.m_ofn.lpstrInitialDir = currentFolder().str();
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    design_.removeAllDrawnCtrls();
    Vdn_String why;
    if (!design_.readFromFile(Vdn_String(dialog.GetPathName()), true, &why)) {
        // Outside the designer's folder, or not a design: the old design stays.
        design_.redrawAllControls();
        tellUnreadable(Vdn_String(dialog.GetPathName()), why);
        return false;
    }
    design_.redrawAllControls();
    path_ = Vdn_String(dialog.GetPathName());
    modified_ = false;
    // Another design: nothing of the last one can be taken back into it.
    undo_.clear();
    redo_.clear();
    design_.updatePropsOfCurSel();
    updateTitle();
    repaint();
    return true;
}

bool CDlgDesigner::saveAs() {
    const std::wstring filter = dialString(designer::kDesignFilter).str() + L" (*.txt)|*.txt||";
    CFileDialog dialog(FALSE, L"txt", design_.name().str(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       filter, this);
    dialog.m_ofn.lpstrInitialDir = currentFolder().str();
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    const Vdn_String path(dialog.GetPathName());
    if (!mayWrite(path) || !design_.writeToFile(path)) {
        return false; // nothing written (outside the designer's folder, or kept): still modified
    }
    path_ = path;
    modified_ = false;
    updateTitle();
    return true;
}

bool CDlgDesigner::choosePicture() {
    if (design_.name().isEmpty() && !saveAs()) {
        return false;
    }
    const std::wstring filter = dialString(designer::kPictureFilter).str() + L" (*.bmp)|*.bmp||";
    CFileDialog dialog(TRUE, L"bmp", L"", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, filter, this);
    dialog.m_ofn.lpstrInitialDir = Vdn_DlgDesignerData::getDesignerRootFolder().str();
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    const Vdn_String target =
        Vdn_DlgDesignerData::getDesignerRootFolder() + design_.name() + L".bmp";
    const auto source = core::resolveExistingFile(Vdn_String(dialog.GetPathName()));
    // A picture that does not decode is refused before it replaces a good one.
    if (!source || !ui::Bitmap::load(Vdn_String(dialog.GetPathName())).ok()) {
        return false;
    }
    const std::filesystem::path destination = core::resolveForWriting(target);
    std::error_code error;
    if (*source != destination) {
        std::filesystem::copy_file(*source, destination,
                                   std::filesystem::copy_options::overwrite_existing, error);
    }
    if (error) {
        return false;
    }
    design_.attachBitmap(target);
    design_.redrawAllControls();
    modified_ = true;
    repaint();
    return true;
}

void CDlgDesigner::OnOK() {
    if (!askToSave()) {
        return;
    }
    EndDialog(IDOK);
}

void CDlgDesigner::OnCancel() {
    // The close box closes as OK does (with the question); Escape never reaches here.
    OnOK();
}

BOOL CDlgDesigner::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
        return TRUE; // Escape would throw the layout away
    }
    if (msg->message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 &&
        (msg->wParam == 'Z' || msg->wParam == 'Y')) {
        if (msg->wParam == 'Z') {
            undo();
        } else {
            redo();
        }
        return TRUE;
    }
    return CAcUiDialog::PreTranslateMessage(msg);
}

void CDlgDesigner::OnLButtonDown(UINT flags, CPoint point) {
    edit([&] {
        design_.OnLButtonDown(flags, point);
        design_.updatePropsOfCurSel();
        return true;
    });
    // A click marks the design modified even when it only changed the selection.
    modified_ = true;
    repaint();
}

bool CDlgDesigner::same(const Snapshot& a, const Snapshot& b) {
    if (a.length() != b.length()) {
        return false;
    }
    for (int i = 0; i < a.length(); ++i) {
        const Vdn_DesignerControl& x = a[i];
        const Vdn_DesignerControl& y = b[i];
        if (x.type != y.type || x.topLeftX != y.topLeftX || x.topLeftY != y.topLeftY ||
            x.bottomRightX != y.bottomRightX || x.bottomRightY != y.bottomRightY ||
            x.contents != y.contents || x.getMergedExtComboList() != y.getMergedExtComboList()) {
            return false;
        }
    }
    return true;
}

void CDlgDesigner::edit(const std::function<bool()>& step) {
    Snapshot before = design_.snapshot();
    if (!step()) {
        return;
    }
    if (!same(before, design_.snapshot())) {
        undo_.push_back(std::move(before));
        redo_.clear();
        modified_ = true;
    }
}

bool CDlgDesigner::undo() {
    if (undo_.empty()) {
        return false;
    }
    redo_.push_back(design_.snapshot());
    design_.restore(undo_.back());
    undo_.pop_back();
    modified_ = true;
    return true;
}

bool CDlgDesigner::redo() {
    if (redo_.empty()) {
        return false;
    }
    undo_.push_back(design_.snapshot());
    design_.restore(redo_.back());
    redo_.pop_back();
    modified_ = true;
    return true;
}

BOOL CDlgDesigner::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
    if (design_.OnSetCursor(window, hitTest, message)) {
        return TRUE;
    }
    return CAcUiDialog::OnSetCursor(window, hitTest, message);
}

BOOL CDlgDesigner::OnEraseBkgnd(CDC* dc) {
    design_.OnEraseBkgnd(dc);
    return TRUE;
}

void CDlgDesigner::OnPaint() {
    CPaintDC dc(this);
    design_.OnPaint(&dc);
}

HBRUSH CDlgDesigner::OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor) {
    // Labels of the design (no frame or fill style bits) let the picture show through.
    if (ctlColor == CTLCOLOR_STATIC && window != nullptr && (window->GetStyle() & (1 | 4)) == 0 &&
        design_.isADynControl(window->GetDlgCtrlID())) {
        dc->SetBkMode(TRANSPARENT);
        return GetStockBrush(NULL_BRUSH);
    }
    return CAcUiDialog::OnCtlColor(dc, window, ctlColor);
}

bool StartDlgDesigner(const Vdn_String& dialogName) {
    // A name below the designer's folder or a full path, with or without ".txt". A relative
    // path is a name: a caller with a path relative to the current folder makes it absolute.
    Vdn_String path = dialogName;
    const std::wstring& text = dialogName.str();
    const bool full = !text.empty() &&
                      (text[0] == L'/' || text[0] == L'\\' || (text.size() > 1 && text[1] == L':'));
    if (!full && !text.empty()) {
        path = Vdn_DlgDesignerData::getDesignerRootFolder() + dialogName;
    }
    if (!path.isEmpty() && removeExtension(path) == path) {
        path = path + L".txt";
    }
    return frame::runModalLauncher<CDlgDesigner>(&CDlgDesigner::path_, path,
                                                 frame::CopyBack::Never);
}
