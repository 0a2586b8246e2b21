#include "macro/cuts/CutParameterGrid.h"

#include "macro/cuts/CutTexts.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/core/text/StringHelpers.h"

namespace {

constexpr int kValueHeader = 86;
// Pixels of the name and flag columns; the values take what is left.
constexpr int kNameWidth = 190;
constexpr int kFlagWidth = 90;

} // namespace

Vdn_String CutParameterGrid::displayName(const Vdn_String& parameterName) {
    struct Shown {
        const wchar_t* name;
        int text;
        const wchar_t* suffix;
    };
    static constexpr Shown kShown[] = {
        {L"Offset", cuts::kOffsetText, L""},
        {L"PolyOffset", cuts::kOffsetText, L""},
        {L"LengthOffset", cuts::kLengthOffsetText, L""},
        {L"CenterOffset", cuts::kCentreOffsetText, L""},
        {L"InsideOffset", cuts::kInsideOffsetText, L""},
        {L"OutsideOffset", cuts::kOutsideOffsetText, L""},
        {L"Offset1", cuts::kOutsideOffsetText, L" 1"},
        {L"Offset2", cuts::kOutsideOffsetText, L" 2"},
        {L"Radius", cuts::kRadiusText, L""},
    };
    for (const Shown& shown : kShown) {
        if (parameterName == shown.name)
            return dialString(shown.text) + shown.suffix;
    }
    return parameterName;
}

bool CutParameterGrid::attach(CWnd* dialog, int placeholderId) {
    if (!spread_.attachToDlgItem(dialog, placeholderId) || !spread_.setStandardLook(0))
        return false;
    spread_.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
    spread_.setMaxCols(kFlagColumn);
    spread_.setColumnNames({dialString(cuts::kParameterHeader), dialString(kValueHeader),
                            dialString(cuts::kInDialogHeader)});
    spread_.setHeaderFonts();
    spread_.setSizeColumns({kNameColumn, kFlagColumn, Vdn_Spread::kHeader},
                           {kNameWidth, kFlagWidth, TSpread::kScrollBarSize + 2});
    spread_.setSizeMode(5);
    return true;
}

void CutParameterGrid::fill(const Vdn_StringArray& names, const Vdn_StringArray& values,
                            const Vdn_Array<bool>& flags) {
    const int rows = names.length();
    spread_.setMaxRows(rows);
    if (rows == 0)
        return;
    spread_.clearRows(1, rows);
    spread_.setEditCells(kValueColumn, 1, kValueColumn, rows, Vdn_Spread::kEditStyle, 0);
    spread_.setCheckBoxColumn(kFlagColumn);
    for (int row = 1; row <= rows; ++row) {
        const int i = row - 1;
        spread_.setCellText(kNameColumn, row, displayName(names[i]));
        spread_.setCellText(kValueColumn, row, i < values.length() ? values[i] : Vdn_String(L"0"));
        spread_.setCheck(kFlagColumn, row, i < flags.length() && flags[i]);
    }
    spread_.lockColumn(kNameColumn);
    spread_.setAllFonts();
}

void CutParameterGrid::read(int count, Vdn_StringArray& values, Vdn_Array<bool>& flags) const {
    while (values.length() < count)
        values.append(L"0");
    while (flags.length() < count)
        flags.append(false);
    for (int row = 1; row <= count && row <= spread_.maxRows(); ++row) {
        Vdn_String text;
        spread_.getCellText(kValueColumn, row, text, Vdn_Spread::kCellValue);
        text = text.trim();
        if (isNumber(text))
            values[row - 1] = text;
        bool checked = false;
        if (spread_.getCheck(kFlagColumn, row, checked))
            flags[row - 1] = checked;
    }
}
