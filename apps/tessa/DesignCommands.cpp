#include "apps/tessa/DesignCommands.h"

#include "apps/tessa/ProgramText.h"
#include "designer/DesignerLaunchers.h"
#include "designer/Vdn_DlgDesignerData.h"
#include "platform/core/PathBoundary.h"
#include "platform/core/PathHelpers.h"
#include "platform/core/Vdn_Settings.h"
#include "platform/ui/CDialog.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace app {

namespace {

struct DesignOptions {
    std::string design;
    std::string library;
    bool json = false;
};

const char* const kTypeNames[] = {
    "ctLabel", "ctGroupBox", "ctVarEdit", "ctVarCombo", "ctPatternValues", "ctPatternCount",
    "ctPatternButton", "ctBoltProp1", "ctBoltProp2", "ctBoltProp3", "ctBoltProp4", "ctBoltProp5",
    "ctBoltButton", "ctProfSection", "ctProfButton", "ctProfOffsetType", "ctProfRotation",
    "ctProfAdvButton", "ctArrayProp1", "ctArrayProp2", "ctArrayProp3", "ctArrayProp4",
    "ctArrayProp5", "ctArrayEntry", "ctArrayButton", "ctCalcButton", "ctCalcButtonNoDivisor",
    "ctBlockCombo", "ctCutCombo", "ctCheckBox", "ctFlexFixButton"};

// Pixels are products of fractions: the last bits of binary noise are no information.
double pixels(double value) {
    return std::round(value * 1e6) / 1e6;
}

void useLibrary(const DesignOptions& options) {
    if (!options.library.empty())
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));
}

// A design name below the root, or a file; with or without ".txt".
Vdn_String designPath(const std::string& given) {
    const Vdn_String name = Vdn_String::fromUtf8(given);
    const bool isFile = core::fileExists(name) || given.find('/') != std::string::npos;
    Vdn_String path = isFile ? name : Vdn_DlgDesignerData::getDesignerRootFolder() + name;
    if (removeExtension(path) == path)
        path = path + L".txt";
    return path;
}

int listDesigns(const DesignOptions& options) {
    useLibrary(options);
    Vdn_StringArray names;
    Vdn_DlgDesignerData::getModuleImages(names);
    if (options.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Vdn_String& name : names)
            list.push_back(utf8(name));
        std::printf("%s\n", nlohmann::ordered_json{{"designs", list}}.dump().c_str());
        return kExitOk;
    }
    for (const Vdn_String& name : names)
        std::printf("%s\n", utf8(name).c_str());
    return kExitOk;
}

int showDesign(const DesignOptions& options) {
    useLibrary(options);
    const Vdn_String path = designPath(options.design);
    const std::string where = core::toNativePath(path).string();
    if (!core::fileExists(path)) {
        std::fprintf(stderr, "tessa: design \"%s\" not found (%s)\n", options.design.c_str(),
                     where.c_str());
        return kExitFailed;
    }
    // The model needs a host to count as set up; a hidden dialog of no template serves.
    CDialog host;
    Vdn_DlgDesignerData design;
    design.initialize(&host, 33000, 33099, 0, 0, 0, 0, 0, false);
    if (!design.readFromFile(path, true)) {
        std::fprintf(stderr,
                     "tessa: design \"%s\" (%s) cannot be read: damaged, or not below the "
                     "designer folder %s\n",
                     options.design.c_str(), where.c_str(),
                     core::toNativePath(Vdn_DlgDesignerData::getDesignerRootFolder()).string().c_str());
        return kExitFailed;
    }
    design.sortAllControls();
    int width = 0;
    int height = 0;
    design.getImageSize(width, height);
    nlohmann::ordered_json controls = nlohmann::ordered_json::array();
    for (int i = 0; i < design.getNrControls(); ++i) {
        const Vdn_DesignerControl& control = *design.getControl(i);
        controls.push_back(
            {{"index", i},
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
    const nlohmann::ordered_json result = {
        {"name", utf8(design.name())}, {"picture", picture}, {"controls", controls}};
    if (options.json) {
        std::printf("%s\n", result.dump().c_str());
        return kExitOk;
    }
    std::printf("%s", utf8(design.name()).c_str());
    if (width > 0)
        std::printf(" (%d x %d)", width, height);
    std::printf("\n");
    for (const auto& control : controls)
        std::printf("%d\t%s\t%s\t%s\n", control["index"].get<int>(),
                    control["typeName"].get<std::string>().c_str(),
                    control["contents"].get<std::string>().c_str(),
                    control["comboList"].get<std::string>().c_str());
    return kExitOk;
}

int designNames(const DesignOptions& options) {
    useLibrary(options);
    Vdn_StringArray names;
    GetImageDlgCtrlNames(designPath(options.design), names);
    for (const Vdn_String& name : names)
        std::printf("%s\n", utf8(name).c_str());
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

    CLI::App* names = design->add_subcommand("names", "the variable names of a design");
    names->add_option("design", options->design, "a design name or file")->required();
    names->add_option("--library", options->library, "the library folder");
    names->callback([options, &run] { run = [options] { return designNames(*options); }; });
}

} // namespace app
