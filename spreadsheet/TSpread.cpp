#include "spreadsheet/TSpread.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/grid/sheet/Sheet.h"
#include "spreadsheet/SpreadClipboard.h"

#include <algorithm>
#include <cwctype>

// The window, the control-wide settings, user input, files and the clipboard. Cells, types,
// layout and structure are in TSpreadCells.cpp.

TSpread::TSpread() : sheet_(std::make_unique<grid::Sheet>()) {}

TSpread::~TSpread() = default;

BOOL TSpread::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(kClassName, L"", style, rect, parent, id);
}

void TSpread::resetSettings() {
    enterAction_ = 0;
    appearance_ = 0;
    backColorStyle_ = 0;
    selBackground_ = 0x6A240A;
    selForeground_ = 0xFFFFFF;
    grayBackground_ = kButtonFaceColour;
    grayForeground_ = 0;
    lockBackground_ = 0xFFFFFF;
    lockForeground_ = 0;
    intSettings_.clear();
    actionKeys_.clear();
    highlightStyle_ = 0;
    noteIndicator_ = 0;
    textTip_ = TextTip();
}

void TSpread::SSReset() {
    sheet_ = std::make_unique<grid::Sheet>();
    resetSettings();
    Invalidate();
}

int TSpread::SSGetMaxCols() const {
    return sheet_->maxCols();
}

int TSpread::SSGetMaxRows() const {
    return sheet_->maxRows();
}

bool TSpread::SSSetMaxCols(int cols) {
    return sheet_->setMaxCols(cols);
}

bool TSpread::SSSetMaxRows(int rows) {
    return sheet_->setMaxRows(rows);
}

bool TSpread::SSSetBool(int index, bool on) {
    return sheet_->setOption(index, on);
}

bool TSpread::SSGetBool(int index) const {
    return sheet_->option(index);
}

void TSpread::SSSetSelColor(COLORREF background, COLORREF foreground) {
    selBackground_ = background;
    selForeground_ = foreground;
}

void TSpread::SSGetSelColor(COLORREF& background, COLORREF& foreground) const {
    background = selBackground_;
    foreground = selForeground_;
}

void TSpread::SSSetGrayAreaColor(COLORREF background, COLORREF foreground) {
    grayBackground_ = background;
    grayForeground_ = foreground;
}

void TSpread::SSGetGrayAreaColor(COLORREF& background, COLORREF& foreground) const {
    background = grayBackground_;
    foreground = grayForeground_;
}

void TSpread::SSSetLockColor(COLORREF background, COLORREF foreground) {
    lockBackground_ = background;
    lockForeground_ = foreground;
}

void TSpread::SSGetLockColor(COLORREF& background, COLORREF& foreground) const {
    background = lockBackground_;
    foreground = lockForeground_;
}

int TSpread::SSGetIntSetting(int index) const {
    const auto found = intSettings_.find(index);
    return found == intSettings_.end() ? 0 : found->second;
}

void TSpread::SSSetActionKey(int action, bool shift, bool control, UINT key) {
    actionKeys_[action] = {shift, control, key};
}

bool TSpread::SSGetActionKey(int action, bool& shift, bool& control, UINT& key) const {
    const auto found = actionKeys_.find(action);
    if (found == actionKeys_.end())
        return false;
    shift = found->second.shift;
    control = found->second.control;
    key = found->second.key;
    return true;
}

void TSpread::SSSetTextTip(int status, int delay, const CFont* font, COLORREF background,
                           COLORREF foreground) {
    textTip_.status = status;
    textTip_.delay = delay;
    textTip_.font = font ? *font : CFont();
    textTip_.background = background;
    textTip_.foreground = foreground;
}

void TSpread::SSGetScrollBarSize(int& verticalWidth, int& horizontalHeight) const {
    verticalWidth = kScrollBarSize;
    horizontalHeight = kScrollBarSize;
}

bool TSpread::SSSetRefStyle(int style) {
    if (style < 0 || style > 2)
        return false;
    sheet_->setReferenceStyle(static_cast<grid::ReferenceStyle>(style));
    return true;
}

bool TSpread::SSSetGridType(int type) {
    if (type < 0 || type > 0xFFFF)
        return false;
    sheet_->setGridLines(type, sheet_->gridColour());
    return true;
}

int TSpread::SSGetGridType() const {
    return sheet_->gridType();
}

void TSpread::SSSetGridColor(COLORREF colour) {
    sheet_->setGridLines(sheet_->gridType(), colour);
}

COLORREF TSpread::SSGetGridColor() const {
    return sheet_->gridColour();
}

