#include "dialogs/CDlgSelectDstvPointsFile.h"

#include "dialogs/CDlgEditDstvPoints.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"

#include <algorithm>

namespace {

constexpr int kCaption = 863;
constexpr int kEditText = 861;
constexpr int kActivateText = 862;
constexpr int kCloseText = 285;
constexpr int kFrameText = 20509;
constexpr int kNameText = 87;
constexpr int kPromptCaption = 864;
constexpr int kProposedName = 171;
constexpr int kNameTakenCaption = 856;
constexpr int kNameTakenFirst = 857;
constexpr int kNameTakenSecond = 858;
constexpr int kNameEmpty = 20517;
constexpr int kCannotWrite = 20514;
constexpr int kCannotRead = 20515;
constexpr UINT kAddIcon = 212;
constexpr UINT kDeleteIcon = 206;
constexpr int kAddTip = 20510;
constexpr int kDeleteTip = 20511;

} // namespace

CDlgSelectDstvPointsFile::CDlgSelectDstvPointsFile(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kAddButton, BN_CLICKED, [this] { addGroup(); });
    onCommand(kDeleteButton, BN_CLICKED, [this] { deleteGroup(); });
    onCommand(kEditButton, BN_CLICKED, [this] { editGroup(); });
    onCommand(kActivateButton, BN_CLICKED, [this] { activateGroup(); });
}

BOOL CDlgSelectDstvPointsFile::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    setNumberedItemTexts(*this, {{kFrame, kFrameText},
                                 {kEditButton, kEditText},
                                 {kActivateButton, kActivateText},
                                 {IDCANCEL, kCloseText}});
    groups_.SubclassDlgItem(kGroupCombo, this);
    attachIconButton(addButton_, this, kAddButton, kAddIcon, dialString(kAddTip).str());
    attachIconButton(deleteButton_, this, kDeleteButton, kDeleteIcon, dialString(kDeleteTip).str());
    fill(0);
    return TRUE;
}

void CDlgSelectDstvPointsFile::fill(int index) {
    groups_.ResetContent();
    Vdn_StringArray names;
    points_.getAllDstvPointsFiles(names);
    for (const Vdn_String& name : names)
        groups_.AddString(name.str());
    const Vdn_String standard = points_.getStandardDstvPointsFile();
    if (!standard.isEmpty()) {
        const Vdn_String title = removeExtension(standard.substr(getPath(standard).length()));
        const int inUse = names.find(title, false);
        if (inUse >= 0)
            groups_.SetCheck(inUse, TRUE);
    }
    const int chosen = names.isEmpty() ? -1 : std::clamp(index, 0, names.length() - 1);
    groups_.SetCurSel(chosen);
    for (const int id : {kDeleteButton, kEditButton, kActivateButton}) {
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(chosen >= 0 ? TRUE : FALSE);
    }
}

Vdn_String CDlgSelectDstvPointsFile::selectedName() const {
    const int chosen = groups_.GetCurSel();
    return chosen >= 0 ? Vdn_String(groups_.GetLBText(chosen)) : Vdn_String();
}

void CDlgSelectDstvPointsFile::addGroup() {
    Vdn_DlgPromptString prompt(this);
    prompt.caption = dialString(kPromptCaption);
    prompt.label = dialString(kNameText);
    prompt.value = dialString(kProposedName);
    if (prompt.DoModal() != IDOK)
        return;
    const Vdn_String name = prompt.value.trim();
    if (name.isEmpty() || hasInvalidFileNameChars(name)) {
        warn(dialString(kNameEmpty), kNameTakenCaption);
        return;
    }
    // Names differing only in case would be one file on some systems and two on others.
    if (points_.exists(name)) {
        warn(dialString(kNameTakenFirst) + L".\n" + dialString(kNameTakenSecond) + L".",
             kNameTakenCaption);
        return;
    }
    if (!points_.writeToFile(name, {})) {
        warn(dialString(kCannotWrite) + L":\n" + Vdn_String::fromUtf8(points_.lastError()),
             kCaption);
        return;
    }
    Vdn_StringArray names;
    points_.getAllDstvPointsFiles(names);
    fill(names.find(name, false));
}

void CDlgSelectDstvPointsFile::deleteGroup() {
    const Vdn_String name = selectedName();
    if (name.isEmpty())
        return;
    points_.deleteFile(name);
    fill(groups_.GetCurSel());
}

void CDlgSelectDstvPointsFile::editGroup() {
    const Vdn_String name = selectedName();
    if (name.isEmpty())
        return;
    CDlgEditDstvPoints editor(this);
    // A group that does not read is never offered for saving over its file.
    if (!points_.readFromFile(name, editor.points_)) {
        warn(dialString(kCannotRead) + L":\n" + Vdn_String::fromUtf8(points_.lastError()),
             kCaption);
        return;
    }
    if (editor.DoModal() != IDOK)
        return;
    if (!points_.writeToFile(name, editor.points_))
        warn(dialString(kCannotWrite) + L":\n" + Vdn_String::fromUtf8(points_.lastError()),
             kCaption);
}

void CDlgSelectDstvPointsFile::activateGroup() {
    const Vdn_String name = selectedName();
    if (name.isEmpty())
        return;
    const int chosen = groups_.GetCurSel();
    if (!points_.setStandardDstvPointsFile(name))
        warn(dialString(kCannotWrite), kCaption);
    fill(chosen);
}

void CDlgSelectDstvPointsFile::warn(const Vdn_String& text, int captionText) {
    MessageBox(text.str(), dialString(captionText).str(), MB_OK | MB_ICONEXCLAMATION);
}
