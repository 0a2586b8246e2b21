// Vdn_DlgDesignerData: the designer's editing of the selected controls and its property panel.
// Positions are read back from the drawn windows before anything changes them, so that moves
// and resizes made with the mouse are kept.
#include "designer/DesignerTexts.h"
#include "designer/Vdn_DlgDesignerData.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/CommandLineApi.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/graphics/CDC.h"
#include "platform/ui/graphics/WinGdi.h"
#include "spreadsheet/Vdn_DlgPromptString.h"

#include <algorithm>
#include <cwchar>

namespace {

// A new control: 30 x 18 pixels at (0.2, 0.2) of the picture.
constexpr double kNewCorner = 0.2;
constexpr int kNewWidth = 30;
constexpr int kNewHeight = 18;
// Copies land this far right and down of their originals.
constexpr int kCopyOffset = 20;

int contentsLabelOf(int type) {
    switch (type) {
    case ctLabel:
    case ctGroupBox:
    case ctCalcButton:
    case ctCalcButtonNoDivisor:
    case ctCheckBox:
        return designer::kLabelCaption;
    case ctVarEdit:
    case ctVarCombo:
        return designer::kLabelVariable;
    case ctPatternValues:
    case ctPatternCount:
    case ctPatternButton:
        return designer::kLabelBoltPattern;
    case ctCutCombo:
        return designer::kLabelCut;
    case ctFlexFixButton:
        return designer::kLabelFlexButton;
    default:
        if (type >= ctProfSection && type <= ctProfAdvButton) {
            return designer::kLabelProfileGroup;
        }
        if (type >= ctArrayProp1 && type <= ctArrayButton) {
            return designer::kLabelArray;
        }
        return 0; // bolt properties and block combos: no label
    }
}

Vdn_String joined(std::initializer_list<int> texts) {
    Vdn_String all;
    for (const int text : texts) {
        all = all.isEmpty() ? dialString(text) : all + L";" + dialString(text);
    }
    return all;
}

// The combo-list label of a type; empty for types without a combo list.
Vdn_String comboListLabelOf(int type) {
    switch (type) {
    case ctLabel:
    case ctGroupBox:
        return dialString(designer::kListGatingCell);
    case ctVarCombo:
        return dialString(designer::kListItemFile);
    case ctArrayEntry:
        return dialString(designer::kListEntryIndex);
    case ctBlockCombo:
        return dialString(designer::kListFolder);
    case ctCheckBox:
        return dialString(designer::kLabelVariable);
    case ctFlexFixButton:
        return joined({designer::kListFlexFields, designer::kListFlexFields + 1,
                       designer::kListFlexFields + 2});
    case ctCalcButton:
        return joined({designer::kListCalcFields, designer::kListCalcFields + 1,
                       designer::kListCalcFields + 2, designer::kListCalcFields + 3});
    case ctCalcButtonNoDivisor:
        return joined({designer::kListCalcFields, designer::kListCalcFields + 1,
                       designer::kListCalcNoDivisorThird, designer::kListCalcFields + 3});
    default:
        return Vdn_String();
    }
}

} // namespace

void Vdn_DlgDesignerData::repaint() const {
    if (CDialog* host = dialog()) {
        host->Invalidate();
    }
}

bool Vdn_DlgDesignerData::addNewControl(Vdn_ControlType type) {
    if (!initialized_ || !designerMode_ || !tracker_) {
        return false;
    }
    Vdn_DesignerControl control;
    control.type = type;
    control.contents = dialString(designer::kNewControlCaption);
    control.topLeftX = kNewCorner;
    control.topLeftY = kNewCorner;
    control.bottomRightX = kNewCorner + pixelsToFactor(true, kNewWidth);
    control.bottomRightY = kNewCorner + pixelsToFactor(false, kNewHeight);
    getSizeFromAllControls();
    append(control);
    drawControl(controls_.length() - 1);
    repaint();
    return true;
}

bool Vdn_DlgDesignerData::removeCurControls() {
    if (!initialized_ || !designerMode_ || !tracker_) {
        return false;
    }
    getSizeFromAllControls();
    for (const int id : tracker_->selectedIds()) {
        int index = 0;
        if (!findCtrlFromResource(id, index)) {
            continue;
        }
        const auto drawn = std::find_if(drawn_.begin(), drawn_.end(),
                                        [id](const auto& rect) { return rect->id() == id; });
        if (drawn != drawn_.end()) {
            tracker_->remove(drawn->get());
            drawn_.erase(drawn);
        }
        removeControl(index);
    }
    tracker_->clearSelection();
    repaint();
    return true;
}

bool Vdn_DlgDesignerData::copyCurCtrls() {
    if (!initialized_ || !designerMode_ || !tracker_) {
        return false;
    }
    getSizeFromAllControls();
    const double dx = pixelsToFactor(true, kCopyOffset);
    const double dy = pixelsToFactor(false, kCopyOffset);
    std::vector<int> copies;
    for (const int id : tracker_->selectedIds()) {
        int index = 0;
        if (!findCtrlFromResource(id, index)) {
            continue;
        }
        Vdn_DesignerControl copy = controls_[index];
        copy.topLeftX += dx;
        copy.bottomRightX += dx;
        copy.topLeftY += dy;
        copy.bottomRightY += dy;
        copies.push_back(append(copy));
    }
    redrawAllControls();
    selectCtrls(copies);
    return true;
}

