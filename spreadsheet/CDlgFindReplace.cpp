#include "spreadsheet/CDlgFindReplace.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "spreadsheet/Vdn_Spread.h"

namespace {

constexpr int kEndReached = 1142;
constexpr int kGoOnFromStart = 1143;
constexpr int kFindCaption = 1144;
constexpr int kNotFound = 1145;
constexpr int kNotFoundCaption = 1146;
constexpr int kReplacedBefore = 1147;
constexpr int kReplacedAfter = 1148;
constexpr int kReplacedEnd = 1149;

} // namespace

CDlgFindReplace::CDlgFindReplace(Vdn_Spread& spread) : CDialog(IDD), spread_(spread) {
    onCommand(kReplaceButton, BN_CLICKED, [this] { replaceNext(); });
    onCommand(kReplaceAllButton, BN_CLICKED, [this] { replaceAll(); });
}

BOOL CDlgFindReplace::OnInitDialog() {
    CDialog::OnInitDialog();
    ChangeDlgSize(this, kSizeKey);
    return TRUE;
}

void CDlgFindReplace::OnOK() {
    findNext();
}

void CDlgFindReplace::OnCancel() {
    DestroyWindow();
}

void CDlgFindReplace::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CDialog::OnDestroy();
}

Vdn_String CDlgFindReplace::findText() const {
    std::wstring text;
    GetDlgItemText(kFindEdit, text);
    return Vdn_String(std::move(text));
}

void CDlgFindReplace::searchStart(int& col, int& row, int& pos) const {
    int c = 0;
    int r = 0;
    if (!spread_.SSGetActiveCell(c, r) || c < 1 || r < 1 || c > spread_.maxCols() ||
        r > spread_.maxRows()) {
        col = 1;
        row = 1;
        pos = -1;
        return;
    }
    col = c;
    row = r;
    if (spread_.SSGetEditMode()) {
        int start = 0;
        int length = 0;
        spread_.SSGetEditSel(start, length);
        // After a selected hit, or from the caret.
        pos = length > 0 ? start : start - 1;
    } else {
        Vdn_String value;
        spread_.getCellText(c, r, value, Vdn_Spread::kCellValue);
        pos = value.length();
    }
}

bool CDlgFindReplace::selectionIsHit(const Vdn_String& text) const {
    int col = 0;
    int row = 0;
    if (!spread_.SSGetEditMode() || !spread_.SSGetActiveCell(col, row))
        return false;
    int start = 0;
    int length = 0;
    spread_.SSGetEditSel(start, length);
    Vdn_String value;
    return length == text.length() &&
           spread_.getCellText(col, row, value, Vdn_Spread::kCellValue) &&
           value.substr(start, length) == text;
}

bool CDlgFindReplace::findNext() {
    const Vdn_String text = findText();
    if (text.isEmpty())
        return false;
    int col = 0;
    int row = 0;
    int pos = 0;
    searchStart(col, row, pos);
    const bool wholeSheet = col == 1 && row == 1 && pos == -1;
    if (spread_.findNext(text, col, row, pos))
        return spread_.selectInCell(text, col, row, pos);
    if (!wholeSheet) {
        const int answer =
            MessageBox((dialString(kEndReached) + L"\n" + dialString(kGoOnFromStart)).str(),
                       dialString(kFindCaption).str(), MB_YESNO | MB_ICONQUESTION);
        if (answer != IDYES)
            return false;
        col = 1;
        row = 1;
        pos = -1;
        if (spread_.findNext(text, col, row, pos))
            return spread_.selectInCell(text, col, row, pos);
    }
    MessageBox(dialString(kNotFound).str(), dialString(kNotFoundCaption).str(),
               MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool CDlgFindReplace::replaceNext() {
    const Vdn_String text = findText();
    if (text.isEmpty())
        return false;
    if (!selectionIsHit(text) && !findNext())
        return false;
    std::wstring replacement;
    GetDlgItemText(kReplaceEdit, replacement);
    spread_.replaceSelection(Vdn_String(std::move(replacement)));
    int col = 0;
    int row = 0;
    int pos = 0;
    searchStart(col, row, pos);
    if (spread_.findNext(text, col, row, pos))
        spread_.selectInCell(text, col, row, pos);
    return true;
}

int CDlgFindReplace::replaceAll() {
    const Vdn_String text = findText();
    if (text.isEmpty())
        return 0;
    std::wstring replacement;
    GetDlgItemText(kReplaceEdit, replacement);
    const Vdn_String replace(std::move(replacement));
    // Selected characters would no longer be what they were.
    spread_.SSSetEditMode(false);
    int count = 0;
    for (int row = 1; row <= spread_.maxRows(); ++row) {
        for (int col = 1; col <= spread_.maxCols(); ++col) {
            const int replaced = spread_.replaceInCell(col, row, text, replace);
            if (replaced > 0)
                count += replaced;
        }
    }
    MessageBox((dialString(kReplacedBefore) + L" " + Vdn_String(count) + L" " +
                dialString(kReplacedAfter) + L" " + dialString(kReplacedEnd))
                   .str(),
               dialString(kFindCaption).str(), MB_OK | MB_ICONINFORMATION);
    return count;
}
