#include "apps/tessa/DstvCommands.h"

#include "apps/tessa/ProgramText.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/model/DlgDstvPoints.h"
#include "platform/core/settings/Vdn_Settings.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace app {

namespace {

using Json = nlohmann::ordered_json;

struct DstvOptions {
    std::string name;
    std::string library;
    bool json = false;
};

void printJson(const Json& document) {
    std::printf("%s\n", document.dump(-1, ' ', false, Json::error_handler_t::replace).c_str());
}

DlgDstvPoints groupsOf(const DstvOptions& options) {
    if (!options.library.empty())
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));
    return DlgDstvPoints();
}

std::string standardName(const DlgDstvPoints& groups) {
    const Vdn_String path = groups.getStandardDstvPointsFile();
    return path.isEmpty() ? std::string()
                          : removeExtension(path.substr(getPath(path).length())).toUtf8();
}

bool sameName(const std::string& a, const std::string& b) {
    return Vdn_String::fromUtf8(a).equal(Vdn_String::fromUtf8(b), false);
}

// The group file name is meant to name, spelt as stored (names are compared without regard to
// case); none when the folder has no such group.
std::optional<Vdn_String> groupNamed(const DlgDstvPoints& groups, const std::string& name) {
    Vdn_StringArray names;
    groups.getAllDstvPointsFiles(names);
    const int found = names.find(Vdn_String::fromUtf8(name), false);
    if (found < 0)
        return std::nullopt;
    return names[found];
}

int list(const DstvOptions& options) {
    DlgDstvPoints groups = groupsOf(options);
    Vdn_StringArray names;
    groups.getAllDstvPointsFiles(names);
    const std::string inUse = standardName(groups);
    Json list = Json::array();
    for (const Vdn_String& name : names) {
        Vdn_Array<Vdn_DstvPointInfo> points;
        const bool read = groups.readFromFile(name, points);
        Json group = {{"name", name.toUtf8()}, {"inUse", sameName(name.toUtf8(), inUse)}};
        if (read)
            group["points"] = points.length();
        else
            group["error"] = groups.lastError();
        if (!options.json) {
            std::printf("%s%s: %s\n", name.toUtf8().c_str(),
                        group["inUse"].get<bool>() ? " (in use)" : "",
                        read ? (std::to_string(points.length()) +
                                (points.length() == 1 ? " point" : " points"))
                                   .c_str()
                             : groups.lastError().c_str());
        }
        list.push_back(std::move(group));
    }
    if (options.json)
        printJson({{"folder", core::shownPath(groups.getDstvPointsFolder()).toUtf8()},
                   {"groups", std::move(list)}});
    return kExitOk;
}

int show(const DstvOptions& options) {
    DlgDstvPoints groups = groupsOf(options);
    const std::optional<Vdn_String> group = groupNamed(groups, options.name);
    if (!group)
        return fail("there is no DSTV point group \"" + options.name + "\"");
    Vdn_Array<Vdn_DstvPointInfo> points;
    if (!groups.readFromFile(*group, points))
        return fail(groups.lastError());
    const bool inUse = sameName(group->toUtf8(), standardName(groups));
    if (options.json) {
        Json document = Json::parse(DlgDstvPoints::toText(points));
        printJson({{"name", group->toUtf8()},
                   {"inUse", inUse},
                   {"points", std::move(document["points"])}});
        return kExitOk;
    }
    std::printf("%s%s\n", group->toUtf8().c_str(), inUse ? " (in use)" : "");
    for (const Vdn_DstvPointInfo& point : points) {
        std::printf("  %s: ", point.name().toUtf8().c_str());
        if (point.selectGeomExtent())
            std::printf("extent, sides %d and %d", point.sideSelection1(), point.sideSelection2());
        else
            std::printf("intersecting, from side %d%s", point.intersStartDir(),
                        point.selectIntersMid() ? ", middle" : "");
        std::printf("; plates %d/%d, %s mm from the edge", point.viewPlateSelection(),
                    point.markPlateSelection(),
                    Vdn_String(point.minPlateSideDist(), 3, true).toUtf8().c_str());
        if (point.drillFullHole())
            std::printf("; full hole %s%s", point.radiusThicknessBased() ? "thickness + " : "",
                        Vdn_String(point.drillRadius(), 3, true).toUtf8().c_str());
        std::printf("\n");
    }
    return kExitOk;
}

int add(const DstvOptions& options) {
    DlgDstvPoints groups = groupsOf(options);
    const Vdn_String name = Vdn_String::fromUtf8(options.name).trim();
    if (name.isEmpty() || hasInvalidFileNameChars(name))
        return fail("\"" + options.name + "\" cannot name a group file");
    if (groups.exists(name))
        return fail("a DSTV point group \"" + name.toUtf8() +
                    "\" exists already (names are "
                    "compared without regard to case)");
    if (!groups.writeToFile(name, {}))
        return fail(groups.lastError());
    if (options.json)
        printJson(
            {{"added", name.toUtf8()}, {"path", core::shownPath(groups.pathOf(name)).toUtf8()}});
    else
        std::printf("Added %s\n", core::shownPath(groups.pathOf(name)).toUtf8().c_str());
    return kExitOk;
}

int remove(const DstvOptions& options) {
    DlgDstvPoints groups = groupsOf(options);
    const std::optional<Vdn_String> group = groupNamed(groups, options.name);
    if (!group)
        return fail("there is no DSTV point group \"" + options.name + "\"");
    if (!groups.deleteFile(*group))
        return fail("cannot delete " + core::shownPath(groups.pathOf(*group)).toUtf8());
    if (options.json)
        printJson({{"deleted", group->toUtf8()}});
    else
        std::printf("Deleted %s\n", core::shownPath(groups.pathOf(*group)).toUtf8().c_str());
    return kExitOk;
}

} // namespace

void addDstvCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<DstvOptions>();
    CLI::App* dstv =
        program.add_subcommand("dstv", "DSTV weld point groups of the library (\"DSTV Points\")");
    dstv->require_subcommand(1);
    const auto verb = [&](const char* name, const char* help, bool named,
                          int (*action)(const DstvOptions&), const char* jsonShape) {
        CLI::App* command = dstv->add_subcommand(name, help);
        if (named)
            command->add_option("NAME", options->name, "The group's name")->required();
        command->add_option("--library", options->library, "The library folder");
        command->add_flag("--json", options->json, jsonShape);
        command->callback(
            [options, &run, action] { run = [options, action] { return action(*options); }; });
    };
    verb("list", "The groups, the one in use marked", false, list,
         "Print {\"folder\":...,\"groups\":[{\"name\":...,\"inUse\":...,\"points\":N}]}");
    verb("show", "The points of a group", true, show,
         "Print {\"name\":...,\"inUse\":...,\"points\":[{as in the group file}]}");
    verb("add", "Write a new, empty group; refused when the name is in use in any case", true, add,
         "Print {\"added\":...,\"path\":...}");
    verb("delete", "Delete a group's file", true, remove, "Print {\"deleted\":...}");
}

} // namespace app
