#include "macro/profiles/CDlgMacroProfAdv.h"

#include "platform/core/files/ProductFiles.h"
#include "platform/core/model/CoordinateSystems.h"
#include "platform/core/model/ProfileOffsetTypes.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/Editor.h"
#include "platform/host/ProfilePlacementPicks.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"

#include <climits>
#include <cmath>

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kUndeterminedText = 20040;
constexpr int kCaptionText = 20916;
constexpr int kSectionText = 20917;
constexpr int kOptionText = 20918;
constexpr int kReferenceText = 20919;
constexpr int kSectionPointText = 20920;
constexpr int kRotationText = 20921;
constexpr int kSecondValueText = 20922;
constexpr int kBasePlaneText = 20923;
constexpr int kPickedPlaneText = 20924;
constexpr int kChosenCoordSysText = 20925;
constexpr int kOwnCoordSysText = 20926;
constexpr int kPickText = 20927;
constexpr int kAxisText = 20928;
constexpr int kMirroredText = 20929;
constexpr int kExtendedText = 20930;
constexpr int kMorphedText = 20931;
constexpr int kEndSectionText = 20932;
constexpr int kMorphStartText = 20933;
constexpr int kMorphEndText = 20934;
constexpr int kOffsetTipText = 20935;
constexpr std::array kAxisTexts = {L"X", L"Y", L"Z"};
constexpr std::array kAxisPlanes = {L"xp", L"yp", L"zp"};
// Labels without a control of their own in the table of the class.
constexpr int kSectionLabel = 2950;
constexpr int kReferenceGroup = 2953;
constexpr int kRotationLabel = 2954;
constexpr int kSecondValueLabel = 2958;
constexpr int kBasePlaneGroup = 2959;
constexpr int kAxisLabel = 2962;
constexpr COLORREF kTransparent = RGB(255, 255, 255);

Vdn_String typed(const CWnd& dialog, int id) {
    std::wstring text;
    dialog.GetDlgItemText(id, text);
    return Vdn_String(text);
}

void enable(CWnd& dialog, int id, bool enabled) {
    if (CWnd* control = dialog.GetDlgItem(id))
        control->EnableWindow(enabled ? TRUE : FALSE);
}

CComboBox* combo(CWnd& dialog, int id) {
    return dynamic_cast<CComboBox*>(dialog.GetDlgItem(id));
}

bool checked(const CWnd& dialog, int id) {
    return dialog.IsDlgButtonChecked(id) == BST_CHECKED;
}

Vdn_String numberText(double value) {
    return Vdn_String(value, 3);
}

bool endsWithDwg(const Vdn_String& name) {
    return name.length() >= 4 && name.substr(name.length() - 4).equal(L".dwg", false);
}

} // namespace

CDlgMacroProfAdv::CDlgMacroProfAdv(TfMACallBack callback, const TfMACallBackData& data,
                                   CWnd* parent)
    : ResizableDialog(IDD, parent, kSizeKey), callback_(callback), data_(data) {
    onCommand(kOffsetCombo, CBN_SELCHANGE, [this] {
        if (const CComboBox* offsets = combo(*this, kOffsetCombo))
            showOffsetIndex(offsets->GetCurSel());
        apply();
    });
    for (std::size_t i = 0; i < kOffsetButtons.size(); ++i) {
        const int button = static_cast<int>(i) + 1;
        onCommand(kOffsetButtons[i], BN_CLICKED, [this, button] { chooseOffsetButton(button); });
    }
    for (std::size_t i = 0; i < kRotationPresets.size(); ++i) {
        const int angle = kPresetAngles[i];
        onCommand(kRotationPresets[i], BN_CLICKED, [this, angle] { choosePreset(angle); });
    }
    for (const int id : {kRotation, kSecondValue, kExtension})
        onCommand(id, EN_KILLFOCUS, [this, id] { editLeft(id); });
    for (const int id : {kStartSection, kEndSection, kAxisCombo})
        onCommand(id, CBN_SELCHANGE, [this] { apply(); });
    // Choosing a coordinate system is choosing to place the profile in it.
    onCommand(kCoordSysCombo, CBN_SELCHANGE, [this] {
        checkPlaneChoice(kChosenCoordSys);
        apply();
    });
    for (const int id : {kStartSection, kEndSection}) {
        onCommand(id, CBN_KILLFOCUS, [this, id] {
            const bool isStart = id == kStartSection;
            if (sectionText(id) != (isStart ? profile_.section : profile_.endSection))
                apply();
        });
    }
    for (const int id : {kWorld, kUndetermined, kChosenCoordSys, kMirrored, kExtended})
        onCommand(id, BN_CLICKED, [this] { apply(); });
    // The picked plane changes the data only once a plane is picked (1246); until then the
    // choice only enables that pick.
    onCommand(kPickedPlane, BN_CLICKED, [this] {
        if (!profile_.basePlane.isEmpty() &&
            profile_.basePlane != MacroProfData::kUndeterminedPlane && !isAxisPlane())
            apply();
    });
    onCommand(kMorphStartText, EN_KILLFOCUS, [this] {
        if (typed(*this, kMorphStartText) != profile_.morphStartText)
            apply();
    });
    onCommand(kMorphEndText, EN_KILLFOCUS, [this] {
        if (typed(*this, kMorphEndText) != profile_.morphEndText)
            apply();
    });
    onCommand(kOwnCoordSys, BN_CLICKED, [this] { chooseOwnCoordSys(); });
    onCommand(kSectionPoint, BN_CLICKED, [this] { pickSectionPoint(); });
    onCommand(kPick, BN_CLICKED, [this] { pickPlaneOrCoordSys(); });
}

