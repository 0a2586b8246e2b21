#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

// The text of section-table files (".pr"), without the file itself (see
// docs/section-tables.md):
//
//     tessa-section-table 1
//     <field><TAB><field>...      one line per row, fields escaped as core::escapeField
//
// An empty line is a row holding one empty text; a row without texts is written the same way.
namespace core {

// The first line of every section-table file.
inline constexpr const wchar_t* kSectionTableHeader = L"tessa-section-table";
inline constexpr int kSectionTableVersion = 1;

// The rows of a file from its lines. False for damage (no header, a version this reader does
// not know, a bad escape); problem then says what and where ("line 4: unknown escape") and
// rows is left unchanged.
bool parseSectionTableLines(const Vdn_StringArray& lines, Vdn_Array<Vdn_StringArray>& rows,
                            Vdn_String& problem);
// The lines of a file holding rows.
Vdn_StringArray sectionTableLines(const Vdn_Array<Vdn_StringArray>& rows);

} // namespace core
