#include "platform/grid/files/CsvWriter.h"

#include "platform/grid/files/TextCodec.h"
#include "platform/grid/sheet/CellText.h"

namespace grid {

namespace {

std::wstring field(CellRef ref, const Cell& cell) {
    if (cell.formula)
        return L"=" + cell.formula->text(ref, ReferenceStyle::A1);
    if (auto text = CellText::value(cell))
        return std::move(*text);
    return CellText::formatted(cell);
}

// Any of the separators a reader might detect is quoted, not only the one in use, so that a
// field holding a ';' cannot make a reader split a ','-separated file at ';'. A leading U+FEFF
// is quoted too: at the start of the file a reader would take it for a byte-order mark and
// drop it, and the text after it could then read as a formula.
std::wstring quotedIfNeeded(const std::wstring& text) {
    const bool needed = text.find_first_of(L",;\t\"\r\n") != std::wstring::npos ||
                        (!text.empty() && (text.front() == L' ' || text.back() == L' ' ||
                                           text.front() == L'\uFEFF'));
    if (!needed)
        return text;
    std::wstring out = L"\"";
    for (const wchar_t ch : text) {
        if (ch == L'"')
            out += L'"';
        out += ch;
    }
    out += L'"';
    return out;
}

} // namespace

std::string CsvWriter::write(const SheetModel& model, wchar_t separator) {
    std::string out;
    for (int row = 1; row <= model.maxRows; ++row) {
        std::wstring line;
        for (int col = 1; col <= model.maxCols; ++col) {
            if (col > 1)
                line += separator;
            if (const Cell* cell = model.cells.find({col, row}))
                line += quotedIfNeeded(field({col, row}, *cell));
        }
        line += L"\r\n";
        out += TextCodec::encodeUtf8(line);
    }
    return out;
}

} // namespace grid