int CDlgMacroProfAdv::indexOfButton(int button) {
    return core::offsetTypeOfGridPoint(button);
}

int CDlgMacroProfAdv::buttonOfIndex(int index) {
    return core::gridPointOfOffsetType(getProfOffsetType(index));
}

BOOL CDlgMacroProfAdv::OnInitDialog() {
    CDialog::OnInitDialog();
    captions();
    loadPictures();
    if (CComboBox* offsets = combo(*this, kOffsetCombo)) {
        for (const Vdn_String& name : getOffsetTypeStrings())
            offsets->AddString(name.str());
        offsets->AddString(dialString(kUndeterminedText).str());
    }
    data_.coordinateSystems = getAllCoordSys();
    fillCoordSystems();
    if (CComboBox* axes = combo(*this, kAxisCombo)) {
        for (const wchar_t* axis : kAxisTexts)
            axes->AddString(axis);
        axes->SetCurSel(2);
    }
    CheckDlgButton(kOption, option_ ? BST_CHECKED : BST_UNCHECKED);
    enable(*this, kOption, optionChangeable_);
    callBack(kMACallBackInit);
    morphed_ = morphed_ || profile_.morphed;
    if (!morphed_)
        hideMorphedGroup();
    fill();
    setLayout();
    return TRUE;
}

void CDlgMacroProfAdv::captions() {
    SetWindowText(dialString(kCaptionText).str());
    const std::pair<int, int> texts[] = {
        {IDOK, kOkText},
        {IDCANCEL, kCancelText},
        {kSectionLabel, kSectionText},
        {kOption, kOptionText},
        {kReferenceGroup, kReferenceText},
        {kSectionPoint, kSectionPointText},
        {kSecondValueLabel, kSecondValueText},
        {kBasePlaneGroup, kBasePlaneText},
        {kUndetermined, kUndeterminedText},
        {kPickedPlane, kPickedPlaneText},
        {kChosenCoordSys, kChosenCoordSysText},
        {kOwnCoordSys, kOwnCoordSysText},
        {kAxisLabel, kAxisText},
        {kMirrored, kMirroredText},
        {kExtended, kExtendedText},
        {kMorphedGroup[0], kMorphedText},
        {kMorphedGroup[1], kEndSectionText},
        {kMorphedGroup[3], kMorphStartText},
        {kMorphedGroup[5], kMorphEndText},
    };
    for (const auto& [id, number] : texts)
        SetDlgItemText(id, dialString(number).str());
    SetDlgItemText(kRotationLabel, (dialString(kRotationText) + L" (\u00b0):").str());
    SetDlgItemText(kWorld, L"WCS");
    SetDlgItemText(kPick, (dialString(kPickText) + L"...").str());
    for (std::size_t i = 0; i < kRotationPresets.size(); ++i)
        SetDlgItemText(kRotationPresets[i],
                       (Vdn_String(kPresetAngles[i]) + Vdn_String(L"\u00b0")).str());
}

