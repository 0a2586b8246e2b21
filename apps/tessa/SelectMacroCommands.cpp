#include "apps/tessa/SelectMacroCommands.h"

#include "apps/tessa/CsvInput.h"
#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "macro/select/CDlgSelectMacro.h"
#include "macro/select/CDlgStringArray.h"
#include "macro/select/MacroThumbnails.h"
#include "macro/select/SelectMacroLaunchers.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/grid/files/CsvReader.h"
#include "platform/grid/sheet/TextLocation.h"
#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserScope.h"
#include "platform/ui/windows/WinConstants.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

namespace app {

namespace {

struct SelectOptions {
    std::string folder;
    std::vector<std::string> off;
    bool all = false;
    std::string choose;
    bool alternative = false;
    int depth = 0;
    bool json = false;
};

// "T = 15" and "t=15" name the same property: blanks and case do not count.
Vdn_String squeezed(const Vdn_String& text) {
    return text.replace(L" ", L"").toLower();
}

// The filter grid's check cell of "Module" or "Module/Property"; false when there is none.
bool filterCell(const CDlgSelectMacro& dialog, const Vdn_String& wanted, int& col, int& row) {
    const int slash = wanted.find(L"/");
    const Vdn_String module = slash < 0 ? wanted : wanted.substr(0, slash);
    const Vdn_String property = slash < 0 ? Vdn_String() : wanted.substr(slash + 1);
    Vdn_Array<Vdn_StringArray> rows;
    Vdn_Array<Vdn_Array<bool>> states;
    dialog.filter_.getMergedProps(rows, states);
    for (int r = 0; r < rows.length(); ++r) {
        if (!rows[r][0].equal(module.trim(), false))
            continue;
        for (int position = 0; position < rows[r].length(); ++position) {
            if (position == 0 ? property.isEmpty()
                              : squeezed(rows[r][position]) == squeezed(property)) {
                col = 2 * position + 1;
                row = r + 1;
                return true;
            }
        }
    }
    return false;
}

nlohmann::ordered_json filterJson(const Vdn_MacroPropsFilter& filter) {
    Vdn_Array<Vdn_StringArray> rows;
    Vdn_Array<Vdn_Array<bool>> states;
    filter.getMergedProps(rows, states);
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (int r = 0; r < rows.length(); ++r) {
        nlohmann::ordered_json properties = nlohmann::ordered_json::array();
        for (int p = 1; p < rows[r].length(); ++p)
            properties.push_back({{"text", utf8(rows[r][p])}, {"on", bool(states[r][p])}});
        list.push_back(
            {{"module", utf8(rows[r][0])}, {"on", bool(states[r][0])}, {"properties", properties}});
    }
    return list;
}

// A path as a person on this system reads it: with '/' between folders, as it was given.
std::string shown(const Vdn_String& path) {
    return utf8(core::fromNativePath(core::toNativePath(path)));
}

// A problem of the filter ("<drawing>: <why>", the reader's why often naming the drawing
// again) as a person reads it: the drawing with '/' and named once in front.
std::string problemText(const Vdn_String& problem, const Vdn_StringArray& drawings) {
    for (const Vdn_String& drawing : drawings) {
        const Vdn_String prefix = drawing + L": ";
        if (!problem.startsWith(prefix, true))
            continue;
        Vdn_String why = problem.substr(prefix.length());
        if (why.startsWith(prefix, true))
            why = why.substr(prefix.length());
        return shown(drawing) + ": " +
               utf8(why.replace(drawing, core::fromNativePath(core::toNativePath(drawing))));
    }
    return utf8(problem);
}

int selectMacro(const SelectOptions& options) {
    const Vdn_String given = options.folder.empty() ? gSettings.libDir() + L"Macros"
                                                    : Vdn_String::fromUtf8(options.folder);
    const Vdn_String folder = ensureEndBSlash(given);
    const std::optional<std::filesystem::path> found = core::resolveExisting(given);
    if (!found)
        return fail("select-macro: there is no folder " + shown(given));
    std::error_code error;
    if (!std::filesystem::is_directory(*found, error))
        return fail("select-macro: " + shown(given) + " is not a folder");
    const LoadedModule module(stderr);
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    std::string problem;
    nlohmann::ordered_json listed = nlohmann::ordered_json::array();
    nlohmann::ordered_json filter;
    std::vector<std::string> unreadable;
    user.expectModal<CDlgSelectMacro>([&](CDlgSelectMacro& dialog, ui::UserActions& act) {
        // A drawing that cannot be read holds no modules and so passes every filter: listed
        // among the macros, it would look like one that can be chosen.
        Vdn_StringArray drawings;
        dialog.filter_.getAllDwgFiles(drawings);
        for (const Vdn_String& problem : dialog.filter_.problems())
            unreadable.push_back(problemText(problem, drawings));
        for (const std::string& off : options.off) {
            int col = 0;
            int row = 0;
            if (!filterCell(dialog, Vdn_String::fromUtf8(off), col, row)) {
                problem = "select-macro: the filter has no module or property '" + off + "'";
                return;
            }
            bool on = false;
            dialog.filterGrid().getCheck(col, row, on);
            if (on)
                act.clickCell(CDlgSelectMacro::kFilterGrid, col, row);
        }
        if (options.all)
            act.click(CDlgSelectMacro::kApplyFilter);
        filter = filterJson(dialog.filter_);
        for (int i = 0; i < dialog.shownMacros().length(); ++i) {
            const Vdn_String& drawing = dialog.shownMacros()[i];
            listed.push_back({{"label", utf8(dialog.shownLabels()[i])},
                              {"drawing", utf8(drawing)},
                              {"picture", utf8(macroPicture(drawing))}});
        }
        if (options.choose.empty())
            return;
        const Vdn_String wanted = Vdn_String::fromUtf8(options.choose);
        for (int i = 0; i < dialog.shownMacros().length(); ++i) {
            const Vdn_String& drawing = dialog.shownMacros()[i];
            const Vdn_String title = removeExtension(drawing).substr(getPath(drawing).length());
            if (title.equal(wanted, false) || dialog.shownLabels()[i].equal(wanted, false)) {
                act.selectImage(CDlgSelectMacro::kThumbnails, i);
                act.click(options.alternative ? CDlgSelectMacro::kAltConfirm : IDOK);
                return;
            }
        }
        problem = "select-macro: no macro '" + options.choose + "' is shown";
    });
    Vdn_String chosen;
    bool alternative = options.alternative;
    const bool confirmed = StartDlgSelectMacro(Vdn_String(), Vdn_StringArray{folder}, options.depth,
                                               -1, chosen, alternative, false);
    for (const std::string& problem : unreadable)
        std::fprintf(stderr, "tessa: warning: select-macro: %s\n", shortened(problem).c_str());
    if (!problem.empty())
        return fail(problem);
    if (!user.verify())
        return fail("select-macro: " + utf8(user.failureText()));
    if (options.json) {
        nlohmann::ordered_json result = {{"folder", utf8(folder)},
                                         {"filter", filter},
                                         {"macros", listed},
                                         {"chosen", nullptr},
                                         {"alternative", false}};
        if (confirmed) {
            result["chosen"] = utf8(chosen);
            result["alternative"] = alternative;
        }
        std::printf("%s\n",
                    result.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
        return kExitOk;
    }
    for (const auto& row : filter) {
        if (!row["on"].get<bool>())
            std::printf("off\t%s\n", row["module"].get<std::string>().c_str());
        for (const auto& property : row["properties"]) {
            if (!property["on"].get<bool>())
                std::printf("off\t%s/%s\n", row["module"].get<std::string>().c_str(),
                            property["text"].get<std::string>().c_str());
        }
    }
    for (const auto& macro : listed)
        std::printf("macro\t%s\t%s\n", macro["label"].get<std::string>().c_str(),
                    shown(Vdn_String::fromUtf8(macro["drawing"].get<std::string>())).c_str());
    if (confirmed)
        std::printf("%s\t%s\n", alternative ? "chosen (alternative)" : "chosen",
                    shown(chosen).c_str());
    return kExitOk;
}

struct GridOptions {
    std::string csv;
    std::string rowHeaders;
    bool fixedRows = false;
    std::vector<std::string> edits;
    std::string caption;
    std::string out;
    bool json = false;
};

Vdn_StringArray splitList(const std::string& text) {
    Vdn_StringArray items;
    if (text.empty())
        return items;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ',');)
        items.append(Vdn_String::fromUtf8(item));
    return items;
}

bool readCsv(const std::string& path, Vdn_StringArray& headers, Vdn_Array<Vdn_StringArray>& rows,
             std::string& problem) {
    std::vector<std::vector<std::wstring>> lines;
    if (const auto failed = readCsvInput(path, lines)) {
        problem = "grid-dialog: " + *failed;
        return false;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Vdn_StringArray texts;
        for (const std::wstring& field : lines[i])
            texts.append(Vdn_String(field));
        if (i == 0)
            headers = texts;
        else
            rows.append(texts);
    }
    return true;
}

// A field of the CSV written: quoted when it holds a separator, a quote, a line break or
// blanks at either end.
std::string csvField(const std::string& text) {
    const bool quote = text.find_first_of(",;\t\"\r\n") != std::string::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote)
        return text;
    std::string out = "\"";
    for (const char ch : text) {
        out += ch;
        if (ch == '"')
            out += '"';
    }
    return out + "\"";
}

