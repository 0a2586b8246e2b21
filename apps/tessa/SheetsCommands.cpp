#include "apps/tessa/SheetsCommands.h"

#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/ProgramText.h"
#include "module/SheetsManagerSlot.h"
#include "workshop/sheets/CDlgSheetsMgr.h"
#include "workshop/sheets/SheetsFile.h"
#include "workshop/sheets/SheetsManagerLaunchers.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace app {

namespace {

using Json = nlohmann::ordered_json;

struct SheetsOptions {
    std::string file;
    bool json = false;
};

// The rows of the panel's sheets tree: the real panel, docked in the host's frame.
Json treeRows(const TfSheetsMgrDlgData& data) {
    Json rows = Json::array();
    if (!StartModelessDlgSheetsMgr(data))
        return rows;
    CTfDockControlBar* bar = frame::SheetsManagerSlot::instance().bar();
    auto* panel = bar != nullptr ? dynamic_cast<CDlgSheetsMgr*>(bar->hostedDialog()) : nullptr;
    if (panel != nullptr) {
        const TfTreeSpread& tree = panel->sheetsTree();
        for (int row = 1; row <= tree.maxRows(); ++row) {
            rows.push_back({{"row", row},
                            {"level", tree.getLevel(row)},
                            {"text", utf8(tree.rowText(row))},
                            {"parent", tree.parentRow(row)},
                            {"glyph", tree.glyphKind(tree.glyphColumn(row), row)}});
        }
    }
    EndModelessDlgSheetsMgr();
    return rows;
}

int showSheets(const SheetsOptions& options) {
    const sheets::SheetsReadResult read =
        sheets::readSheetsFile(Vdn_String::fromUtf8(options.file));
    if (!read.ok)
        return fail(utf8(read.message));
    Json rows;
    {
        const LoadedModule module(stderr);
        rows = treeRows(read.data);
    }
    if (options.json) {
        Json menu = Json::array();
        for (const Vdn_String& item : CDlgSheetsMgr::sheetsMenu())
            menu.push_back(utf8(item));
        const Json out{{"sheets", read.data.length()}, {"rows", rows}, {"menu", menu}};
        std::printf("%s\n", out.dump(-1, ' ', false, Json::error_handler_t::replace).c_str());
        return kExitOk;
    }
    for (const Json& row : rows) {
        const int level = row["level"].get<int>();
        std::printf("%s%s\n", std::string(static_cast<std::size_t>(2 * (level - 1)), ' ').c_str(),
                    row["text"].get<std::string>().c_str());
    }
    return kExitOk;
}

} // namespace

void addSheetsCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<SheetsOptions>();
    CLI::App* sheets =
        program.add_subcommand("sheets", "The workshop-drawing sheets of a sheets file");
    sheets->require_subcommand(1);
    CLI::App* show = sheets->add_subcommand(
        "show", "The sheets manager's tree of the file: each sheet with its parts indented");
    show->add_option("FILE", options->file, "The sheets file (.json)")->required();
    show->add_flag("--json", options->json,
                   "Print {\"sheets\":N,\"rows\":[{\"row\":...,\"level\":...,\"text\":...,"
                   "\"parent\":...,\"glyph\":...}],\"menu\":[...]}");
    show->callback([options, &run] { run = [options] { return showSheets(*options); }; });
}

} // namespace app
