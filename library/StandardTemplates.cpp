#include "library/StandardTemplates.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/grid/sheet/TextLocation.h"

#include <string>

namespace {

// Templates 1 to 17 are named by texts 719 to 735, 18 to 24 by 1677 to 1683.
constexpr int kFirstNames = 719;
constexpr int kFirstBlock = 17;
constexpr int kSecondNames = 1677;

// The whole text as a number from 1 to limit, else 0.
int smallNumber(const Vdn_String& text, int limit) {
    const std::wstring& s = text.str();
    if (s.empty() || s.size() > 3)
        return 0;
    int value = 0;
    for (const wchar_t c : s) {
        if (c < L'0' || c > L'9')
            return 0;
        value = value * 10 + (c - L'0');
    }
    return value >= 1 && value <= limit ? value : 0;
}

Vdn_StringArray words(const Vdn_String& text) {
    Vdn_StringArray list;
    std::wstring word;
    for (const wchar_t c : text.str() + L" ") {
        if (c == L' ') {
            if (!word.empty())
                list.append(Vdn_String(word));
            word.clear();
        } else {
            word += c;
        }
    }
    return list;
}

} // namespace

Vdn_String StandardTemplates::displayName(int number) {
    if (number < 1 || number > kCount)
        return {};
    const int text =
        number <= kFirstBlock ? kFirstNames + number - 1 : kSecondNames + number - kFirstBlock - 1;
    return L"<" + dialString(text) + L">";
}

int StandardTemplates::numberOf(const Vdn_String& templateName) {
    return smallNumber(templateName.trim(), kCount);
}

Vdn_String StandardTemplates::libraryPath() {
    return gSettings.libDir() + L"prof\\StandardTemplates.txt";
}

StandardTemplates StandardTemplates::ofLibrary() {
    StandardTemplates templates;
    Vdn_String problem;
    templates.read(libraryPath(), problem);
    return templates;
}

bool StandardTemplates::read(const Vdn_String& path, Vdn_String& problem) {
    Vdn_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) {
        problem = path + L": cannot be read";
        return false;
    }
    if (readLines(lines, problem))
        return true;
    problem = path + L": " + problem;
    return false;
}

bool StandardTemplates::readLines(const Vdn_StringArray& lines, Vdn_String& problem) {
    Vdn_Array<SectionTemplate> read;
    for (int i = 0; i < lines.length(); ++i) {
        const Vdn_String line = lines[i];
        if (line.trim().isEmpty() || line.str().front() == L'#')
            continue;
        const auto fail = [&](const wchar_t* why) {
            problem = Vdn_String(grid::formatDiagnostic(
                {}, grid::TextLocation::atLine(static_cast<std::size_t>(i) + 1), why));
            return false;
        };
        Vdn_StringArray fields;
        std::wstring field;
        for (const wchar_t c : line.str() + L"\t") {
            if (c == L'\t') {
                fields.append(Vdn_String(field));
                field.clear();
            } else {
                field += c;
            }
        }
        if (fields.length() != 3)
            return fail(L"expected number, value names and name order, separated by tabs");
        SectionTemplate entry;
        entry.number = smallNumber(fields[0].trim(), kCount);
        if (entry.number == 0)
            return fail(L"the template number is not from 1 to 24");
        for (const SectionTemplate& earlier : read) {
            if (earlier.number == entry.number)
                return fail(L"the template is defined twice");
        }
        entry.valueNames = words(fields[1]);
        if (entry.valueNames.isEmpty())
            return fail(L"the template has no value names");
        for (const Vdn_String& position : words(fields[2])) {
            const int value = smallNumber(position, entry.valueNames.length());
            if (value == 0)
                return fail(L"the name order names a value the template does not have");
            entry.nameOrder.append(value - 1);
        }
        read.append(std::move(entry));
    }
    templates_ = std::move(read);
    return true;
}

const SectionTemplate* StandardTemplates::find(int number) const {
    for (const SectionTemplate& entry : templates_) {
        if (entry.number == number)
            return &entry;
    }
    return nullptr;
}
