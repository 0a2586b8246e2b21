#include "apps/tessa/SheetCommands.h"

#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "apps/tessa/SheetFile.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/grid/sheet/CellAddress.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace app {

namespace {

// The formula as a user types it, or "" for a cell without one.
std::string formulaOf(const grid::Sheet& sheet, grid::CellRef cell) {
    const std::wstring formula = sheet.cellText(cell, grid::TextKind::Formula).value_or(L"");
    return formula.empty() ? std::string() : "=" + utf8(formula);
}

// What the cell shows; an error result shows its error text.
std::string shownText(const grid::Sheet& sheet, grid::CellRef cell, const grid::Value& value) {
    if (value.isError())
        return utf8(std::wstring(grid::errorText(value.asError())));
    return utf8(sheet.cellText(cell, grid::TextKind::Formatted).value_or(L""));
}

nlohmann::json jsonValue(const grid::Value& value) {
    switch (value.type()) {
    case grid::Value::Type::Number:
        return value.asNumber();
    case grid::Value::Type::Text:
        return utf8(value.asText());
    case grid::Value::Type::Boolean:
        return value.asBoolean();
    case grid::Value::Type::Error:
        return {{"error", utf8(std::wstring(grid::errorText(value.asError())))}};
    case grid::Value::Type::Empty:
        break;
    }
    return nullptr;
}

int printCells(grid::Sheet& sheet, bool json) {
    // Formulas read back in A1 form, whatever style the file was saved in.
    sheet.setReferenceStyle(grid::ReferenceStyle::A1);
    // The JSON document is written as it goes, entry by entry, in the key order of the JSON
    // library: a sheet of many thousand cells is never held twice as a document in memory.
    std::string out;
    if (json)
        out = "{\"cells\":[";
    bool first = true;
    for (const grid::CellRef cell : sheet.filledCells()) {
        const grid::Value value = sheet.cellValue(cell).value_or(grid::Value());
        const std::string address = utf8(grid::CellAddress::a1(cell));
        const std::string formula = formulaOf(sheet, cell);
        const std::string text = shownText(sheet, cell, value);
        if (!json) {
            std::printf("%s\t%s\t%s\n", address.c_str(), formula.c_str(), text.c_str());
            continue;
        }
        out += first ? "{\"cell\":" : ",{\"cell\":";
        first = false;
        appendJsonString(out, address);
        if (!formula.empty()) {
            out += ",\"formula\":";
            appendJsonString(out, formula);
        }
        out += ",\"text\":";
        appendJsonString(out, text);
        out += ",\"value\":";
        if (value.type() == grid::Value::Type::Text)
            appendJsonString(out, utf8(value.asText()));
        else
            out += jsonValue(value).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        out += '}';
        if (out.size() > (1u << 20)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    if (json) {
        out += "]}\n";
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    return kExitOk;
}

} // namespace

void addCalcCommand(CLI::App& program, CommandRun& run) {
    struct Options {
        std::string file;
        bool json = false;
    };
    const auto options = std::make_shared<Options>();
    CLI::App* calc = program.add_subcommand(
        "calc", "Compute a sheet (.tfs or .csv) and print every filled cell: address, formula, "
                "value");
    calc->add_option("FILE", options->file, "The sheet file")->required();
    calc->add_flag("--json", options->json,
                   "Print {\"cells\":[{\"cell\",\"formula\",\"value\",\"text\"}]}");
    calc->callback([options, &run] {
        run = [options] {
            grid::Sheet sheet;
            if (const auto problem = loadSheetFile(options->file, sheet))
                return fail(*problem);
            const int printed = printCells(sheet, options->json);
            if (!sheet.textLimitReached())
                return printed;
            std::fprintf(stderr,
                         "tessa: %s: the formulas produce more text than a sheet may "
                         "hold; the texts past that are #VALUE!\n",
                         options->file.c_str());
            return static_cast<int>(kExitFailed);
        };
    });
}

void addConvertCommand(CLI::App& program, CommandRun& run) {
    struct Options {
        std::string in;
        std::string out;
    };
    const auto options = std::make_shared<Options>();
    CLI::App* convert =
        program.add_subcommand("convert", "Convert a sheet between .tfs and .csv (by extension)");
    convert->add_option("IN", options->in, "The sheet to read")->required();
    convert->add_option("OUT", options->out, "The file to write")
        ->check(outputPathCheck())
        ->required();
    convert->callback([options, &run] {
        run = [options] {
            if (!sheetFileKind(options->out)) {
                std::fprintf(stderr, "tessa: %s: the name must end in .tfs or .csv\n",
                             options->out.c_str());
                return static_cast<int>(kExitUsage);
            }
            grid::Sheet sheet;
            if (const auto problem = loadSheetFile(options->in, sheet))
                return fail(*problem);
            if (const auto problem = saveSheetFile(sheet, options->out))
                return fail(*problem);
            return static_cast<int>(kExitOk);
        };
    });
}

} // namespace app
