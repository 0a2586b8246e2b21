#include "apps/tessa/TableCommands.h"

#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "library/SimpleSizeAdder.h"
#include "library/StandardTemplates.h"
#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/sections/SectionTable.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
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
    std::string values;
    std::string out;
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

// "100, 60,4" -> {"100", "60", "4"}; an empty text gives no values.
Vdn_StringArray splitValues(const std::string& text) {
    Vdn_StringArray values;
    if (text.empty())
        return values;
    std::string value;
    for (const char c : text + ",") {
        if (c == ',') {
            values.append(Vdn_String::fromUtf8(value).trim());
            value.clear();
        } else {
            value += c;
        }
    }
    return values;
}

std::string refusal(SimpleSizeAdder::Outcome outcome, const Vdn_String& name) {
    switch (outcome) {
    case SimpleSizeAdder::Outcome::NoRows:
        return "the table has no size to start from";
    case SimpleSizeAdder::Outcome::NoName:
        return "the new size has no name (give --name, or the values its automatic name needs)";
    case SimpleSizeAdder::Outcome::BadValue:
        return "every value must be a number";
    case SimpleSizeAdder::Outcome::NameInUse:
        return "a size named \"" + utf8(name) + "\" exists already";
    case SimpleSizeAdder::Outcome::RadiusTooSmall:
        return "the corner radius (the fourth value) must be 0 or greater than the wall "
               "thickness (the third)";
    case SimpleSizeAdder::Outcome::Added:
        break;
    }
    return {};
}

int addSizeByRules(const TableOptions& options) {
    Vdn_ProfValuesTable table;
    std::string reason;
    if (!readTable(options, table, reason))
        return fail(reason);
    const SimpleSizeAdder adder(table, Vdn_String::fromUtf8(options.from),
                                StandardTemplates::ofLibrary());
    if (!options.from.empty()) {
        Vdn_String from = Vdn_String::fromUtf8(options.from);
        const std::wstring prefix = (table.tableName + L"-").toUpper().str();
        if (from.toUpper().str().starts_with(prefix))
            from = Vdn_String(from.str().substr(prefix.size()));
        int found = -1;
        if (!table.findSysName(from, found))
            return fail(tableText(options.name) + ": no size has the system name \"" +
                        options.from + "\"");
    }
    SimpleSizeAdder::Input input;
    input.automaticName = options.newName.empty();
    input.name = Vdn_String::fromUtf8(options.newName);
    // The fields not given keep the values of the size copied.
    input.values = adder.fieldValues();
    const Vdn_StringArray given = splitValues(options.values);
    if (given.length() > input.values.length())
        return fail(tableText(options.name) + ": " + std::to_string(given.length()) +
                    " values given, but the table shows " + std::to_string(input.values.length()));
    for (int i = 0; i < given.length(); ++i)
        input.values[i] = given[i];
    Vdn_String name;
    adder.makeName(input, name);
    int index = -1;
    const SimpleSizeAdder::Outcome outcome = adder.add(input, table, index);
    if (outcome != SimpleSizeAdder::Outcome::Added)
        return fail(tableText(options.name) + ": " + refusal(outcome, name));

    // The table file itself, or the --out file.
    Vdn_String problem;
    std::string written;
    if (options.out.empty()) {
        if (!table.writeToFile(Vdn_String::fromUtf8(options.name), &problem))
            return fail(tableText(options.name) + ": " + utf8(problem));
        written = core::toNativePath(Vdn_ProfValuesTable::filePath(table.tableName)).string();
    } else {
        // The rows as the table file holds them: the template, the column names, the sizes.
        Vdn_Array<Vdn_StringArray> fileRows{{table.templateName}, table.columnNames};
        fileRows.append(table.rows);
        const OutputFile out(options.out);
        if (const auto refused = out.write([&fileRows](const std::filesystem::path& path) {
                return Vdn_SectionTableManager::writeFile(core::fromNativePath(path), fileRows);
            }))
            return fail(*refused);
        written = options.out;
    }
    int row = -1;
    table.findSysName(name, row);
    if (options.json) {
        printJson({{"table", utf8(table.tableName)},
                   {"sysName", utf8(name)},
                   {"fullName", utf8(table.tableName + L"-" + name)},
                   {"row", row},
                   {"index", index},
                   {"values", jsonTexts(table.rows[row])},
                   {"written", written}});
        return kExitOk;
    }
    std::printf("%s-%s added as size %d (%d among the active sizes); written to %s\n",
                utf8(table.tableName).c_str(), utf8(name).c_str(), row + 1, index + 1,
                written.c_str());
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

    CLI::App* addSize = table->add_subcommand(
        "add-size",
        "Add a size as the simple library editor does: a copy of the size --from (the first "
        "size without it) with the values given, named --name or, without it, automatically "
        "from its values as the table's template says (\"100x60x4\"), inserted among the sizes "
        "in name order. Checked before anything is written: a name in use, a value that is no "
        "number, and for template 10 a corner radius that is neither 0 nor above the wall "
        "thickness are refused. The table file is rewritten, or --out is written instead");
    addSize->add_option("NAME", options->name, "The table (\"RHS\" or \"RHS.pr\")")->required();
    addSize->add_option("--from", options->from,
                        "The size to start from (\"100x50x4\" or \"RHS-100x50x4\")");
    addSize->add_option("--name", options->newName, "The new size's name; automatic without it");
    addSize->add_option("--values", options->values,
                        "The values, in column order, separated by commas (\"100,60,4,8\"); "
                        "values not given keep those of the size copied");
    addSize
        ->add_option("--out", options->out,
                     "Write the table with the new size to this file; the table file is "
                     "left as it is")
        ->check(outputPathCheck());
    addSize->add_option("--library", options->library, "The library folder");
    addSize->add_flag("--json", options->json,
                      "Print {\"table\":...,\"sysName\":...,\"fullName\":...,\"row\":...,"
                      "\"index\":...,\"values\":[...],\"written\":...}");
    addSize->callback([options, &run] { run = [options] { return addSizeByRules(*options); }; });
}

} // namespace app