std::string csvText(const Vdn_StringArray& headers, const Vdn_Array<Vdn_StringArray>& rows) {
    std::string text;
    auto line = [&text](const Vdn_StringArray& fields) {
        for (int i = 0; i < fields.length(); ++i)
            text += (i > 0 ? "," : "") + csvField(utf8(fields[i]));
        text += "\r\n";
    };
    line(headers);
    for (const Vdn_StringArray& row : rows)
        line(row);
    return text;
}

// A row or column number of an edit: digits only, from 1 (no sign, no overflow).
std::optional<int> editNumber(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 1)
        return std::nullopt;
    return number;
}

// One edit of the table as the user makes it: "set ROW,COL=TEXT", "add ROW", "remove ROW".
// Rows and columns count from 1; a row past the table's end is refused by the grid itself.
bool applyEdit(const std::string& edit, ui::UserActions& act, std::string& problem) {
    std::istringstream in(edit);
    std::string op;
    in >> op;
    std::string rest;
    std::getline(in, rest);
    rest.erase(0, rest.find_first_not_of(' '));
    if (op == "set") {
        const std::size_t equals = rest.find('=');
        const std::size_t comma = rest.find(',');
        if (equals != std::string::npos && comma < equals) {
            const auto row = editNumber(std::string_view(rest).substr(0, comma));
            const auto col =
                editNumber(std::string_view(rest).substr(comma + 1, equals - comma - 1));
            if (row && col)
                return act.typeInCell(CDlgStringArray::kGrid, *col, *row,
                                      Vdn_String::fromUtf8(rest.substr(equals + 1)).str());
        }
    } else if (op == "add" || op == "remove") {
        if (const auto row = editNumber(rest)) {
            if (!act.clickCell(CDlgStringArray::kGrid, 1, *row)) {
                problem =
                    "grid-dialog: the edit '" + edit + "': there is no row " + std::to_string(*row);
                return false;
            }
            return act.click(op == "add" ? CDlgStringArray::kAddRow : CDlgStringArray::kRemoveRow);
        }
    }
    problem = "grid-dialog: the edit '" + edit +
              "' is none of: set ROW,COL=TEXT, add ROW, remove ROW (ROW and COL from 1)";
    return false;
}

