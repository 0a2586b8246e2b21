#pragma once

#include "platform/core/text/Vdn_StringArray.h"

// Translations of profile names for an export: which name an outside program knows a section
// by ("HEA-200" is "HE200A"). Kept in a text file of the library folder, one pair a line (see
// docs/section-translations.md):
//
//     # comment
//     HEA-200<TAB>HE200A
//
// Names are not empty, do not start with '#', are unique without regard to case and hold no
// tab or line break; a
// translation holds no tab or line break and may be empty (the name is then used as it is).

// The file name of the CIS/2 export's translations, in gSettings.libDir().
inline constexpr const wchar_t* kCis2ProfNamesFile = L"CIS2ProfNames.dat";

// Reads the pairs into names and translations (same positions). A missing file holds no pairs.
// False, with both lists unchanged and problem (optional) saying why ("line 4: ..."), when the
// file cannot be read or a line breaks the rules: a damaged file is never offered for editing,
// so an editor cannot write a shortened copy over it.
bool readSectionTranslation(const Vdn_String& path, Vdn_StringArray& names,
                            Vdn_StringArray& translations, Vdn_String* problem = nullptr);

// The pairs of a file's lines, by the rules of readSectionTranslation (the lines unchanged on
// failure, problem naming the line).
bool parseSectionTranslation(const Vdn_StringArray& lines, Vdn_StringArray& names,
                             Vdn_StringArray& translations, Vdn_String* problem = nullptr);
// The lines a file of the pairs holds: a comment, then "name<TAB>translation" a pair.
Vdn_StringArray sectionTranslationLines(const Vdn_StringArray& names,
                                        const Vdn_StringArray& translations);

// Why the pairs cannot be stored (the first problem, naming the pair), or empty when they can.
Vdn_String checkSectionTranslation(const Vdn_StringArray& names,
                                   const Vdn_StringArray& translations);

// Writes the pairs, replacing the file only once it is complete. False, with the file as it
// was and problem (optional) saying why, for pairs checkSectionTranslation refuses and a file
// that cannot be written.
bool saveSectionTranslation(const Vdn_String& path, const Vdn_StringArray& names,
                            const Vdn_StringArray& translations, Vdn_String* problem = nullptr);
