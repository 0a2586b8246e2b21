#include "library/csp/CspTableFile.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/TextCodec.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace csp {

Vdn_Array<Vdn_StringArray> CspTableFile::parse(std::wstring_view text) {
    Vdn_Array<Vdn_StringArray> rows;
    for (const Vdn_String& line : core::splitLines(text)) {
        Vdn_StringArray cells;
        const std::wstring& whole = line.str();
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = whole.find(kSeparator, start);
            cells.append(Vdn_String(whole.substr(start, end - start)));
            if (end == std::wstring::npos)
                break;
            start = end + 1;
        }
        rows.append(std::move(cells));
    }
    return rows;
}

bool CspTableFile::format(const Vdn_Array<Vdn_StringArray>& rows, std::wstring& text,
                          std::string& problem) {
    std::wstring out;
    for (int row = 0; row < rows.length(); ++row) {
        const Vdn_StringArray& cells = rows[row];
        for (int col = 0; col < cells.length(); ++col) {
            const std::wstring& cell = cells[col].str();
            if (cell.find_first_of(L"\u00BF\r\n") != std::wstring::npos) {
                problem = "row " + std::to_string(row + 1) + ", cell " + std::to_string(col + 1) +
                          " holds '\xC2\xBF' or a line break, which the file cannot keep";
                return false;
            }
            if (col > 0)
                out += kSeparator;
            out += cell;
        }
        out += L'\n';
    }
    text = std::move(out);
    return true;
}

bool CspTableFile::read(const Vdn_String& path, Vdn_Array<Vdn_StringArray>& rows,
                        std::string& problem) {
    const auto resolved = core::resolveExistingFile(path);
    std::error_code error;
    if (!resolved) {
        problem = "there is no file " + path.toUtf8();
        return false;
    }
    if (!std::filesystem::is_regular_file(*resolved, error)) {
        problem = path.toUtf8() + " is not a regular file";
        return false;
    }
    if (std::filesystem::file_size(*resolved, error) > kMaxFileBytes || error) {
        problem = path.toUtf8() + " is larger than a cutting-stock table can be";
        return false;
    }
    const std::optional<std::string> bytes = core::readFileBytes(path, kMaxFileBytes);
    if (!bytes) {
        problem = "cannot read " + path.toUtf8();
        return false;
    }
    // Windows-1252 is a table's own encoding, but a NUL byte is in no text.
    const bool utf16 = bytes->size() >= 2 && (bytes->compare(0, 2, "\xFF\xFE") == 0 ||
                                              bytes->compare(0, 2, "\xFE\xFF") == 0);
    if (const std::size_t nul = bytes->find('\0'); nul != std::string::npos && !utf16) {
        const auto line = std::count(bytes->begin(), bytes->begin() + static_cast<long>(nul), '\n');
        problem = path.toUtf8() + ":" + std::to_string(line + 1) +
                  ": a NUL byte; this is not a cutting-stock table";
        return false;
    }
    rows = parse(core::TextCodec::decode(*bytes));
    return true;
}

bool CspTableFile::write(const Vdn_String& path, const Vdn_Array<Vdn_StringArray>& rows,
                         std::string& problem) {
    std::wstring text;
    if (!format(rows, text, problem))
        return false;
    if (!core::writeTextFile(path, text, core::TextEncoding::Utf8)) {
        problem = "cannot write " + path.toUtf8();
        return false;
    }
    return true;
}

} // namespace csp
