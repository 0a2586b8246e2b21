#include "apps/tessa/DesignCommands.h"

#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "designer/CDlgDesigner.h"
#include "designer/Vdn_DlgDesignerData.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserActions.h"
#include "platform/ui/users/UserScope.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace app {

namespace {

struct DesignOptions {
    std::string design;
    std::string library;
    std::string script;
    std::string saveAs;
    bool json = false;
};

const char* const kTypeNames[] = {"ctLabel",          "ctGroupBox",      "ctVarEdit",
                                  "ctVarCombo",       "ctPatternValues", "ctPatternCount",
                                  "ctPatternButton",  "ctBoltProp1",     "ctBoltProp2",
                                  "ctBoltProp3",      "ctBoltProp4",     "ctBoltProp5",
                                  "ctBoltButton",     "ctProfSection",   "ctProfButton",
                                  "ctProfOffsetType", "ctProfRotation",  "ctProfAdvButton",
                                  "ctArrayProp1",     "ctArrayProp2",    "ctArrayProp3",
                                  "ctArrayProp4",     "ctArrayProp5",    "ctArrayEntry",
                                  "ctArrayButton",    "ctCalcButton",    "ctCalcButtonNoDivisor",
                                  "ctBlockCombo",     "ctCutCombo",      "ctCheckBox",
                                  "ctFlexFixButton"};

// Pixels are products of fractions: the last bits of binary noise are no information.
double pixels(double value) {
    return std::round(value * 1e6) / 1e6;
}

void useLibrary(const DesignOptions& options) {
    if (!options.library.empty())
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));
}

// A name or path as a person on this system reads it: "sub/EndPlate" for the stored
// "sub\EndPlate".
std::string shown(const Vdn_String& name) {
    return utf8(core::fromNativePath(core::toNativePath(name)));
}

// A design name below the root, or a file; with or without ".txt". An existing file comes
// first, then an existing design of that name (as listed, "sub/EndPlate", or as stored,
// "sub\EndPlate"); what exists neither way is a file when it holds a '/', else a name.
Vdn_String designPath(const std::string& given) {
    const auto withText = [](const Vdn_String& path) {
        return removeExtension(path) == path ? path + L".txt" : path;
    };
    const Vdn_String name = Vdn_String::fromUtf8(given);
    const Vdn_String inRoot = withText(Vdn_DlgDesignerData::getDesignerRootFolder() + name);
    if (core::fileExists(name))
        return withText(name);
    if (core::fileExists(inRoot))
        return inRoot;
    return given.find('/') != std::string::npos ? withText(name) : inRoot;
}

// The path made absolute against the current folder (and lexically normal), as the designer
// window takes it.
Vdn_String absolutePath(const Vdn_String& path) {
    std::error_code error;
    const std::filesystem::path absolute =
        std::filesystem::absolute(core::toNativePath(path), error);
    return error ? path : core::fromNativePath(absolute.lexically_normal());
}

// Reads the design a command was given; false, with the reason on stderr, when it is missing,
// damaged or outside the designer folder.
bool readDesign(const std::string& given, const Vdn_String& path, Vdn_DlgDesignerData& design,
                bool withBitmap) {
    const std::string where = shown(path);
    if (!core::fileExists(path)) {
        fail("design \"" + given + "\" not found (" + where + ")");
        return false;
    }
    Vdn_String why;
    if (design.readFromFile(path, withBitmap, &why))
        return true;
    fail("design \"" + given + "\" (" + where + ") cannot be read: " + utf8(why));
    return false;
}

int listDesigns(const DesignOptions& options) {
    useLibrary(options);
    const Vdn_String root = Vdn_DlgDesignerData::getDesignerRootFolder();
    const std::optional<std::filesystem::path> folder = core::resolveExisting(root);
    std::error_code error;
    if (!folder || !std::filesystem::is_directory(*folder, error)) {
        std::string where = shown(root);
        while (where.size() > 1 && where.back() == '/')
            where.pop_back();
        return fail("no design folder " + where);
    }
    Vdn_StringArray names;
    Vdn_DlgDesignerData::getModuleImages(names);
    if (options.json) {
        // Names as macros store them.
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Vdn_String& name : names)
            list.push_back(utf8(name));
        std::printf("%s\n", nlohmann::ordered_json{{"designs", list}}
                                .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
                                .c_str());
        return kExitOk;
    }
    for (const Vdn_String& name : names)
        std::printf("%s\n", shown(name).c_str());
    return kExitOk;
}

