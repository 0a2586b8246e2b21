#include "apps/tessa/LibraryCommands.h"

#include "apps/tessa/ProgramText.h"
#include "library/StandardTemplates.h"
#include "platform/core/sections/DlgEditLibData.h"
#include "platform/core/sections/SectionLibraryFile.h"
#include "platform/core/settings/Vdn_Settings.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace app {

namespace {

struct LibraryOptions {
    std::string library;
    bool json = false;
};

nlohmann::json texts(const Vdn_StringArray& list) {
    nlohmann::json out = nlohmann::json::array();
    for (const Vdn_String& text : list)
        out.push_back(utf8(text));
    return out;
}

nlohmann::json templatesJson(const StandardTemplates& templates) {
    nlohmann::json out = nlohmann::json::array();
    for (int number = 1; number <= StandardTemplates::kCount; ++number) {
        const SectionTemplate* entry = templates.find(number);
        nlohmann::json order = nlohmann::json::array();
        if (entry != nullptr) {
            for (const int value : entry->nameOrder)
                order.push_back(value + 1);
        }
        out.push_back({{"number", number},
                       {"name", utf8(StandardTemplates::displayName(number))},
                       {"values", entry != nullptr ? texts(entry->valueNames) : texts({})},
                       {"nameOrder", order}});
    }
    return out;
}

Vdn_StringArray typesOfGroup(const DlgEditLibData& data, int id) {
    Vdn_StringArray names;
    for (const SectionType& type : data.types) {
        if (type.group == id)
            names.append(type.name);
    }
    return names;
}

std::string joined(const Vdn_StringArray& list) {
    std::string out;
    for (int i = 0; i < list.length(); ++i)
        out += (i == 0 ? "" : ", ") + utf8(list[i]);
    return out.empty() ? "-" : out;
}

int showLibrary(const LibraryOptions& options) {
    if (!options.library.empty())
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));
    DlgEditLibData data;
    Vdn_String problem;
    if (!core::readSectionLibrary(core::sectionLibraryPath(), data, problem))
        return fail(utf8(problem));
    data.GetAvailableFiles();
    StandardTemplates templates;
    Vdn_String templateProblem;
    const bool templatesRead = templates.read(StandardTemplates::libraryPath(), templateProblem);
    if (!templatesRead)
        std::fprintf(stderr, "tessa: %s\n", utf8(templateProblem).c_str());

    if (options.json) {
        nlohmann::json groups = nlohmann::json::array();
        for (const SectionGroup& group : data.groups)
            groups.push_back({{"id", group.id},
                              {"name", utf8(group.name)},
                              {"enabled", group.enabled},
                              {"image", utf8(group.imageFile)},
                              {"names", texts(group.languageNames)},
                              {"types", texts(typesOfGroup(data, group.id))}});
        nlohmann::json types = nlohmann::json::array();
        for (const SectionType& type : data.types)
            types.push_back({{"name", utf8(type.name)},
                             {"enabled", type.enabled},
                             {"image", utf8(type.imageFile)},
                             {"group", type.group},
                             {"table", utf8(type.table)},
                             {"names", texts(type.languageNames)}});
        printJson({{"groups", groups},
                   {"types", types},
                   {"tables", texts(data.tableNames)},
                   {"templateFiles", texts(data.templateNames)},
                   {"images", texts(data.imageNames)},
                   {"templates", templatesJson(templates)}});
        return kExitOk;
    }
    std::printf("Groups: %d\n", data.groups.length());
    for (const SectionGroup& group : data.groups)
        std::printf("  %d %s%s: %s\n", group.id, utf8(group.name).c_str(),
                    group.enabled ? "" : " (disabled)",
                    joined(typesOfGroup(data, group.id)).c_str());
    std::printf("Types: %d\n", data.types.length());
    for (const SectionType& type : data.types)
        std::printf("  %s%s: table %s, group %d\n", utf8(type.name).c_str(),
                    type.enabled ? "" : " (disabled)",
                    type.table.isEmpty() ? "-" : utf8(type.table).c_str(), type.group);
    std::printf("Tables: %s\n", joined(data.tableNames).c_str());
    std::printf("Template files: %s\n", joined(data.templateNames).c_str());
    std::printf("Pictures: %s\n", joined(data.imageNames).c_str());
    std::printf("Standard templates:\n");
    for (int number = 1; number <= StandardTemplates::kCount; ++number) {
        const SectionTemplate* entry = templates.find(number);
        std::printf("  %2d %s: %s\n", number, utf8(StandardTemplates::displayName(number)).c_str(),
                    entry != nullptr ? joined(entry->valueNames).c_str() : "(not defined)");
    }
    return kExitOk;
}

} // namespace

void addLibraryCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<LibraryOptions>();
    CLI::App* library =
        program.add_subcommand("library", "The section library: groups, types and tables");
    library->require_subcommand(1);
    CLI::App* show = library->add_subcommand(
        "show", "The groups and their types (prof\\Library.json), the value tables, template "
                "files and pictures of the prof folder, and the 24 standard templates");
    show->add_option("--library", options->library, "The library folder");
    show->add_flag("--json", options->json,
                   "Print {\"groups\":[...],\"types\":[...],\"tables\":[...],"
                   "\"templateFiles\":[...],\"images\":[...],\"templates\":[...]}");
    show->callback([options, &run] { run = [options] { return showLibrary(*options); }; });
}

} // namespace app
