#include "platform/core/sections/SectionTableFormat.h"

#include "platform/core/text/FieldEscapes.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/grid/sheet/TextLocation.h"

namespace core {

namespace {

Vdn_String atLine(int line, const Vdn_String& why) {
    return Vdn_String(grid::formatDiagnostic({}, grid::TextLocation::atLine(line), why.str()));
}

Vdn_String headerLine() {
    return Vdn_String(kSectionTableHeader) + L" " + Vdn_String(kSectionTableVersion);
}

// Checks "tessa-section-table <version>"; an empty problem means the header is good.
Vdn_String headerProblem(const Vdn_StringArray& lines) {
    if (lines.isEmpty())
        return L"empty file, expected the header line";
    Vdn_String name;
    Vdn_String version;
    if (!splitStringAtSymbol(lines[0], L' ', name, version, true) || name != kSectionTableHeader)
        return atLine(1,
                      Vdn_String(L"not a section-table file (expected \"") + headerLine() + L"\")");
    bool ok = false;
    const int number = version.toInt(&ok);
    if (!ok || number < 1)
        return atLine(1, Vdn_String(L"bad version \"") + version + L"\"");
    if (number > kSectionTableVersion)
        return atLine(1, Vdn_String(L"version ") + Vdn_String(number) +
                             L" is newer than this program reads");
    return {};
}

} // namespace

bool parseSectionTableLines(const Vdn_StringArray& lines, Vdn_Array<Vdn_StringArray>& rows,
                            Vdn_String& problem) {
    if (Vdn_String header = headerProblem(lines); !header.isEmpty()) {
        problem = std::move(header);
        return false;
    }
    Vdn_Array<Vdn_StringArray> parsed;
    for (int i = 1; i < lines.length(); ++i) {
        Vdn_StringArray row;
        // An empty line is one empty field, where strToArr would give none.
        const Vdn_StringArray fields =
            lines[i].isEmpty() ? Vdn_StringArray{Vdn_String()} : strToArr(lines[i], L'\t');
        for (const Vdn_String& field : fields) {
            std::optional<Vdn_String> text = unescapeField(field);
            if (!text) {
                problem = atLine(i + 1, L"unknown escape or backslash at the end of a field");
                return false;
            }
            row.append(std::move(*text));
        }
        parsed.append(std::move(row));
    }
    rows = std::move(parsed);
    problem = Vdn_String();
    return true;
}

Vdn_StringArray sectionTableLines(const Vdn_Array<Vdn_StringArray>& rows) {
    Vdn_StringArray lines{headerLine()};
    for (const Vdn_StringArray& row : rows) {
        Vdn_StringArray fields;
        for (const Vdn_String& text : row)
            fields.append(escapeField(text));
        lines.append(arrToStr(fields, L'\t'));
    }
    return lines;
}

} // namespace core
