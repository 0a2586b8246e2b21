#include "apps/tessa/BillCommand.h"

#include "apps/tessa/CsvInput.h"
#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "platform/grid/files/CsvReader.h"
#include "platform/host/AcArray.h"
#include "platform/io/AtomicWrite.h"
#include "spreadsheet/bill/TfSSBillOutput.h"
#include "spreadsheet/editor/TfSSSettings.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace app {

namespace {

struct BillOptions {
    std::string rows;
    std::string columns;
    std::string types;
    std::string subtotalMarker;
    bool hasSubtotalMarker = false;
    std::string settings;
    std::vector<std::string> variables; // NAME=VALUE, in order
    std::string out;
};

std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, ','))
        parts.push_back(part);
    if (!text.empty() && text.back() == ',')
        parts.emplace_back();
    return parts;
}

std::optional<AcArray<int>> parseTypes(const std::string& text) {
    AcArray<int> types(0, 8);
    for (std::string part : splitCommas(text)) {
        part.erase(0, part.find_first_not_of(' '));
        part.erase(part.find_last_not_of(' ') + 1);
        if (part.empty() || part.size() > 9 ||
            !std::all_of(part.begin() + (part[0] == '-' ? 1 : 0), part.end(),
                         [](unsigned char c) { return std::isdigit(c); }) ||
            part == "-")
            return std::nullopt;
        types.append(std::stoi(part));
    }
    return types;
}