int gridDialog(const GridOptions& options) {
    Vdn_StringArray headers;
    Vdn_Array<Vdn_StringArray> rows;
    std::string problem;
    if (!readCsv(options.csv, headers, rows, problem))
        return fail(problem);
    if (headers.isEmpty())
        return fail("grid-dialog: " + options.csv + " has no column headers on its first line");
    std::optional<OutputFile> output;
    if (!options.out.empty()) {
        output.emplace(options.out);
        if (const auto refused = output->refusal())
            return fail("grid-dialog: " + *refused);
    }
    const LoadedModule module(stderr);
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    user.expectModal<CDlgStringArray>([&](CDlgStringArray&, ui::UserActions& act) {
        for (const std::string& edit : options.edits) {
            const std::size_t failures = user.failures().size();
            if (!applyEdit(edit, act, problem) || user.failures().size() != failures) {
                if (problem.empty())
                    problem = "grid-dialog: the edit '" + edit + "' failed: " +
                              utf8(user.failures().empty() ? std::wstring(L"refused")
                                                           : user.failures().back());
                return;
            }
        }
        act.click(IDOK);
    });
    const bool ok =
        startGridDialog(headers, splitList(options.rowHeaders), rows, !options.fixedRows,
                        Vdn_String(), Vdn_String::fromUtf8(options.caption));
    if (!problem.empty())
        return fail(problem);
    if (!ok)
        return fail("grid-dialog: the table was not confirmed");
    const std::string text = csvText(headers, rows);
    if (output) {
        const auto failed = output->write(text);
        if (failed)
            return fail("grid-dialog: " + *failed);
    }
    if (options.json) {
        nlohmann::ordered_json columns = nlohmann::ordered_json::array();
        for (const Vdn_String& header : headers)
            columns.push_back(utf8(header));
        nlohmann::ordered_json table = nlohmann::ordered_json::array();
        for (const Vdn_StringArray& row : rows) {
            nlohmann::ordered_json fields = nlohmann::ordered_json::array();
            for (const Vdn_String& field : row)
                fields.push_back(utf8(field));
            table.push_back(fields);
        }
        std::printf("%s\n", nlohmann::ordered_json{{"columns", columns}, {"rows", table}}
                                .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
                                .c_str());
    } else if (!output) {
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return kExitOk;
}

} // namespace