void CDlgMacroProfAdv::loadPictures() {
    for (std::size_t i = 0; i < kOffsetButtons.size(); ++i) {
        CButtonST& button = offsetButtons_[i];
        if (!button.SubclassDlgItem(kOffsetButtons[i], this))
            continue;
        const Vdn_String file =
            L"icons\\OffsetPoint" + Vdn_String(static_cast<int>(i) + 1) + L".bmp";
        if (offsetPictures_[i].loadFromFile(core::productFile(file)))
            button.SetBitmaps(offsetPictures_[i].GetSafeHandle(), kTransparent);
        const int index = indexOfButton(static_cast<int>(i) + 1);
        const Vdn_StringArray names = getOffsetTypeStrings();
        button.SetTooltipText(
            (names.isValidIndex(index) ? names[index] : dialString(kOffsetTipText)).str());
    }
}

void CDlgMacroProfAdv::hideMorphedGroup() {
    // The dialog is laid out with the morphed group below everything else; without it the
    // dialog loses that strip and the buttons move up with its bottom edge.
    CRect group;
    CRect below;
    CWnd* frame = GetDlgItem(kMorphedGroup[0]);
    CWnd* ok = GetDlgItem(IDOK);
    if (frame == nullptr || ok == nullptr)
        return;
    frame->GetWindowRect(&group);
    ok->GetWindowRect(&below);
    const int strip = below.top - group.top;
    for (const int id : kMorphedGroup)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(SW_HIDE);
    for (const int id : {IDOK, IDCANCEL}) {
        CWnd* button = GetDlgItem(id);
        if (button == nullptr)
            continue;
        CRect rect;
        button->GetWindowRect(&rect);
        ScreenToClient(&rect);
        rect.top -= strip;
        rect.bottom -= strip;
        button->MoveWindow(&rect);
    }
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() - strip, SWP_NOMOVE | SWP_NOZORDER);
}

void CDlgMacroProfAdv::setLayout() {
    using R = CResizer;
    const auto widened = [](UINT id) {
        return R::CBorderInfo{
            id, {R::eFixed}, {R::eFixed}, {R::eFixed, R::IDC_MAIN, R::eRight}, {R::eHeight}};
    };
    const std::array<R::CBorderInfo, 8> layout = {{
        widened(kStartSection),
        widened(kEndSection),
        widened(kMorphStartText),
        widened(kMorphEndText),
        widened(kCoordSysCombo),
        R::keptBottomRight(IDOK),
        R::keptBottomRight(IDCANCEL),
        {kMorphedGroup[0],
         {R::eFixed},
         {R::eFixed},
         {R::eFixed, R::IDC_MAIN, R::eRight},
         {R::eHeight}},
    }};
    followLayout(layout);
    keepPresentSizeAsMinimum();
    restoreSize();
}

void CDlgMacroProfAdv::fillSection(int id, const Vdn_StringArray& sections,
                                   const Vdn_String& section) {
    CComboBox* list = combo(*this, id);
    if (list == nullptr)
        return;
    list->ResetContent();
    for (const Vdn_String& name : sections)
        list->AddString(name.str());
    const int index = list->FindStringExact(-1, section.str());
    list->SetCurSel(index);
    if (index < 0)
        list->SetWindowText(section.str());
}

void CDlgMacroProfAdv::fillCoordSystems() {
    CComboBox* list = combo(*this, kCoordSysCombo);
    if (list == nullptr)
        return;
    list->ResetContent();
    for (const Vdn_String& name : data_.coordinateSystems)
        list->AddString(name.str());
    list->SetCurSel(list->FindStringExact(-1, profile_.coordinateSystem.str()));
}

void CDlgMacroProfAdv::checkPlaneChoice(int choice) {
    for (const int id : {kWorld, kUndetermined, kPickedPlane, kChosenCoordSys, kOwnCoordSys})
        CheckDlgButton(id, id == choice ? BST_CHECKED : BST_UNCHECKED);
}

bool CDlgMacroProfAdv::isAxisPlane() const {
    for (const wchar_t* plane : kAxisPlanes) {
        if (profile_.basePlane == plane)
            return true;
    }
    return false;
}