bool endsWithTfs(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string tail = path.substr(path.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".tfs";
}

std::optional<std::filesystem::file_time_type> writeTime(const std::string& path) {
    const auto resolved = core::resolveExisting(Vdn_String::fromUtf8(path));
    std::error_code error;
    if (!resolved || !std::filesystem::is_regular_file(*resolved, error))
        return std::nullopt;
    const auto time = std::filesystem::last_write_time(*resolved, error);
    return error ? std::nullopt : std::optional(time);
}

int usage(const std::string& reason) {
    std::fprintf(stderr, "tessa: %s\n", reason.c_str());
    return kExitUsage;
}

int writeBill(const BillOptions& options) {
    Vdn_StringArray columnNames;
    for (const std::string& name : splitCommas(options.columns))
        columnNames.append(Vdn_String::fromUtf8(name));
    if (options.columns.empty())
        return usage("--columns: expected the column names, separated by commas");
    const std::optional<AcArray<int>> types = parseTypes(options.types);
    if (!types)
        return usage("--types " + options.types +
                     ": expected whole numbers separated by commas (1 integer, 2 one decimal, "
                     "3 text)");
    Vdn_StringArray varNames;
    Vdn_StringArray varValues;
    for (const std::string& assignment : options.variables) {
        const std::size_t equals = assignment.find('=');
        if (equals == std::string::npos || equals == 0)
            return usage("--var " + assignment + ": expected NAME=VALUE");
        varNames.append(Vdn_String::fromUtf8(assignment.substr(0, equals)));
        varValues.append(Vdn_String::fromUtf8(assignment.substr(equals + 1)));
    }
    if (types->length() != columnNames.length())
        return usage("--types " + options.types + ": " + std::to_string(types->length()) +
                     " kinds for " + std::to_string(columnNames.length()) +
                     " columns; give one kind per column");
    // The print settings travel in the sheet file's corner cell, which CSV cannot hold.
    if (!endsWithTfs(options.out))
        return usage("--out " + options.out + ": a bill is saved as a .tfs sheet");

    if (!options.settings.empty()) {
        // Settings asked for by name are used or the bill is not made: a silent fallback to
        // other settings would print a bill that looks wrong.
        TfSSSettings settings;
        if (!settings.loadFile(Vdn_String::fromUtf8(options.settings)))
            return fail(
                "--settings " + options.settings + ": no readable print settings " +
                utf8(TfSSSettings::settingsFilePath(Vdn_String::fromUtf8(options.settings))) +
                " (a bare name of the settings folder); no bill written");
    }
    for (int i = 0; i < varNames.length(); ++i) {
        // U+00A4 separates the stored settings' fields: such a variable cannot be kept.
        if (varNames[i].str().find(L'\u00A4') != std::wstring::npos ||
            varValues[i].str().find(L'\u00A4') != std::wstring::npos)
            std::fprintf(stderr,
                         "tessa: --var %s: holds the character \u00A4, which print settings "
                         "cannot keep; left out, the other variables are kept\n",
                         utf8(varNames[i]).c_str());
    }

    std::vector<std::vector<std::wstring>> rows;
    if (const auto problem = readCsvInput(options.rows, rows))
        return fail(*problem + "; no bill written");
    const bool anyRow = std::any_of(rows.begin(), rows.end(), [](const auto& fields) {
        return std::any_of(fields.begin(), fields.end(), [](const std::wstring& field) {
            return !Vdn_String(field).trim().isEmpty();
        });
    });
    if (!anyRow)
        return fail(options.rows + ": no rows; no bill written");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // A field beyond the columns would have no name, no kind and no place on the bill.
        if (rows[i].size() > static_cast<std::size_t>(columnNames.length()))
            return fail(options.rows + ": row " + std::to_string(i + 1) + " has " +
                        std::to_string(rows[i].size()) + " fields for " +
                        std::to_string(columnNames.length()) + " columns; no bill written");
    }

    // The rows and settings are read now: the bill may replace neither, nor a device.
    if (const auto refused = OutputFile(options.out).refusal())
        return fail(*refused + "; no bill written");
    const auto before = writeTime(options.out);
    {
        const LoadedModule loadedModule(stderr);
        if (!loadedModule.loaded())
            return fail("the module could not be loaded");
        TfSSBillOutput bill;
        if (bill.init(Vdn_String::fromUtf8(options.out), columnNames, AcArray<int>(), *types,
                      Vdn_String::fromUtf8(options.settings), varNames, varValues) != Acad::eOk)
            return fail("the bill's sheet could not be made");
        bill.onStartFeed();
        const Vdn_String marker = Vdn_String::fromUtf8(options.subtotalMarker);
        for (const std::vector<std::wstring>& fields : rows) {
            Vdn_StringArray row;
            for (const std::wstring& field : fields)
                row.append(Vdn_String(field));
            if (options.hasSubtotalMarker && !fields.empty() && row[0] == marker)
                bill.onAddSubTotals(row, Vdn_StringArray(), false, 0);
            else
                bill.onAddRow(row);
        }
        bill.onEndFeed();
    }
    // The bill output does not report a failed save; the file tells.
    const auto after = writeTime(options.out);
    if (!after || (before && *after == *before)) {
        const std::string& cause = io::lastWriteFailure();
        return fail(cause.empty() ? options.out + ": the bill could not be saved" : cause);
    }
    std::printf("%s: %zu rows\n", options.out.c_str(), rows.size());
    return kExitOk;
}

} // namespace

void addBillCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<BillOptions>();
    CLI::App* bill = program.add_subcommand(
        "bill", "Write a bill of materials from a CSV of rows into a sheet with print settings");
    bill->add_option("ROWS", options->rows, "The bill's rows (CSV, no header line)")->required();
    bill->add_option("--columns", options->columns,
                     "The column names, separated by commas (\"Pos,Qty,Profile\")")
        ->required();
    bill->add_option("--types", options->types,
                     "The column kinds, separated by commas: 1 integer, 2 one decimal, 3 text, "
                     "other numbers leave the cells as they are")
        ->required();
    bill->add_option("--subtotal-marker", options->subtotalMarker,
                     "Rows whose first field is this text are subtotals (framed and shaded)");
    bill->add_option("--settings", options->settings,
                     "The print settings file (name in the settings folder, without .tfd); "
                     "the registry's default settings when it cannot be read");
    bill->add_option("--var", options->variables,
                     "A print variable NAME=VALUE (repeatable), after Date, Title and "
                     "BillFilename");
    bill->add_option("--out", options->out, "The bill's sheet (.tfs)")
        ->check(outputPathCheck())
        ->required();
    bill->callback([options, bill, &run] {
        options->hasSubtotalMarker = bill->count("--subtotal-marker") > 0;
        run = [options] { return writeBill(*options); };
    });
}

} // namespace app