void addSelectMacroCommands(CLI::App& program, CommandRun& run) {
    const auto select = std::make_shared<SelectOptions>();
    CLI::App* selectCommand =
        program.add_subcommand("select-macro", "Choose a macro of the library in the chooser");
    selectCommand->add_option("FOLDER", select->folder,
                              "The folder of macro drawings (default: the library's Macros)");
    selectCommand->add_option("--off", select->off,
                              "Switch a filter row off: MODULE or MODULE/PROPERTY ('Plate/T=15')");
    selectCommand->add_flag("--all", select->all, "Show every macro, the filter aside");
    selectCommand->add_option("--choose", select->choose, "The macro to choose, by name or label");
    selectCommand->add_flag("--alternative", select->alternative,
                            "Offer the alternative use and choose with it");
    selectCommand->add_option("--depth", select->depth,
                              "Levels of sub-folders searched (0: none, -1: all)");
    selectCommand->add_flag("--json", select->json, "Print the result as JSON");
    selectCommand->callback([select, &run] { run = [select] { return selectMacro(*select); }; });

    const auto gridOptions = std::make_shared<GridOptions>();
    CLI::App* grid =
        program.add_subcommand("grid-dialog", "Edit a table of texts in the string-table editor");
    grid->add_option("CSV", gridOptions->csv, "The table; its first line the column headers")
        ->required();
    grid->add_option("--row-headers", gridOptions->rowHeaders, "Row headers, separated by ','");
    grid->add_flag("--fixed-rows", gridOptions->fixedRows, "Rows may not be added or removed");
    grid->add_option("--edit", gridOptions->edits,
                     "An edit, in order: 'set ROW,COL=TEXT', 'add ROW', 'remove ROW'");
    grid->add_option("--caption", gridOptions->caption, "The editor's caption");
    grid->add_option("--out", gridOptions->out, "Write the edited table (CSV) here")
        ->check(outputPathCheck());
    grid->add_flag("--json", gridOptions->json, "Print the table as JSON");
    grid->callback(
        [gridOptions, &run] { run = [gridOptions] { return gridDialog(*gridOptions); }; });
}

} // namespace app
