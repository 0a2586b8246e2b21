#include "platform/core/files/TextTable.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/FieldEscapes.h"
#include "platform/grid/sheet/TextLocation.h"

namespace core {

namespace {

bool isAllDigits(const Vdn_String& text) {
    if (text.isEmpty() || text.length() > 9) // nine digits always fit an int
        return false;
    for (const wchar_t ch : text.str()) {
        if (ch < L'0' || ch > L'9')
            return false;
    }
    return true;
}

} // namespace

void TextTable::parse(const Vdn_StringArray& lines, const Vdn_String& sourceName) {
    std::map<int, Vdn_String>* table = &dialog_;
    const auto report = [&](int index, const Vdn_String& problem) {
        diagnostics_.append(Vdn_String(grid::formatDiagnostic(
            sourceName.str(), grid::TextLocation::atLine(static_cast<std::size_t>(index) + 1),
            problem.str())));
    };
    for (int i = 0; i < lines.length(); ++i) {
        const Vdn_String& line = lines[i];
        const Vdn_String trimmed = line.trim();
        if (trimmed.isEmpty() || trimmed.at(0) == L'#')
            continue;
        if (trimmed.at(0) == L'[') {
            if (trimmed.equal(L"[dialog]", false)) {
                table = &dialog_;
            } else if (trimmed.equal(L"[strings]", false)) {
                table = &strings_;
            } else {
                table = nullptr;
                report(i, L"unknown section " + trimmed + L", its lines are skipped");
            }
            continue;
        }
        if (!table)
            continue;
        const int tab = line.find(L"\t");
        if (tab < 0) {
            report(i, L"line without a tab between number and text");
            continue;
        }
        const Vdn_String numberText = line.substr(0, tab).trim();
        if (!isAllDigits(numberText)) {
            report(i, L"\"" + numberText + L"\" is not a text number");
            continue;
        }
        const std::optional<Vdn_String> text = unescapeField(line.substr(tab + 1));
        if (!text) {
            report(i, L"unknown escape (only \\n, \\t and \\\\ are known)");
            continue;
        }
        const int number = numberText.toInt();
        if (!table->emplace(number, *text).second)
            report(i, L"number " + numberText + L" given twice, the first text is kept");
    }
}

bool TextTable::load(const Vdn_String& path) {
    Vdn_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) {
        diagnostics_.append(path + L": cannot be read");
        return false;
    }
    parse(lines, path);
    return true;
}

std::optional<Vdn_String> TextTable::text(Table table, int number) const {
    const std::map<int, Vdn_String>& texts = table == Table::Dialog ? dialog_ : strings_;
    const auto it = texts.find(number);
    if (it == texts.end())
        return std::nullopt;
    return it->second;
}

int TextTable::size(Table table) const {
    return static_cast<int>(table == Table::Dialog ? dialog_.size() : strings_.size());
}

} // namespace core
