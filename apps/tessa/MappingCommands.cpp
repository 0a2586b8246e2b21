#include "apps/tessa/MappingCommands.h"

#include "apps/tessa/ProgramText.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/host/AcTransaction.h"
#include "spreadsheet/standards/MappingFile.h"
#include "spreadsheet/standards/MappingKinds.h"
#include "spreadsheet/standards/TfSSMapping.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace app {

namespace {

struct MappingOptions {
    std::string macroFile;
    std::string sheet;
    std::string name;
    std::string library;
    bool json = false;
};

std::string keywordOf(const TfObjectMap& entry) {
    return utf8(ss::MappingKinds::keyword(entry.kind));
}

int printCandidates(const MappingOptions& options) {
    core::MacroReadResult read = Vdn_DbMacro::readFromFile(Vdn_String::fromUtf8(options.macroFile));
    if (!read)
        return fail(utf8(read.message()));
    AcTransaction transaction;
    TfSSMapping mapping;
    if (mapping.initAllVarsFromMacro(&read.macro(), &transaction) != Acad::eOk)
        return fail(options.macroFile + ": the macro's values could not be listed");

    nlohmann::json list = nlohmann::json::array();
    for (const TfObjectMap& entry : mapping.mappedObjects()) {
        if (options.json) {
            nlohmann::json item = {{"kind", keywordOf(entry)},
                                   {"object", utf8(entry.objectName)},
                                   {"name", utf8(entry.name)},
                                   {"category", entry.category}};
            if (!entry.description.isEmpty())
                item["description"] = utf8(entry.description);
            list.push_back(std::move(item));
            continue;
        }
        std::printf("%s\t%s\t%s\t%d\t%s\n", keywordOf(entry).c_str(),
                    utf8(entry.objectName).c_str(), utf8(entry.name).c_str(), entry.category,
                    utf8(entry.description).c_str());
    }
    if (options.json)
        printJson(nlohmann::json{{"candidates", list}});
    return kExitOk;
}

int printMapping(const MappingOptions& options) {
    if (!options.library.empty())
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));
    const Vdn_String sheet = Vdn_String::fromUtf8(options.sheet);
    TfSSMapping mapping;
    if (mapping.getMappingFromFile(sheet, Vdn_String::fromUtf8(options.name)) != Acad::eOk)
        return fail("no mapping named \"" + options.name + "\" in " +
                    utf8(core::shownPath(ss::MappingFile::pathFor(sheet))));

    nlohmann::json list = nlohmann::json::array();
    for (const TfObjectMap& entry : mapping.mappedObjects()) {
        if (options.json) {
            list.push_back({{"variable", utf8(entry.ssName)},
                            {"kind", keywordOf(entry)},
                            {"object", utf8(entry.objectName)},
                            {"name", utf8(entry.name)}});
            continue;
        }
        std::printf("%s\t%s\t%s\t%s\n", utf8(entry.ssName).c_str(), keywordOf(entry).c_str(),
                    utf8(entry.objectName).c_str(), utf8(entry.name).c_str());
    }
    if (options.json)
        printJson(nlohmann::json{{"mapping", options.name}, {"entries", list}});
    return kExitOk;
}

} // namespace

void addMappingCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<MappingOptions>();
    CLI::App* mapping =
        program.add_subcommand("mapping", "List what sheets can map to, or show a mapping");
    mapping->require_subcommand(1);

    CLI::App* candidates = mapping->add_subcommand(
        "candidates", "Every macro value a sheet variable can be mapped to: kind, object, name, "
                      "category, description");
    candidates->add_option("--macro", options->macroFile, "The macro file (JSON)")->required();
    candidates->add_flag("--json", options->json, "Print {\"candidates\":[...]}");
    candidates->callback(
        [options, &run] { run = [options] { return printCandidates(*options); }; });

    CLI::App* show = mapping->add_subcommand(
        "show", "The entries of one mapping of a standards sheet: variable, kind, object, name");
    show->add_option("SHEET", options->sheet, "The standards sheet (a name or a path)")->required();
    show->add_option("NAME", options->name, "The mapping's name")->required();
    show->add_option("--library", options->library, "The library folder");
    show->add_flag("--json", options->json, "Print {\"mapping\":...,\"entries\":[...]}");
    show->callback([options, &run] { run = [options] { return printMapping(*options); }; });
}

} // namespace app
