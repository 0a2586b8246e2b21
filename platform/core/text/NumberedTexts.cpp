#include "platform/core/text/NumberedTexts.h"

#include "platform/core/files/TextTable.h"
#include "platform/core/settings/Vdn_Settings.h"

#include <array>
#include <optional>

namespace {

// The tables read so far, one per language; the module runs on one thread.
std::array<std::optional<core::TextTable>, Vdn_Settings::kLanguageCount> gTables;
Vdn_StringArray gDiagnostics;

const core::TextTable& tableOf(int language) {
    std::optional<core::TextTable>& table = gTables[static_cast<std::size_t>(language)];
    if (!table) {
        table.emplace();
        table->load(gSettings.resourceDir() + L"/texts/" + Vdn_Settings::languageCode(language) +
                    L".txt");
        gDiagnostics.append(table->diagnostics());
    }
    return *table;
}

Vdn_String lookUp(int language, core::TextTable::Table which, int number) {
    if (language < 0 || language >= Vdn_Settings::kLanguageCount)
        language = Vdn_Settings::Dutch;
    if (const std::optional<Vdn_String> text = tableOf(language).text(which, number))
        return *text;
    return L"#" + Vdn_String(number);
}

} // namespace

Vdn_String dialString(int number) {
    return lookUp(gSettings.workLanguage(), core::TextTable::Table::Dialog, number);
}

Vdn_String string(int number) {
    return lookUp(gSettings.workLanguage(), core::TextTable::Table::Strings, number);
}

Vdn_StringArray dialStringAllLangs(int number) {
    Vdn_StringArray texts;
    for (int language = 0; language < Vdn_Settings::kLanguageCount; ++language)
        texts.append(lookUp(language, core::TextTable::Table::Dialog, number));
    return texts;
}

namespace core {

Vdn_StringArray numberedTextDiagnostics() {
    for (int language = 0; language < Vdn_Settings::kLanguageCount; ++language)
        tableOf(language);
    return gDiagnostics;
}

void reloadNumberedTexts() {
    for (auto& table : gTables)
        table.reset();
    gDiagnostics.clear();
}

} // namespace core
