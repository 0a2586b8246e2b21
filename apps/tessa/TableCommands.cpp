#include "apps/tessa/TableCommands.h"

#include "apps/tessa/ProgramText.h"
#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/sections/SectionTable.h"
#include "platform/core/settings/Vdn_Settings.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace app {

namespace {

struct TableOptions {
    std::string name;
    std::string from;
    std::string newName;
    std::string library;
    bool json = false;
};

// "table "HEA" (/lib/prof/HEA.pr)": which table a message is about, and where its file is.
std::string tableText(const std::string& name) {
    const Vdn_String path = Vdn_ProfValuesTable::filePath(Vdn_String::fromUtf8(name));
    return "table \"" + name + "\" (" + core::toNativePath(path).string() + ")";
}

bool readTable(const TableOptions& options, Vdn_ProfValuesTable& table, std::string& reason) {
    if (!options.library.empty())
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));
    Vdn_String problem;
    if (table.readFromFile(Vdn_String::fromUtf8(options.name), &problem)) {
        if (!problem.isEmpty())
            std::fprintf(stderr, "tessa: %s: damaged rows: %s\n", tableText(options.name).c_str(),
                         utf8(problem).c_str());
        return true;
    }
    reason = tableText(options.name) + ": " + utf8(problem);
    return false;
}

nlohmann::json jsonTexts(const Vdn_StringArray& texts) {
    nlohmann::json list = nlohmann::json::array();
    for (const Vdn_String& text : texts)
        list.push_back(utf8(text));
    return list;
}

// The rows as aligned columns, two blanks apart; no blanks at the end of a line.
void printAligned(const std::vector<Vdn_StringArray>& lines) {
    std::vector<int> widths;
    for (const Vdn_StringArray& line : lines) {
        widths.resize(std::max(widths.size(), static_cast<std::size_t>(line.length())), 0);
        for (int i = 0; i < line.length(); ++i)
            widths[static_cast<std::size_t>(i)] =
                std::max(widths[static_cast<std::size_t>(i)], line[i].length());
    }
    for (const Vdn_StringArray& line : lines) {
        std::wstring text;
        for (int i = 0; i < line.length(); ++i) {
            text += line[i].str();
            if (i + 1 < line.length())
                text.append(static_cast<std::size_t>(widths[static_cast<std::size_t>(i)] -
                                                     line[i].length() + 2),
                            L' ');
        }
        std::printf("%s\n", utf8(text).c_str());
    }
}

int showTable(const TableOptions& options) {
    Vdn_ProfValuesTable table;
    std::string reason;
    if (!readTable(options, table, reason))
        return fail(reason);

    if (options.json) {
        nlohmann::json rows = nlohmann::json::array();
        for (const Vdn_StringArray& row : table.rows)
            rows.push_back(jsonTexts(row));
        printJson({{"table", utf8(table.tableName)},
                   {"template", utf8(table.templateName)},
                   {"columns", jsonTexts(table.columnNames)},
                   {"rows", rows},
                   {"languages", table.getNrLanguages()}});
        return kExitOk;
    }
    std::printf("Table: %s\nTemplate: %s\nLanguages: %d\nSizes: %d\n\n",
                utf8(table.tableName).c_str(), utf8(table.templateName).c_str(),
                table.getNrLanguages(), table.rows.length());
    std::vector<Vdn_StringArray> lines;
    if (!table.columnNames.isEmpty())
        lines.push_back(table.columnNames);
    lines.insert(lines.end(), table.rows.begin(), table.rows.end());
    printAligned(lines);
    return kExitOk;
}

// The name of the work language's user-name column ("Dutch").
Vdn_String workLanguageName() {
    const int language = gSettings.workLanguage();
    return language >= 0 &&
                   language < static_cast<int>(std::size(core::SectionTable::kLanguageNames))
               ? Vdn_String(core::SectionTable::kLanguageNames[language])
               : Vdn_String();
}

int addSize(const TableOptions& options) {
    if (Vdn_String::fromUtf8(options.newName).trim().isEmpty()) {
        std::fprintf(stderr, "tessa: --name: the new size needs a system name\n");
        return kExitUsage;
    }
    Vdn_ProfValuesTable table;
    std::string reason;
    if (!readTable(options, table, reason))
        return fail(reason);

    const Vdn_String from = Vdn_String::fromUtf8(options.from);
    const Vdn_String newName = Vdn_String::fromUtf8(options.newName);
    int index = -1;
    if (!table.findSysName(from, index))
        return fail(tableText(options.name) + ": no size has the system name \"" + options.from +
                    "\"");
    int taken = -1;
    if (table.findSysName(newName, taken))
        return fail(tableText(options.name) + ": a size named \"" +
                    utf8(table.rows[taken][Vdn_ProfValuesTable::kSysNameColumn]) +
                    "\" exists already");
    if (index + 1 >= table.rows.length())
        return fail(tableText(options.name) + ": \"" + options.from +
                    "\" is the last size of the table, and a new size is always inserted "
                    "right after the size it copies, never after the last one; copy another "
                    "size");
    const Vdn_String language = workLanguageName();
    if (table.getColumnIdx(language) < 0)
        return fail(tableText(options.name) + ": the table has no \"" + utf8(language) +
                    "\" column for the work language");

    const Vdn_String userName = table.tableName + newName;
    if (table.insertRow(index, newName, userName) != Acad::eOk)
        return fail(tableText(options.name) + ": the new size could not be inserted after \"" +
                    options.from + "\"");
    Vdn_String problem;
    if (!table.writeToFile(Vdn_String::fromUtf8(options.name), &problem))
        return fail(tableText(options.name) + ": " + utf8(problem));
    const Vdn_String copied = table.rows[index][Vdn_ProfValuesTable::kSysNameColumn];
    std::printf("%s-%s added after %s-%s, user name %s\n", utf8(table.tableName).c_str(),
                utf8(newName).c_str(), utf8(table.tableName).c_str(), utf8(copied).c_str(),
                utf8(userName).c_str());
    return kExitOk;
}

} // namespace

void addTableCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<TableOptions>();
    CLI::App* table = program.add_subcommand(
        "table", "Show a section table of the library's \"prof\" folder, or add a size to it");
    table->require_subcommand(1);

    CLI::App* show = table->add_subcommand(
        "show", "The table's template, column names and every size (system name, active flag, "
                "user names, values)");
    show->add_option("NAME", options->name, "The table (\"HEA\" or \"HEA.pr\")")->required();
    show->add_option("--library", options->library, "The library folder");
    show->add_flag("--json", options->json,
                   "Print {\"table\":...,\"template\":...,\"columns\":[...],\"rows\":[[...]],"
                   "\"languages\":...}");
    show->callback([options, &run] { run = [options] { return showTable(*options); }; });

    CLI::App* add = table->add_subcommand(
        "add", "Add a size: a copy of the size SYSNAME, inserted right after it (never after "
               "the table's last size), with the system name NEWNAME and, in every language, "
               "the user name table name + NEWNAME (\"HEA\" + \"210\" = \"HEA210\"); the table "
               "file is rewritten");
    add->add_option("NAME", options->name, "The table (\"HEA\" or \"HEA.pr\")")->required();
    add->add_option("--from", options->from, "The system name of the size to copy (\"200\")")
        ->required();
    add->add_option("--name", options->newName, "The new size's system name (\"210\")")->required();
    add->add_option("--library", options->library, "The library folder");
    add->callback([options, &run] { run = [options] { return addSize(*options); }; });
}

} // namespace app