nlohmann::ordered_json describe(Vdn_DlgDesignerData& design);

int showDesign(const DesignOptions& options) {
    useLibrary(options);
    // The model needs a host to count as set up; a hidden dialog of no template serves.
    CDialog host;
    Vdn_DlgDesignerData design;
    design.initialize(&host, 33000, 33099, 0, 0, 0, 0, 0, false);
    if (!readDesign(options.design, designPath(options.design), design, true))
        return kExitFailed;
    const nlohmann::ordered_json result = describe(design);
    if (options.json) {
        std::printf("%s\n",
                    result.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
        return kExitOk;
    }
    std::printf("%s", shown(design.name()).c_str());
    if (!result["picture"].is_null())
        std::printf(" (%d x %d)", result["picture"]["width"].get<int>(),
                    result["picture"]["height"].get<int>());
    std::printf("\n");
    for (const auto& control : result["controls"])
        std::printf("%d\t%s\t%s\t%s\n", control["index"].get<int>(),
                    control["typeName"].get<std::string>().c_str(),
                    control["contents"].get<std::string>().c_str(),
                    control["comboList"].get<std::string>().c_str());
    return kExitOk;
}

nlohmann::ordered_json describe(Vdn_DlgDesignerData& design) {
    design.sortAllControls();
    int width = 0;
    int height = 0;
    design.getImageSize(width, height);
    nlohmann::ordered_json controls = nlohmann::ordered_json::array();
    for (int i = 0; i < design.getNrControls(); ++i) {
        const Vdn_DesignerControl& control = *design.getControl(i);
        controls.push_back({{"index", i},
                            {"id", control.resourceId},
                            {"type", static_cast<int>(control.type)},
                            {"typeName", kTypeNames[control.type]},
                            {"fractions",
                             {{"left", control.topLeftX},
                              {"top", control.topLeftY},
                              {"right", control.bottomRightX},
                              {"bottom", control.bottomRightY}}},
                            {"pixels",
                             {{"left", pixels(design.getTopLeftX(i))},
                              {"top", pixels(design.getTopLeftY(i))},
                              {"right", pixels(design.getBottomRightX(i))},
                              {"bottom", pixels(design.getBottomRightY(i))}}},
                            {"contents", utf8(control.contents)},
                            {"comboList", utf8(control.getMergedExtComboList())},
                            {"tabOrder", control.tabOrder}});
    }
    nlohmann::ordered_json picture = nullptr;
    if (width > 0 && height > 0)
        picture = {{"width", width}, {"height", height}};
    return {{"name", utf8(design.name())}, {"picture", picture}, {"controls", controls}};
}

int designNames(const DesignOptions& options) {
    useLibrary(options);
    // The core module's GetImageDlgCtrlNames gives no names for a design it cannot read; a
    // person asking is told why instead.
    Vdn_DlgDesignerData design;
    if (!readDesign(options.design, designPath(options.design), design, false))
        return kExitFailed;
    Vdn_StringArray names;
    design.getAllCtrlNames(names);
    for (const Vdn_String& name : names)
        std::printf("%s\n", utf8(name).c_str());
    return kExitOk;
}

// One line of an edit script, split at blanks; the rest of the line after the operation for
// texts ("contents Plate width").
struct ScriptLine {
    int number = 0;
    std::string op;
    std::vector<std::string> words;
    std::string rest;
};

std::vector<ScriptLine> readScript(const std::string& path, std::string& problem) {
    std::vector<ScriptLine> lines;
    Vdn_StringArray text;
    if (!ObjectExportReadFile(Vdn_String::fromUtf8(path), text)) {
        problem = "the script " + path + " cannot be read";
        return lines;
    }
    for (int i = 0; i < text.length(); ++i) {
        const std::string line = utf8(text[i]);
        std::istringstream in(line);
        ScriptLine parsed;
        parsed.number = i + 1;
        if (!(in >> parsed.op) || parsed.op[0] == '#')
            continue;
        const std::size_t after = line.find(parsed.op) + parsed.op.size();
        const std::size_t start = line.find_first_not_of(' ', after);
        parsed.rest = start == std::string::npos ? std::string() : line.substr(start);
        for (std::string word; in >> word;)
            parsed.words.push_back(word);
        lines.push_back(std::move(parsed));
    }
    return lines;
}

bool numbers(const ScriptLine& line, std::size_t count, std::vector<int>& values) {
    values.clear();
    for (std::size_t i = 0; i < count; ++i) {
        if (i >= line.words.size())
            return false;
        char* end = nullptr;
        const long value = std::strtol(line.words[i].c_str(), &end, 10);
        if (end == line.words[i].c_str() || *end != '\0')
            return false;
        values.push_back(static_cast<int>(value));
    }
    return true;
}

unsigned modifiersOf(const ScriptLine& line, std::size_t at) {
    if (at >= line.words.size())
        return ui::NoModifier;
    if (line.words[at] == "ctrl")
        return ui::Control;
    if (line.words[at] == "shift")
        return ui::Shift;
    return ui::NoModifier;
}

int editDesign(const DesignOptions& options) {
    useLibrary(options);
    std::string problem;
    const std::vector<ScriptLine> script = readScript(options.script, problem);
    if (!problem.empty()) {
        std::fprintf(stderr, "tessa: %s\n", problem.c_str());
        return kExitFailed;
    }
    // Absolute, so that the window does not take a path relative to the current folder for a
    // name below the designer folder.
    const Vdn_String path = absolutePath(designPath(options.design));
    // A design that cannot be read would open empty, and a "save" would write that over it: it
    // is refused before anything runs. A missing design below the folder is a new one.
    const bool existed = core::fileExists(path);
    if (existed || !Vdn_DlgDesignerData::isBelowRootFolder(path)) {
        Vdn_DlgDesignerData check;
        Vdn_String why;
        if (!check.readFromFile(path, false, &why))
            return fail("design \"" + options.design + "\" (" + shown(path) +
                        ") cannot be read: " + utf8(why) + "; nothing was written");
    }
    const Vdn_String target = options.saveAs.empty() ? path : designPath(options.saveAs);
    const LoadedModule module(stderr);
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    int exitCode = kExitOk;
    std::string report;
    nlohmann::ordered_json result;
    user.expectModal<CDlgDesigner>([&](CDlgDesigner& designer, ui::UserActions& act) {
        if (existed && designer.design().name().isEmpty()) {
            // Changed since it was read above: the window opened it as a new design.
            report = "design \"" + options.design + "\" (" + shown(path) +
                     ") cannot be read any more; nothing was written";
            exitCode = kExitFailed;
            act.click(IDOK);
            return;
        }
        for (const ScriptLine& line : script) {
            const std::size_t failuresBefore = user.failures().size();
            std::vector<int> n;
            bool known = true;
            bool ok = true;
            if (line.op == "add") {
                ok = act.click(CDlgDesigner::kAddButton);
            } else if (line.op == "click" && numbers(line, 2, n)) {
                ok = act.clickAt(CPoint(n[0], n[1]), modifiersOf(line, 2));
            } else if ((line.op == "drag" || line.op == "band") && numbers(line, 4, n)) {
                ok = act.drag(CPoint(n[0], n[1]), CPoint(n[2], n[3]), modifiersOf(line, 4));
            } else if (line.op == "align") {
                ok = act.click(CDlgDesigner::kAlignButton);
            } else if (line.op == "side") {
                ok = act.click(CDlgDesigner::kSideBySideButton);
            } else if ((line.op == "width" || line.op == "height") && !line.words.empty()) {
                const std::wstring value = Vdn_String::fromUtf8(line.words[0]).str();
                user.expectModal(Vdn_DlgPromptString::IDD,
                                 [value](CDialog&, ui::UserActions& prompt) {
                                     prompt.enterText(Vdn_DlgPromptString::kValueEdit, value);
                                     prompt.click(IDOK);
                                 });
                ok = act.click(line.op == "width" ? CDlgDesigner::kWidthButton
                                                  : CDlgDesigner::kHeightButton);
            } else if (line.op == "copy") {
                ok = act.click(CDlgDesigner::kCopyButton);
            } else if (line.op == "remove") {
                ok = act.click(CDlgDesigner::kRemoveButton);
            } else if (line.op == "type" && numbers(line, 1, n)) {
                ok = act.selectComboItem(CDlgDesigner::kTypeCombo, n[0]);
            } else if (line.op == "contents") {
                ok = act.enterText(CDlgDesigner::kContentsEdit,
                                   Vdn_String::fromUtf8(line.rest).str());
            } else if (line.op == "combolist") {
                ok = act.enterText(CDlgDesigner::kComboListEdit,
                                   Vdn_String::fromUtf8(line.rest).str());
            } else if (line.op == "picture" && !line.words.empty()) {
                if (designer.design().name().isEmpty())
                    user.expectFileDialog(target.str());
                user.expectFileDialog(Vdn_String::fromUtf8(line.rest).str());
                ok = act.click(CDlgDesigner::kPictureButton) && designer.isModified();
            } else if (line.op == "undo") {
                ok = act.pressKey('Z', ui::Control);
            } else if (line.op == "redo") {
                ok = act.pressKey('Y', ui::Control);
            } else if (line.op == "save") {
                ok = designer.design().writeToFile(target);
            } else {
                known = false;
            }
            if (!known) {
                report = "line " + std::to_string(line.number) + ": unknown operation \"" +
                         line.op + "\" or its arguments are wrong";
                exitCode = kExitUsage;
                break;
            }
            if (!ok || user.failures().size() != failuresBefore) {
                report = "line " + std::to_string(line.number) + ": " + line.op + " failed";
                if (user.failures().size() != failuresBefore)
                    report += ": " + utf8(user.failures().back());
                exitCode = kExitFailed;
                break;
            }
        }
        result = describe(designer.design());
        if (designer.isModified())
            user.expectMessageBox(IDNO); // what was not saved stays unsaved
        act.click(IDOK);
    });
    StartDlgDesigner(path);
    if (exitCode != kExitOk) {
        std::fprintf(stderr, "tessa: %s\n", report.c_str());
        return exitCode;
    }
    if (options.json)
        std::printf("%s\n",
                    result.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    return kExitOk;
}

} // namespace

void addDesignCommand(CLI::App& program, CommandRun& run) {
    CLI::App* design = program.add_subcommand("design", "the dialog designs of the library");
    design->require_subcommand(1);
    auto options = std::make_shared<DesignOptions>();

    CLI::App* list = design->add_subcommand("list", "every design below the designer folder");
    list->add_option("--library", options->library, "the library folder");
    list->add_flag("--json", options->json, "as JSON");
    list->callback([options, &run] { run = [options] { return listDesigns(*options); }; });

    CLI::App* show = design->add_subcommand("show", "the controls of a design");
    show->add_option("design", options->design, "a design name or file")->required();
    show->add_option("--library", options->library, "the library folder");
    show->add_flag("--json", options->json, "as JSON");
    show->callback([options, &run] { run = [options] { return showDesign(*options); }; });

    CLI::App* edit = design->add_subcommand("edit", "run the designer on a design with a script");
    edit->add_option("design", options->design, "a design name or file")->required();
    edit->add_option("--script", options->script, "one operation a line")->required();
    edit->add_option("--save-as", options->saveAs, "where save writes (default: the design)")
        ->check(outputPathCheck());
    edit->add_option("--library", options->library, "the library folder");
    edit->add_flag("--json", options->json, "the design afterwards, as JSON");
    edit->callback([options, &run] { run = [options] { return editDesign(*options); }; });

    CLI::App* names = design->add_subcommand("names", "the variable names of a design");
    names->add_option("design", options->design, "a design name or file")->required();
    names->add_option("--library", options->library, "the library folder");
    names->callback([options, &run] { run = [options] { return designNames(*options); }; });
}

} // namespace app
