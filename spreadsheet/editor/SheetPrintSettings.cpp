#include "spreadsheet/editor/SheetPrintSettings.h"

#include "platform/ui/windows/CFont.h"
#include "spreadsheet/Vdn_Spread.h"
#include "spreadsheet/editor/TfSSRegistrySets.h"
#include "spreadsheet/editor/TfSSSettings.h"

#include <algorithm>

namespace {

constexpr int kColumns = 6;
constexpr int kRows = 11;
constexpr int kTextLength = 100;
// The control's options an output sheet needs, in this order.
constexpr int kOutputOptions[] = {12, 25, 7, 21};

CFont makeFont(const Vdn_String& face, int height, int weight) {
    CFont font;
    font.CreateFont(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face.str());
    return font;
}

// The named settings, else the editor's default settings, else the defaults.
TfSSSettings loadPrintSettings(const Vdn_String& settingsName) {
    TfSSSettings settings;
    if (settings.loadFile(settingsName))
        return settings;
    TfSSRegistrySets editorSettings;
    editorSettings.read();
    settings.loadFile(editorSettings.defaultSettings);
    return settings;
}

} // namespace

bool prepareSheetWithPrintSettings(Vdn_Spread& sheet, const Vdn_String& settingsName) {
    if (!sheet.isAttached())
        return false;
    for (const int option : kOutputOptions)
        sheet.SSSetBool(option, true);
    if (!sheet.setMaxCols(kColumns) || !sheet.setMaxRows(kRows) ||
        !sheet.setEditCells(1, 1, kColumns, kRows, Vdn_Spread::kEditStyle, kTextLength))
        return false;

    const TfSSSettings settings = loadPrintSettings(settingsName);
    if (!settings.writeToSheet(sheet))
        return false;

    if (settings.defaultFont.isEmpty() || settings.defaultTextHeight <= 0)
        return true;
    const Vdn_String& face = settings.defaultFont;
    const int height = settings.defaultTextHeight;
    sheet.SSSetFontRange(1, 1, kColumns, kRows, makeFont(face, height, FW_NORMAL));
    const CFont bold = makeFont(face, height, FW_BOLD);
    sheet.SSSetFontRange(1, Vdn_Spread::kHeader, kColumns, Vdn_Spread::kHeader, bold);
    sheet.SSSetFontRange(Vdn_Spread::kHeader, 1, Vdn_Spread::kHeader, kRows, bold);
    // Rows and columns added later get the font the settings gave the first ones.
    sheet.fontName = face;
    sheet.fontSize = height;
    return true;
}

bool storePrintVariables(Vdn_Spread& sheet, const Vdn_StringArray& names,
                         const Vdn_StringArray& values, Vdn_StringArray* refused) {
    TfSSSettings settings;
    settings.readFromSheet(sheet);
    settings.varNames = Vdn_StringArray();
    settings.varValues = Vdn_StringArray();
    // U+00A4 separates the settings' fields: a variable holding it cannot be stored, but it
    // must not take the others with it.
    const auto carriable = [](const Vdn_String& text) {
        return text.str().find(L'\u00A4') == std::wstring::npos;
    };
    const int count = std::min(names.length(), values.length());
    for (int i = 0; i < count; ++i) {
        if (!carriable(names[i]) || !carriable(values[i])) {
            if (refused != nullptr)
                refused->append(names[i]);
            continue;
        }
        settings.varNames.append(names[i]);
        settings.varValues.append(values[i]);
    }
    return settings.writeToSheet(sheet);
}
