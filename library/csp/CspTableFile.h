#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <string>

namespace csp {

// The cutting-stock table files (".shp" stock, ".buy" lengths to buy): one line a row, the
// cells joined by '¿' (U+00BF). Every cell is kept, empty ones and trailing empty ones too, so
// a row of three cells "12000", "", "" is the line "12000¿¿". Files are written as UTF-8 and
// read in any of the core's encodings (see TextFileHelpers.h).
class CspTableFile {
public:
    static constexpr wchar_t kSeparator = L'\u00BF';
    // Files larger than this are refused before they are read.
    static constexpr std::size_t kMaxFileBytes = 16u * 1024u * 1024u;

    // The rows of the file, all read before any is given back; false, rows untouched and the
    // reason in problem, when the file cannot be read.
    static bool read(const Vdn_String& path, Vdn_Array<Vdn_StringArray>& rows,
                     std::string& problem);
    // Writes the rows; false, the file untouched and the reason in problem, when a cell holds
    // the separator or a line break (the file could not give that row back) or the file
    // cannot be written. The folder must exist.
    static bool write(const Vdn_String& path, const Vdn_Array<Vdn_StringArray>& rows,
                      std::string& problem);

    // The same on text: the lines of a file and back.
    static Vdn_Array<Vdn_StringArray> parse(std::wstring_view text);
    // False, with the reason, for a cell that cannot be written (see write).
    static bool format(const Vdn_Array<Vdn_StringArray>& rows, std::wstring& text,
                       std::string& problem);
};

} // namespace csp