void CDlgMacroProfAdv::fill() {
    fillSection(kStartSection, data_.startSections, profile_.section);
    if (morphed_) {
        fillSection(kEndSection, data_.endSections, profile_.endSection);
        SetDlgItemText(kMorphStartText, profile_.morphStartText.str());
        SetDlgItemText(kMorphEndText, profile_.morphEndText.str());
    }
    showOffsetIndex(getDlgOffsetType(profile_.offsetType));
    shownNumbers_ = {profile_.rotation < 0 ? Vdn_String() : numberText(profile_.rotation),
                     numberText(profile_.secondValue), numberText(profile_.extension)};
    SetDlgItemText(kRotation, shownNumbers_[0].str());
    SetDlgItemText(kSecondValue, shownNumbers_[1].str());
    SetDlgItemText(kExtension, shownNumbers_[2].str());
    if (CComboBox* axes = combo(*this, kAxisCombo))
        axes->SetCurSel(profile_.planeAxis >= 0 && profile_.planeAxis < 3 ? profile_.planeAxis : 2);
    fillCoordSystems();
    int plane = kPickedPlane;
    if (profile_.basePlane == MacroProfData::kUndeterminedPlane)
        plane = kUndetermined;
    else if (profile_.basePlane.isEmpty())
        plane = kWorld;
    else if (checked(*this, kChosenCoordSys))
        plane = kChosenCoordSys;
    else if (checked(*this, kOwnCoordSys))
        plane = kOwnCoordSys;
    checkPlaneChoice(plane);
    CheckDlgButton(kMirrored, profile_.mirrored ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kExtended, profile_.extended ? BST_CHECKED : BST_UNCHECKED);
    enable(*this, kExtension, profile_.extended);
}

void CDlgMacroProfAdv::showOffsetIndex(int index) {
    if (CComboBox* offsets = combo(*this, kOffsetCombo))
        offsets->SetCurSel(index);
    const int pressed = buttonOfIndex(index);
    for (std::size_t i = 0; i < kOffsetButtons.size(); ++i)
        CheckDlgButton(kOffsetButtons[i],
                       static_cast<int>(i) + 1 == pressed ? BST_CHECKED : BST_UNCHECKED);
    enableForOffset(index);
}

void CDlgMacroProfAdv::enableForOffset(int index) {
    // Only a free reference point is picked on the section and placed by the second value.
    enable(*this, kSectionPoint, index == 0);
    enable(*this, kSecondValue, index == 0);
}

Vdn_String CDlgMacroProfAdv::sectionText(int id) const {
    const Vdn_String text = typed(*this, id);
    const auto* list = dynamic_cast<const CComboBox*>(GetDlgItem(id));
    // A drawing file names a section of its own; any other name is one of the list's.
    if (endsWithDwg(text) || list == nullptr || list->GetCurSel() < 0)
        return text;
    return Vdn_String(list->GetLBText(list->GetCurSel()));
}

void CDlgMacroProfAdv::read() {
    profile_.section = sectionText(kStartSection);
    if (morphed_) {
        profile_.endSection = sectionText(kEndSection);
        profile_.morphStartText = typed(*this, kMorphStartText);
        profile_.morphEndText = typed(*this, kMorphEndText);
    }
    if (const CComboBox* axes = combo(*this, kAxisCombo); axes && axes->GetCurSel() >= 0)
        profile_.planeAxis = axes->GetCurSel();
    if (const CComboBox* offsets = combo(*this, kOffsetCombo)) {
        const int index = offsets->GetCurSel();
        // An index that stands for no type leaves the offset undetermined.
        if (index != getDlgOffsetType(profile_.offsetType))
            profile_.offsetType = getProfOffsetType(index);
    }
    // A text that is not a number keeps the value it replaced.
    bool ok = false;
    const double rotation = typed(*this, kRotation).toDouble(&ok);
    if (ok && rotation == std::floor(rotation) && std::abs(rotation) <= INT_MAX)
        profile_.rotation = static_cast<int>(rotation);
    const double second = typed(*this, kSecondValue).toDouble(&ok);
    if (ok && std::isfinite(second))
        profile_.secondValue = second;
    const Vdn_String axisPlane = kAxisPlanes[static_cast<std::size_t>(
        profile_.planeAxis >= 0 && profile_.planeAxis < 3 ? profile_.planeAxis : 2)];
    if (checked(*this, kUndetermined)) {
        profile_.basePlane = MacroProfData::kUndeterminedPlane;
    } else if (checked(*this, kWorld)) {
        profile_.basePlane = Vdn_String();
    } else if (checked(*this, kOwnCoordSys)) {
        profile_.basePlane = axisPlane;
    } else if (checked(*this, kChosenCoordSys)) {
        profile_.basePlane = axisPlane;
        const CComboBox* systems = combo(*this, kCoordSysCombo);
        if (systems != nullptr && systems->GetCurSel() >= 0)
            profile_.coordinateSystem = Vdn_String(systems->GetLBText(systems->GetCurSel()));
    }
    profile_.mirrored = checked(*this, kMirrored);
    profile_.extended = checked(*this, kExtended);
    const double extension = typed(*this, kExtension).toDouble(&ok);
    if (ok && std::isfinite(extension))
        profile_.extension = extension;
}

