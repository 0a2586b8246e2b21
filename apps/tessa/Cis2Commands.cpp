#include "apps/tessa/Cis2Commands.h"

#include "apps/tessa/ProgramText.h"
#include "platform/core/sections/SectionTranslations.h"
#include "platform/core/settings/Vdn_Settings.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace app {

namespace {

struct Cis2Options {
    std::string library;
    std::string name;
    std::string translation;
    bool json = false;
};

struct Pairs {
    Vdn_String file;
    Vdn_StringArray names;
    Vdn_StringArray translations;
};

bool readPairs(const Cis2Options& options, Pairs& pairs) {
    if (!options.library.empty())
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));
    pairs.file = gSettings.libDir() + kCis2ProfNamesFile;
    Vdn_String problem;
    if (readSectionTranslation(pairs.file, pairs.names, pairs.translations, &problem))
        return true;
    fail(utf8(pairs.file) + ": " + utf8(problem));
    return false;
}

int listPairs(const Cis2Options& options) {
    Pairs pairs;
    if (!readPairs(options, pairs))
        return kExitFailed;
    if (options.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (int i = 0; i < pairs.names.length(); ++i)
            list.push_back(
                {{"name", utf8(pairs.names[i])}, {"translation", utf8(pairs.translations[i])}});
        std::printf("%s\n", nlohmann::ordered_json{{"names", list}}
                                .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
                                .c_str());
        return kExitOk;
    }
    for (int i = 0; i < pairs.names.length(); ++i)
        std::printf("%s\t%s\n", utf8(pairs.names[i]).c_str(), utf8(pairs.translations[i]).c_str());
    return kExitOk;
}

int changePair(const Cis2Options& options, bool remove) {
    Pairs pairs;
    if (!readPairs(options, pairs))
        return kExitFailed;
    const Vdn_String name = Vdn_String::fromUtf8(options.name).trim();
    const int index = pairs.names.find(name, false);
    if (remove) {
        if (index < 0)
            return fail("cis2 delete: no translation of '" + utf8(name) + "'");
        pairs.names.removeAt(index);
        pairs.translations.removeAt(index);
    } else if (index < 0) {
        pairs.names.append(name);
        pairs.translations.append(Vdn_String::fromUtf8(options.translation));
    } else {
        pairs.names[index] = name;
        pairs.translations[index] = Vdn_String::fromUtf8(options.translation);
    }
    Vdn_String problem;
    if (!saveSectionTranslation(pairs.file, pairs.names, pairs.translations, &problem))
        return fail(utf8(pairs.file) + ": " + utf8(problem));
    std::printf("saved %s: %d profile names\n", utf8(pairs.file).c_str(), pairs.names.length());
    return kExitOk;
}

} // namespace

void addCis2Command(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<Cis2Options>();
    CLI::App* cis2 = program.add_subcommand("cis2", "The CIS/2 export's profile-name translations");
    cis2->require_subcommand(1);

    CLI::App* names = cis2->add_subcommand("names", "Every pair, one a line: name, translation");
    names->add_flag("--json", options->json,
                    "Print {\"names\":[{\"name\":...,\"translation\":...}]}");
    names->add_option("--library", options->library, "The library folder holding the file");
    names->callback([options, &run] { run = [options] { return listPairs(*options); }; });

    CLI::App* set = cis2->add_subcommand("set", "Adds a name or changes its translation");
    set->add_option("NAME", options->name, "The section's system name")->required();
    set->add_option("TRANSLATION", options->translation, "The name the export writes");
    set->add_option("--library", options->library, "The library folder holding the file");
    set->callback([options, &run] { run = [options] { return changePair(*options, false); }; });

    CLI::App* remove = cis2->add_subcommand("delete", "Removes a name and its translation");
    remove->add_option("NAME", options->name, "The section's system name")->required();
    remove->add_option("--library", options->library, "The library folder holding the file");
    remove->callback([options, &run] { run = [options] { return changePair(*options, true); }; });
}

} // namespace app