bool Vdn_DlgDesignerData::findMostLeftCtrl(const std::vector<int>& ids, int& index) const {
    bool found = false;
    for (const int id : ids) {
        int candidate = 0;
        if (!findCtrlFromResource(id, candidate)) {
            continue;
        }
        if (!found || controls_[candidate].topLeftX < controls_[index].topLeftX) {
            index = candidate;
            found = true;
        }
    }
    return found;
}

bool Vdn_DlgDesignerData::outlineCurCtrls() {
    if (!initialized_ || !designerMode_ || !tracker_ || tracker_->selection().empty()) {
        return false;
    }
    getSizeFromAllControls();
    const std::vector<int> ids = tracker_->selectedIds();
    int reference = 0;
    if (!findMostLeftCtrl(ids, reference)) {
        return false;
    }
    const double bottom = getBottomRightY(reference);
    for (const int id : ids) {
        int index = 0;
        if (findCtrlFromResource(id, index) && index != reference) {
            const double height = getHeight(index);
            setBottomRightY(index, bottom);
            setTopLeftY(index, bottom - height);
        }
    }
    redrawAllControls();
    selectCtrls(ids);
    return true;
}

bool Vdn_DlgDesignerData::stickRightCurCtrls() {
    if (!initialized_ || !designerMode_ || !tracker_ || tracker_->selection().size() != 2) {
        return false;
    }
    getSizeFromAllControls();
    const std::vector<int> ids = tracker_->selectedIds();
    int reference = 0;
    if (!findMostLeftCtrl(ids, reference)) {
        return false;
    }
    for (const int id : ids) {
        int index = 0;
        if (findCtrlFromResource(id, index) && index != reference) {
            const double width = getWidth(index);
            setTopLeftX(index, getBottomRightX(reference));
            setBottomRightX(index, getBottomRightX(reference) + width);
            setTopLeftY(index, getTopLeftY(reference));
            setBottomRightY(index, getBottomRightY(reference));
        }
    }
    redrawAllControls();
    selectCtrls(ids);
    return true;
}

void Vdn_DlgDesignerData::changeCtrlSize(int index, bool width, double pixels) {
    if (width) {
        setBottomRightX(index, getTopLeftX(index) + pixels);
    } else {
        setBottomRightY(index, getTopLeftY(index) + pixels);
    }
}

bool Vdn_DlgDesignerData::changeCtrlSize(bool width) {
    if (!initialized_ || !designerMode_ || !tracker_ || tracker_->selection().empty()) {
        return false;
    }
    Vdn_DlgPromptString prompt(dialog());
    prompt.caption = dialString(width ? designer::kWidthCaption : designer::kHeightCaption);
    prompt.label = dialString(width ? designer::kWidthLabel : designer::kHeightLabel);
    prompt.value = width ? L"30" : L"18";
    if (prompt.DoModal() != IDOK || !prompt.accepted) {
        return false;
    }
    // Sizes are whole numbers of pixels above 0; anything else changes nothing.
    wchar_t* end = nullptr;
    const long pixels = std::wcstol(prompt.value.c_str(), &end, 10);
    if (end == prompt.value.c_str() || *end != L'\0' || pixels <= 0 || pixels > 100000) {
        return false;
    }
    getSizeFromAllControls();
    const std::vector<int> ids = tracker_->selectedIds();
    for (const int id : ids) {
        int index = 0;
        if (findCtrlFromResource(id, index)) {
            changeCtrlSize(index, width, static_cast<double>(pixels));
        }
    }
    redrawAllControls();
    selectCtrls(ids);
    return true;
}

void Vdn_DlgDesignerData::selectCtrls(const std::vector<int>& ids) {
    if (!tracker_) {
        return;
    }
    tracker_->clearSelection();
    for (const int id : ids) {
        tracker_->select(drawnWithId(id));
    }
    repaint();
}

int Vdn_DlgDesignerData::getCurSel() const {
    if (!tracker_ || tracker_->selection().size() != 1) {
        return -1;
    }
    int index = -1;
    return findCtrlFromResource(tracker_->selection().front()->id(), index) ? index : -1;
}