bool CDlgMacroProfAdv::callBack(TfMACallBackType type) {
    if (callback_ == nullptr)
        return false;
    const TfMACallBackData dataBefore = data_;
    const MacroProfData profileBefore = profile_;
    if (callback_(type, data_, profile_))
        return true;
    data_ = dataBefore;
    profile_ = profileBefore;
    return false;
}

void CDlgMacroProfAdv::apply() {
    const MacroProfData shown = profile_;
    read();
    if (callBack(kMACallBackApply)) {
        fill();
    } else {
        // The caller took nothing: the record keeps what the model has, the controls what
        // the user typed.
        profile_ = shown;
    }
    enable(*this, kExtension, checked(*this, kExtended));
}

template <typename Pick> bool CDlgMacroProfAdv::pickInDrawing(Pick pick) {
    ShowWindow(SW_HIDE);
    host::Editor::instance().setCommandActive(true);
    callBack(kMACallBackBeforePick);
    const bool picked = pick();
    callBack(kMACallBackAfterPick);
    host::Editor::instance().setCommandActive(false);
    ShowWindow(SW_SHOW);
    return picked;
}

void CDlgMacroProfAdv::chooseOffsetButton(int button) {
    const int index = indexOfButton(button);
    showOffsetIndex(index);
    apply();
}

void CDlgMacroProfAdv::choosePreset(int angle) {
    SetDlgItemText(kRotation, Vdn_String(angle).str());
    apply();
}

void CDlgMacroProfAdv::chooseOwnCoordSys() {
    // The data's own coordinate system becomes one the drawing lists.
    if (createCoordSys(profile_)) {
        data_.coordinateSystems = getAllCoordSys();
        fillCoordSystems();
    }
    apply();
}

void CDlgMacroProfAdv::pickSectionPoint() {
    read();
    MacroProfData picked = profile_;
    if (!pickInDrawing([&picked] { return UserChooseSectionPoint(picked); }))
        return;
    showOffsetIndex(getDlgOffsetType(picked.offsetType));
    apply();
}

void CDlgMacroProfAdv::pickPlaneOrCoordSys() {
    read();
    if (checked(*this, kPickedPlane)) {
        MacroProfData picked = profile_;
        if (!pickInDrawing([&picked] { return UserSelectPlane(picked); }))
            return;
        profile_.basePlane = picked.basePlane;
    } else {
        Vdn_String name;
        if (!pickInDrawing([&name] { return selectCoordSys(name); }))
            return;
        data_.coordinateSystems = getAllCoordSys();
        profile_.coordinateSystem = name;
        fillCoordSystems();
        checkPlaneChoice(kChosenCoordSys);
    }
    apply();
}

void CDlgMacroProfAdv::editLeft(int id) {
    const std::size_t slot = id == kRotation ? 0 : (id == kSecondValue ? 1 : 2);
    if (typed(*this, id) != shownNumbers_[slot])
        apply();
}

void CDlgMacroProfAdv::OnOK() {
    if (optionChangeable_)
        option_ = checked(*this, kOption);
    read();
    callBack(kMACallBackApply);
    CDialog::OnOK();
}

BOOL CDlgMacroProfAdv::PreTranslateMessage(MSG* msg) {
    if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        const auto* button = dynamic_cast<const CButton*>(GetFocus());
        if (button == nullptr || !button->isPushButton()) {
            apply();
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}