bool TSpread::SSReCalcCell(int col, int row) {
    grid::CellRef ref;
    return toRef(col, row, ref) && sheet_->recalculateCell(ref);
}

bool TSpread::SSAddCustomFunctionExt(const std::wstring& name, int minArgs, int maxArgs,
                                     grid::CustomFunction::Callback callback, long flags) {
    grid::CustomFunction function;
    function.name = name;
    function.minArgs = minArgs;
    function.maxArgs = maxArgs;
    function.cellArgsAsReferences = (flags & kCustomFunctionWantsCellRefs) != 0;
    function.callback = std::move(callback);
    return sheet_->addCustomFunction(std::move(function));
}

// --- files ---------------------------------------------------------------------------------------

namespace {

bool isCsvName(const std::filesystem::path& path) {
    // The native (UTF-8) name: a wide conversion depends on a locale and throws outside it.
    std::string extension = path.extension().native();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return extension == ".csv";
}

} // namespace

bool TSpread::SSLoadFromFile(const std::wstring& name) {
    const auto path = core::resolveExisting(Vdn_String(name));
    if (!path)
        return false;
    const grid::Result result =
        isCsvName(*path) ? sheet_->importCsv(*path) : sheet_->loadTfs(*path);
    Invalidate();
    return result.ok();
}

bool TSpread::SSSaveToFile(const std::wstring& name, bool dataOnly) const {
    const std::filesystem::path path = core::resolveForWriting(Vdn_String(name));
    return (isCsvName(path) ? sheet_->exportCsv(path) : sheet_->saveTfs(path, dataOnly)).ok();
}

// --- clipboard -----------------------------------------------------------------------------------

bool TSpread::SSClipboardCopy() const {
    int col = 0, row = 0, col2 = 0, row2 = 0;
    if (SSGetSelectBlock(col, row, col2, row2)) {
        col = col < 1 ? 1 : col;
        row = row < 1 ? 1 : row;
        col2 = col2 < 1 ? SSGetMaxCols() : col2;
        row2 = row2 < 1 ? SSGetMaxRows() : row2;
    } else if (SSGetActiveCell(col, row)) {
        col2 = col;
        row2 = row;
    } else {
        return false;
    }
    if (col > col2 || row > row2)
        return false;
    std::vector<std::vector<std::wstring>> rows;
    for (int r = row; r <= row2; ++r) {
        std::vector<std::wstring> texts;
        for (int c = col; c <= col2; ++c) {
            std::wstring text;
            if (SSGetFormula(c, r, text) && !text.empty())
                text = L"=" + text;
            else if (!SSGetValue(c, r, text))
                SSGetData(c, r, text);
            texts.push_back(std::move(text));
        }
        rows.push_back(std::move(texts));
    }
    SpreadClipboard::instance().set(std::move(rows));
    return true;
}

bool TSpread::SSClipboardPaste() {
    const auto& rows = SpreadClipboard::instance().rows();
    int col = 0, row = 0, col2 = 0, row2 = 0;
    if (SSGetSelectBlock(col, row, col2, row2)) {
        col = col < 1 ? 1 : col;
        row = row < 1 ? 1 : row;
    } else if (!SSGetActiveCell(col, row)) {
        return false;
    }
    if (rows.empty())
        return false;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const int targetCol = col + static_cast<int>(c);
            const int targetRow = row + static_cast<int>(r);
            if (targetCol > SSGetMaxCols() || targetRow > SSGetMaxRows() ||
                SSGetLock(targetCol, targetRow))
                continue;
            const std::wstring& text = rows[r][c];
            if (!text.empty() && text.front() == L'=')
                SSSetFormula(targetCol, targetRow, text);
            else
                SSSetData(targetCol, targetRow, text);
        }
    }
    Invalidate();
    return true;
}

// --- user input ----------------------------------------------------------------------------------

void TSpread::notifyUserChange(UINT code) {
    if (GetSafeHwnd() == nullptr)
        return;
    SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(GetDlgCtrlID()), code),
                reinterpret_cast<LPARAM>(this));
    notifyParent(code);
}

LRESULT TSpread::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_RBUTTONDOWN) {
        // Queued mouse input meets PreTranslateMessage of the window and its parents first.
        MSG msg{this, message, wParam, lParam};
        for (CWnd* window = this; window != nullptr; window = window->GetParent()) {
            if (window->PreTranslateMessage(&msg))
                return 0;
            if ((window->GetStyle() & WS_CHILD) == 0)
                break;
        }
        if (GetSafeHwnd() == nullptr)
            return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
