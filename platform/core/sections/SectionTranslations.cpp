#include "platform/core/sections/SectionTranslations.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/grid/sheet/TextLocation.h"

namespace {

bool holdsBreak(const Vdn_String& text) {
    return text.str().find_first_of(L"\t\r\n") != std::wstring::npos;
}

void tell(Vdn_String* problem, const Vdn_String& text) {
    if (problem != nullptr)
        *problem = text;
}

} // namespace

bool parseSectionTranslation(const Vdn_StringArray& lines, Vdn_StringArray& names,
                             Vdn_StringArray& translations, Vdn_String* problem) {
    Vdn_StringArray readNames;
    Vdn_StringArray readTranslations;
    Vdn_Array<int> lineOf;
    for (int i = 0; i < lines.length(); ++i) {
        const Vdn_String line = lines[i];
        if (line.trim().isEmpty() || line.trim().startsWith(L"#", true))
            continue;
        const int tab = line.find(L"\t");
        const Vdn_String name = (tab < 0 ? line : line.substr(0, tab)).trim();
        const Vdn_String translation = tab < 0 ? Vdn_String() : line.substr(tab + 1).trim();
        const auto where = [i](const Vdn_String& why) {
            return Vdn_String(
                grid::formatDiagnostic({}, grid::TextLocation::atLine(i + 1), why.str()));
        };
        if (name.isEmpty()) {
            tell(problem, where(L"a translation without a name"));
            return false;
        }
        if (holdsBreak(name) || holdsBreak(translation)) {
            tell(problem, where(L"more than one tab"));
            return false;
        }
        const int earlier = readNames.find(name, false);
        if (earlier >= 0) {
            tell(problem, where(L"\"" + name + L"\" is named before, on line " +
                                Vdn_String(lineOf[earlier] + 1)));
            return false;
        }
        readNames.append(name);
        readTranslations.append(translation);
        lineOf.append(i);
    }
    names = readNames;
    translations = readTranslations;
    tell(problem, Vdn_String());
    return true;
}

bool readSectionTranslation(const Vdn_String& path, Vdn_StringArray& names,
                            Vdn_StringArray& translations, Vdn_String* problem) {
    if (!core::resolveExisting(path)) {
        names = Vdn_StringArray();
        translations = Vdn_StringArray();
        tell(problem, Vdn_String());
        return true;
    }
    Vdn_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) {
        tell(problem, L"the file cannot be read");
        return false;
    }
    return parseSectionTranslation(lines, names, translations, problem);
}

Vdn_StringArray sectionTranslationLines(const Vdn_StringArray& names,
                                        const Vdn_StringArray& translations) {
    Vdn_StringArray lines;
    lines.append(L"# name<TAB>translation");
    for (int i = 0; i < names.length() && i < translations.length(); ++i)
        lines.append(names[i].trim() + L"\t" + translations[i].trim());
    return lines;
}

Vdn_String checkSectionTranslation(const Vdn_StringArray& names,
                                   const Vdn_StringArray& translations) {
    if (names.length() != translations.length())
        return L"the names and translations do not pair up";
    for (int i = 0; i < names.length(); ++i) {
        const Vdn_String name = names[i].trim();
        if (name.isEmpty())
            return L"pair " + Vdn_String(i + 1) + L": a translation without a name";
        if (name.startsWith(L"#", true))
            return L"\"" + name + L"\": a name cannot start with #, which starts a comment";
        if (holdsBreak(names[i]) || holdsBreak(translations[i]))
            return L"\"" + name + L"\": a tab or line break cannot be stored";
        for (int j = 0; j < i; ++j) {
            if (names[j].trim().equal(name, false))
                return L"\"" + name + L"\" is named twice";
        }
    }
    return Vdn_String();
}

bool saveSectionTranslation(const Vdn_String& path, const Vdn_StringArray& names,
                            const Vdn_StringArray& translations, Vdn_String* problem) {
    const Vdn_String refused = checkSectionTranslation(names, translations);
    if (!refused.isEmpty()) {
        tell(problem, refused);
        return false;
    }
    if (!ObjectExportWriteFile(path, sectionTranslationLines(names, translations))) {
        tell(problem, L"the file cannot be written");
        return false;
    }
    tell(problem, Vdn_String());
    return true;
}