void Vdn_DlgDesignerData::updateProps(int index) {
    CDialog* host = dialog();
    if (!designerMode_ || host == nullptr) {
        return;
    }
    auto* types = dynamic_cast<CComboBox*>(host->GetDlgItem(typeComboId_));
    CWnd* contentsLabel = host->GetDlgItem(contentsLabelId_);
    CWnd* contentsEdit = host->GetDlgItem(contentsEditId_);
    CWnd* listLabel = host->GetDlgItem(comboListLabelId_);
    CWnd* listEdit = host->GetDlgItem(comboListEditId_);
    const auto show = [](CWnd* window, const Vdn_String& text, bool enabled) {
        if (window != nullptr) {
            window->SetWindowText(text.str());
            window->EnableWindow(enabled ? TRUE : FALSE);
        }
    };
    if (!controls_.isValid(index)) {
        if (types != nullptr) {
            types->SetCurSel(-1);
            types->EnableWindow(FALSE);
        }
        show(contentsLabel, Vdn_String(), false);
        show(contentsEdit, Vdn_String(), false);
        show(listLabel, Vdn_String(), false);
        show(listEdit, Vdn_String(), false);
        return;
    }
    const Vdn_DesignerControl& control = controls_[index];
    if (types != nullptr) {
        types->SetCurSel(control.type);
        types->EnableWindow(TRUE);
    }
    const int label = contentsLabelOf(control.type);
    show(contentsLabel, label != 0 ? dialString(label) : Vdn_String(), true);
    show(contentsEdit, control.contents, true);
    const Vdn_String listLabelText = comboListLabelOf(control.type);
    const bool hasList = !listLabelText.isEmpty();
    show(listLabel, listLabelText, hasList);
    show(listEdit, hasList ? control.getMergedExtComboList() : Vdn_String(), hasList);
}

void Vdn_DlgDesignerData::updatePropsOfCurSel() {
    updating_ = true;
    const int index = getCurSel();
    updateProps(index);
    if (index >= 0) {
        selectCtrls({controls_[index].resourceId});
    }
    updating_ = false;
}

void Vdn_DlgDesignerData::readProps(int index) {
    CDialog* host = dialog();
    if (host == nullptr || !controls_.isValid(index)) {
        return;
    }
    Vdn_DesignerControl& control = controls_[index];
    if (auto* types = dynamic_cast<CComboBox*>(host->GetDlgItem(typeComboId_))) {
        if (designer::isValidType(types->GetCurSel())) {
            control.type = static_cast<Vdn_ControlType>(types->GetCurSel());
        }
    }
    if (CWnd* edit = host->GetDlgItem(contentsEditId_)) {
        control.contents = Vdn_String(edit->GetWindowText());
    }
    if (CWnd* edit = host->GetDlgItem(comboListEditId_); edit && edit->IsWindowEnabled()) {
        control.setSplitExtComboList(Vdn_String(edit->GetWindowText()));
    }
}

void Vdn_DlgDesignerData::propsOfCurSelUpdated() {
    if (updating_) {
        return;
    }
    const int index = getCurSel();
    if (index < 0) {
        return;
    }
    const Vdn_DesignerControl before = controls_[index];
    readProps(index);
    const Vdn_DesignerControl& after = controls_[index];
    if (after.contents != before.contents) {
        if (CControlRect* drawn = drawnWithId(after.resourceId); drawn && drawn->window()) {
            drawn->window()->SetWindowText(after.contents.str());
        }
    }
    if (after.type != before.type) {
        // Another type may need another window class: every window is made again.
        const int id = after.resourceId;
        getSizeFromAllControls();
        redrawAllControls();
        selectCtrls({id});
    }
}

AcArray<Vdn_DesignerControl> Vdn_DlgDesignerData::snapshot() {
    getSizeFromAllControls();
    return controls_;
}

void Vdn_DlgDesignerData::restore(const AcArray<Vdn_DesignerControl>& controls) {
    controls_ = controls;
    redrawAllControls();
    updatePropsOfCurSel();
    repaint();
}

void Vdn_DlgDesignerData::printPositions() const {
    for (int i = 0; i < controls_.length(); ++i) {
        const Vdn_DesignerControl& control = controls_[i];
        acutPrintf(L"**** Control %s ****\n", control.contents.c_str());
        acutPrintf(L"Left: %f - Right: %f\n", control.topLeftX, control.bottomRightX);
        acutPrintf(L"Top: %f - Bottom: %f\n", control.topLeftY, control.bottomRightY);
    }
    acutPrintf(L"********\n");
}

BOOL Vdn_DlgDesignerData::OnEraseBkgnd(CDC* dc) {
    CDialog* host = dialog();
    if (!initialized_ || dc == nullptr || host == nullptr) {
        return FALSE;
    }
    if (designerMode_) {
        CRect client;
        host->GetClientRect(&client);
        dc->FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    }
    // White parts of the picture show the dialog face.
    if (!background_.isEmpty()) {
        dc->drawMasked(0, 0, background_, mask_);
    }
    return FALSE;
}

void Vdn_DlgDesignerData::OnLButtonDown(UINT flags, CPoint point) {
    if (tracker_) {
        tracker_->click(point, flags, true);
    }
}

BOOL Vdn_DlgDesignerData::OnSetCursor(CWnd* window, UINT hitTest, UINT) {
    return tracker_ ? tracker_->setCursor(window, hitTest) : FALSE;
}

void Vdn_DlgDesignerData::OnPaint(CDC* dc) {
    if (tracker_ && dc != nullptr) {
        tracker_->drawSelection(dc);
    }
}
