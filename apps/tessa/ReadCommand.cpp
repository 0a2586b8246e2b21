#include "apps/tessa/ReadCommand.h"

#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/ProgramText.h"
#include "dialogs/FormulaEntries.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace app {

namespace {

std::string tabJoined(const Vdn_StringArray& texts) {
    std::string line;
    for (int i = 0; i < texts.length(); ++i) {
        if (i > 0)
            line += '\t';
        line += utf8(texts[i]);
    }
    return line;
}

nlohmann::json jsonList(const Vdn_StringArray& texts) {
    nlohmann::json list = nlohmann::json::array();
    for (const Vdn_String& text : texts)
        list.push_back(utf8(text));
    return list;
}

int readSheet(const std::string& file, bool json) {
    Vdn_String firstCell;
    Vdn_StringArray headers;
    Vdn_Array<Vdn_StringArray> rows;
    {
        // The module prints its diagnostics ("Loading spreadsheet:...") on the host's command
        // line, which goes to stderr here so that stdout holds only the sheet.
        const LoadedModule loadedModule(stderr);
        if (!loadedModule.loaded())
            return fail("the module could not be loaded");
        if (!ReadSSFile(Vdn_String::fromUtf8(file), firstCell, headers, rows))
            return fail(file + ": could not be read as a sheet");
    }
    if (json) {
        nlohmann::json rowList = nlohmann::json::array();
        for (const Vdn_StringArray& row : rows)
            rowList.push_back(jsonList(row));
        printJson(
            {{"firstCell", utf8(firstCell)}, {"headers", jsonList(headers)}, {"rows", rowList}});
        return kExitOk;
    }
    std::printf("%s\n", tabJoined(headers).c_str());
    for (const Vdn_StringArray& row : rows)
        std::printf("%s\n", tabJoined(row).c_str());
    return kExitOk;
}

} // namespace

void addReadCommand(CLI::App& program, CommandRun& run) {
    struct Options {
        std::string file;
        bool json = false;
    };
    const auto options = std::make_shared<Options>();
    CLI::App* read = program.add_subcommand(
        "read", "Print every text of a sheet as the module reads it: the column headers, then "
                "one tab-separated line per row");
    read->add_option("FILE", options->file, "The sheet file")->required();
    read->add_flag("--json", options->json,
                   "Print {\"firstCell\":...,\"headers\":[...],\"rows\":[[...],...]}");
    read->callback(
        [options, &run] { run = [options] { return readSheet(options->file, options->json); }; });
}

} // namespace app
