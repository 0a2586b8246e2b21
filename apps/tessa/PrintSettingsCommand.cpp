#include "apps/tessa/PrintSettingsCommand.h"

#include "apps/tessa/ProgramText.h"
#include "apps/tessa/SheetFile.h"
#include "spreadsheet/TSpread.h"
#include "spreadsheet/editor/TfSSSettings.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace app {

namespace {

struct ShowOptions {
    std::string file;
    bool json = false;
};

nlohmann::json jsonList(const Vdn_StringArray& texts) {
    nlohmann::json list = nlohmann::json::array();
    for (const Vdn_String& text : texts)
        list.push_back(utf8(text));
    return list;
}

void printJsonSettings(const TfSSSettings& s) {
    printJson({
        {"headerFile", utf8(s.headerFile)},
        {"footerFile", utf8(s.footerFile)},
        {"defaultFont", utf8(s.defaultFont)},
        {"defaultTextHeight", s.defaultTextHeight},
        {"marginLeft", s.marginLeft},
        {"marginRight", s.marginRight},
        {"marginTop", s.marginTop},
        {"marginBottom", s.marginBottom},
        {"smartPrint", s.smartPrint},
        {"colors", s.colors},
        {"colHeader", s.colHeader},
        {"rowHeader", s.rowHeader},
        {"cellSeperators", s.cellSeperators},
        {"border", s.border},
        {"varNames", jsonList(s.varNames)},
        {"varValues", jsonList(s.varValues)},
    });
}

// One "key<TAB>value" line per field, in the order of the stored form.
void printTextSettings(const TfSSSettings& s) {
    const auto line = [](const char* key, const std::string& value) {
        std::printf("%s\t%s\n", key, value.c_str());
    };
    const auto yesNo = [](bool on) { return std::string(on ? "true" : "false"); };
    line("headerFile", utf8(s.headerFile));
    line("footerFile", utf8(s.footerFile));
    line("defaultFont", utf8(s.defaultFont));
    line("defaultTextHeight", std::to_string(s.defaultTextHeight));
    line("marginLeft", std::to_string(s.marginLeft));
    line("marginRight", std::to_string(s.marginRight));
    line("marginTop", std::to_string(s.marginTop));
    line("marginBottom", std::to_string(s.marginBottom));
    line("smartPrint", yesNo(s.smartPrint));
    line("colors", yesNo(s.colors));
    line("colHeader", yesNo(s.colHeader));
    line("rowHeader", yesNo(s.rowHeader));
    line("cellSeperators", yesNo(s.cellSeperators));
    line("border", yesNo(s.border));
    for (int i = 0; i < s.varNames.length(); ++i)
        line(("varNames" + std::to_string(i)).c_str(), utf8(s.varNames[i]));
    for (int i = 0; i < s.varValues.length(); ++i)
        line(("varValues" + std::to_string(i)).c_str(), utf8(s.varValues[i]));
}

int showPrintSettings(const ShowOptions& options) {
    TSpread sheet;
    if (const auto problem = loadSheetFile(options.file, sheet.sheet()))
        return fail(*problem);
    TfSSSettings settings;
    if (!settings.readFromSheet(sheet))
        std::fprintf(stderr,
                     "tessa: %s: the print settings in the corner cell are damaged; showing the "
                     "defaults\n",
                     options.file.c_str());
    if (options.json)
        printJsonSettings(settings);
    else
        printTextSettings(settings);
    return kExitOk;
}

} // namespace

void addPrintSettingsCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<ShowOptions>();
    CLI::App* printSettings = program.add_subcommand(
        "print-settings", "The print settings that travel with a sheet in its corner cell");
    printSettings->require_subcommand(1);

    CLI::App* show = printSettings->add_subcommand(
        "show", "Every print setting of a sheet (.tfs or .csv) by its key; the defaults when the "
                "sheet has none");
    show->add_option("FILE", options->file, "The sheet file")->required();
    show->add_flag("--json", options->json,
                   "Print {\"headerFile\",...,\"border\",\"varNames\":[...],\"varValues\":[...]}");
    show->callback([options, &run] { run = [options] { return showPrintSettings(*options); }; });
}

} // namespace app
