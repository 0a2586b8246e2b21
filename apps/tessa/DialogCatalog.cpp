#include "apps/tessa/DialogCatalog.h"

#include "apps/tessa/CutDialogCatalog.h"
#include "apps/tessa/MacroDialogCatalog.h"
#include "apps/tessa/MacroEditorDialogCatalog.h"
#include "apps/tessa/MacroSettingsDialogCatalog.h"
#include "apps/tessa/MacroSubDialogCatalog.h"
#include "apps/tessa/ProfileDialogCatalog.h"
#include "apps/tessa/SelectMacroDialogCatalog.h"
#include "designer/CDlgDesigner.h"
#include "dialogs/CDlgCis2.h"
#include "dialogs/CDlgEditDstvPoints.h"
#include "dialogs/CDlgGrid.h"
#include "dialogs/CDlgInfo.h"
#include "dialogs/CDlgLevels.h"
#include "dialogs/CDlgLookup.h"
#include "dialogs/CDlgOpenSave.h"
#include "dialogs/CDlgProfFeatures.h"
#include "dialogs/CDlgSectionTranslation.h"
#include "dialogs/CDlgSelectDstvPointsFile.h"
#include "dialogs/CDlgSelectImage.h"
#include "dialogs/CDlgSelectProf.h"
#include "dialogs/CFormula.h"
#include "dialogs/Vdn_DlgCSP2.h"
#include "library/LibraryLaunchers.h"
#include "module/SheetsManagerSlot.h"
#include "platform/core/model/DlgCSP2DataFile.h"
#include "platform/core/model/DlgDstvPoints.h"
#include "platform/core/model/GenVarsFile.h"
#include "platform/core/sections/SectionLibraryFile.h"
#include "platform/core/sections/SectionTranslations.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/core/workshop/WsUiNamingItems.h"
#include "platform/core/workshop/WsUiSettingsFile.h"
#include "platform/host/CommandLineApi.h"
#include "platform/host/HostWindows.h"
#include "platform/ui/dialogs/CDlgListSort.h"
#include "platform/ui/dialogs/CDlgScales.h"
#include "platform/ui/users/UserActions.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/CDlgFindReplace.h"
#include "spreadsheet/Vdn_DlgPromptString.h"
#include "spreadsheet/Vdn_Spread.h"
#include "spreadsheet/editor/CDlgSSAsTool.h"
#include "spreadsheet/editor/CDlgSSOptions.h"
#include "spreadsheet/editor/CDlgSSSettings.h"
#include "spreadsheet/editor/DlgSSAsTool.h"
#include "spreadsheet/genvars/GenVarsLaunchers.h"
#include "spreadsheet/standards/CDlgSSStandards.h"
#include "workshop/CDlgWsSettings.h"
#include "workshop/Vdn_DlgWsFileNaming.h"
#include "workshop/Vdn_DlgWsFormats.h"
#include "workshop/sheets/SheetsFile.h"
#include "workshop/sheets/SheetsManagerLaunchers.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace app {

namespace {

Vdn_String exampleSheet() {
    return gSettings.libDir() + L"Connection Standards/EndPlate.tfs";
}

// The designer on the example library's end-plate design.
bool showDesigner(DialogPresenter&) {
    StartDlgDesigner(L"EndPlate");
    return true;
}

// Saving a properties file of the example macro, among the names of its own and of all macros.
bool showOpenSave(DialogPresenter&) {
    CDlgOpenSave dialog;
    dialog.mode_ = CDlgOpenSave::kModeSave;
    dialog.folder_ = gSettings.libDir() + L"Properties\\";
    dialog.extension_ = L".prp";
    for (const wchar_t* name : {L"EndPlate-light", L"EndPlate-heavy", L"EndPlate-site"}) {
        dialog.macroNames_.append(name);
        dialog.allNames_.append(name);
    }
    for (const wchar_t* name : {L"BeamSplice-default", L"Stiffener-welded"}) {
        dialog.allNames_.append(name);
    }
    return dialog.DoModal() != -1;
}

bool showOptions(DialogPresenter&) {
    CDlgSSOptions dialog;
    dialog.cols = 4;
    dialog.rows = 6;
    dialog.colHeaderHeight = 20;
    dialog.rowHeaderWidth = 40;
    for (const wchar_t* name : {L"Profile", L"Height", L"Width", L"Mass"}) {
        dialog.colNames.append(name);
    }
    for (const wchar_t* name : {L"HEA-100", L"HEA-120", L"HEA-140", L"HEA-160"}) {
        dialog.rowNames.append(name);
    }
    return dialog.DoModal() != -1;
}

bool showSettings(DialogPresenter&) {
    CDlgSSSettings dialog;
    dialog.language = 0;
    return dialog.DoModal() != -1;
}

bool showPrompt(DialogPresenter&) {
    Vdn_DlgPromptString dialog;
    dialog.caption = L"Nieuwe variabele";
    dialog.label = L"Naam van de variabele:";
    dialog.value = L"PlateWidth";
    return dialog.DoModal() != -1;
}

bool showFormula(DialogPresenter&) {
    CFormula dialog;
    dialog.mode = CFormula::kModeShowCell;
    dialog.filePath = exampleSheet();
    dialog.cellColumn = 3;
    dialog.cellRow = 12;
    return dialog.DoModal() != -1;
}

// The spreadsheet tool window, normally hidden, shown with the example standards sheet.
bool showTool(DialogPresenter& presenter) {
    DlgSSAsTool tool;
    if (!tool.create() || tool.get() == nullptr) {
        return false;
    }
    tool.get()->SSLoadFromFile(exampleSheet().str());
    tool.window()->ShowWindow(SW_SHOW);
    presenter.presentModeless(*tool.window());
    return true;
}

bool showFindReplace(DialogPresenter& presenter) {
    DlgSSAsTool tool;
    if (!tool.create() || tool.get() == nullptr) {
        return false;
    }
    Vdn_Spread& spread = *tool.get();
    spread.SSLoadFromFile(exampleSheet().str());
    spread.SetFocus();
    // F5 opens the dialog for replacing, as a person opens it.
    ui::UserActions(spread).pressKey(VK_F5);
    CDlgFindReplace* dialog = spread.findReplaceDialog();
    if (dialog == nullptr || dialog->GetSafeHwnd() == nullptr) {
        return false;
    }
    dialog->SetDlgItemText(CDlgFindReplace::kFindEdit, L"HEA");
    dialog->SetDlgItemText(CDlgFindReplace::kReplaceEdit, L"IPE");
    presenter.presentModeless(*dialog);
    return true;
}

// The pooled standards dialog is never shown in the module; here it shows the example sheet
// it evaluates.
bool showStandards(DialogPresenter& presenter) {
    CDlgSSStandards dialog;
    if (!dialog.Create(CDlgSSStandards::kTemplateId)) {
        return false;
    }
    dialog.calcSS().loadFile(exampleSheet());
    dialog.ShowWindow(SW_SHOW);
    presenter.presentModeless(dialog);
    dialog.DestroyWindow();
    return true;
}

// A grid of six lines from "A" at 6 m by four lines from "1" at 7.2 m.
bool showGrid(DialogPresenter&) {
    CDlgGrid dialog;
    dialog.data_.firstCount = 6;
    dialog.data_.firstSpacing = L"6000";
    dialog.data_.secondCount = 4;
    dialog.data_.secondSpacing = L"7200";
    return dialog.DoModal() != -1;
}

// The levels of a small two-storey hall, from the foundation to the roof.
bool showLevels(DialogPresenter&) {
    CDlgLevels dialog;
    TfLevelsDlgData& levels = dialog.data_;
    struct Example {
        const wchar_t* name;
        const wchar_t* base;
        double height;
    };
    for (const Example& level :
         {Example{L"Fundering", L"wcs", -800.0}, Example{L"Vloer begane grond", L"wcs", 0.0},
          Example{L"Verdieping 1", L"Vloer begane grond", 3600.0},
          Example{L"Dak", L"Verdieping 1", 4250.0}}) {
        int index = -1;
        levels.addLevel(level.name, index);
        levels.updateLevel(index, Vdn_String(level.base));
        levels.updateLevel(index, level.height);
    }
    return dialog.DoModal() != -1;
}

// Looking up the HEA columns in S355 of the first phase.
bool showLookup(DialogPresenter&) {
    CDlgLookup dialog;
    TfLookUpDlgData& query = dialog.data_;
    query.text1 = L"K*";
    query.proposals1 = Vdn_StringArray{L"K1", L"K2", L"L*"};
    query.text2 = L"HEA-200";
    query.proposals2 = Vdn_StringArray{L"HEA-200", L"HEA-240", L"IPE-300"};
    query.text3 = L"S355";
    query.proposals3 = Vdn_StringArray{L"S235", L"S355"};
    query.text4 = L"1";
    query.proposals4 = Vdn_StringArray{L"1", L"2"};
    query.text5 = L"Kolommen";
    query.proposals5 = Vdn_StringArray{L"Kolommen", L"Liggers", L"Windverbanden"};
    return dialog.DoModal() != -1;
}

// The general variables of the example library: a project's drawing and standards values.
bool showGenVars(DialogPresenter&) {
    core::GenVarsReadResult read =
        core::readGenVarsFile(gSettings.libDir() + L"GeneralVariables.json");
    if (!read.ok) {
        return false;
    }
    StartDlgGenVars(read.data);
    return true;
}

// The sheets manager docked in the host's frame, on the example library's sheets; changing
// the format is reported on the command line.
bool showSheetsMgr(DialogPresenter& presenter) {
    sheets::SheetsReadResult read =
        sheets::readSheetsFile(gSettings.libDir() + L"Workshop/Sheets.json");
    if (!read.ok) {
        return false;
    }
    read.data.setFormatChange([](const Vdn_String& format) {
        acutPrintf(L"\nThe sheets get the format %s.", format.c_str());
        return true;
    });
    if (!StartModelessDlgSheetsMgr(read.data)) {
        return false;
    }
    if (!presenter.presentDocked(*acedGetAcadFrame())) {
        EndModelessDlgSheetsMgr();
    }
    return true;
}

// The workshop settings of the example library; false when they cannot be read.
bool readExampleWorkshop(WsUiGlobalSettings& settings) {
    Vdn_String message;
    return core::readWsUiSettingsFile(gSettings.libDir() + L"Workshop/WorkshopSettings.json",
                                      settings, message);
}

// The naming of the example library's DSTV files.
bool showFileNaming(DialogPresenter&) {
    WsUiGlobalSettings settings;
    if (!readExampleWorkshop(settings))
        return false;
    Vdn_DlgWsFileNaming dialog;
    dialog.settings_ = &settings;
    dialog.path_ = createPath(WsUiSettingPath(), L"mDSTVFileNaming");
    return dialog.DoModal() != -1;
}

// The paper formats of the example library.
bool showFormats(DialogPresenter&) {
    WsUiGlobalSettings settings;
    if (!readExampleWorkshop(settings))
        return false;
    Vdn_DlgWsFormats dialog;
    dialog.settings_ = &settings;
    dialog.path_ = createPath(WsUiSettingPath(), L"mFormats");
    return dialog.DoModal() != -1;
}

// The workshop settings of the example library in the settings browser.
bool showWsSettings(DialogPresenter&) {
    WsUiGlobalSettings settings;
    if (!readExampleWorkshop(settings))
        return false;
    StartDlgWsSettings(settings);
    return true;
}

// Choosing the naming items of a DSTV file name.
bool showListSort(DialogPresenter&) {
    CDlgListSort dialog;
    dialog.data_.title = L"Creatie van de bestandsnamen";
    dialog.data_.prompt = L"Voeg toe, verwijder en sorteer de items";
    dialog.data_.availableItems = getAllNamingDescs();
    dialog.data_.chosenItems = getNamingDescs(Vdn_Array<int>{kPrPlMark, kPrPlPosition});
    return dialog.DoModal() != -1;
}

// The scales permitted on an A3 sheet.
bool showScales(DialogPresenter&) {
    CDlgScales dialog;
    dialog.title_ = L"Te gebruiken schalen";
    dialog.scales_ = Vdn_Array<double>{5.0, 10.0, 15.0, 20.0, 25.0};
    return dialog.DoModal() != -1;
}

// The example library's section library, opened at the HEA table's size 200.
bool showEditLibSections(DialogPresenter&) {
    DlgEditLibData data;
    Vdn_String problem;
    if (!core::readSectionLibrary(core::sectionLibraryPath(), data, problem))
        return false;
    StartDlgEditLibSections(data, L"HEA-200");
    return true;
}

// A new rectangular hollow section, starting from RHS 100x50x4.
bool showEditLibSimple(DialogPresenter&) {
    Vdn_ProfValuesTable table;
    if (!table.readFromFile(L"RHS"))
        return false;
    int index = -1;
    StartDlgEditLibSimple(L"RHS-100x50x4", table, index);
    return true;
}

// The example hall's columns: parts, stock at hand and lengths to buy.
bool showCsp(DialogPresenter&) {
    const core::CspRecordRead read =
        core::readCspRecordFile(Vdn_DlgCSP2::cuttingStockFolder() + L"Hal.csp.json");
    if (!read.ok) {
        return false;
    }
    Vdn_DlgCSP2 dialog;
    dialog.data_ = read.data;
    return dialog.DoModal() != -1;
}

// The example library's DSTV point groups, "Standaard" in use.
bool showDstvGroups(DialogPresenter&) {
    CDlgSelectDstvPointsFile dialog;
    return dialog.DoModal() != -1;
}

// The points of the example library's standard group, the middle stiffener's shown.
bool showDstvPoints(DialogPresenter&) {
    DlgDstvPoints groups;
    CDlgEditDstvPoints dialog;
    if (!groups.readFromFile(L"Standaard", dialog.points_)) {
        return false;
    }
    dialog.shown_ = 1;
    return dialog.DoModal() != -1;
}

// The module pictures of the example library to choose from.
bool showSelectImage(DialogPresenter&) {
    CDlgSelectImage dialog;
    dialog.data_.title = L"Module";
    for (const wchar_t* name : {L"Plate", L"Stiffener", L"Cleat", L"Haunch"}) {
        dialog.data_.imageFiles.append(gSettings.libDir() + L"Module Pictures\\" + name + L".bmp");
    }
    return dialog.DoModal() != -1;
}

// A custom export: bolts and plates, profiles under their translated names.
bool showCis2(DialogPresenter&) {
    CDlgCis2 dialog;
    dialog.data_.firstScope = false;
    dialog.data_.thirdOption = true;
    dialog.data_.secondChoice = true;
    return dialog.DoModal() != -1;
}

// The example library's CIS/2 profile names, HEA-200 chosen.
bool showSectionTranslation(DialogPresenter&) {
    CDlgSectionTranslation dialog;
    dialog.file_ = gSettings.libDir() + kCis2ProfNamesFile;
    dialog.title_ = dialString(670);
    dialog.prompt_ = dialString(1740);
    if (!readSectionTranslation(dialog.file_, dialog.names_, dialog.translations_)) {
        return false;
    }
    return dialog.DoModal() != -1;
}

bool showSelectProf(DialogPresenter&) {
    CDlgSelectProf dialog;
    dialog.name_ = L"HEA-200";
    return dialog.DoModal() != -1;
}

// A column's features: its section, the level it stands on, its mark, its top given as a
// length or (ticked) as a level, and its phase.
bool showProfFeatures(DialogPresenter&) {
    CDlgProfFeatures dialog;
    DlgProfFeaturesData& data = dialog.data_;
    for (const wchar_t* name : {L"Fundering", L"Vloer begane grond", L"Verdieping 1", L"Dak"}) {
        int index = -1;
        data.levels.addLevel(name, index);
    }
    data.getAllLevels();
    data.title = L"Kolom";
    data.profile = L"HEA-200";
    data.label1 = L"Voet op peil";
    data.value1 = L"Vloer begane grond";
    data.label2 = L"Merk";
    data.value2 = L"K12";
    data.label3 = L"Lengte";
    data.value3 = L"3600";
    data.altLabel3 = L"Kop op peil";
    data.altValue3 = L"Verdieping 1";
    data.label4 = L"Fase";
    data.value4 = L"1";
    data.checkCaption = L"Kop op een peil";
    return dialog.DoModal() != -1;
}

// A cutting-stock report of the example shop.
bool showInfo(DialogPresenter&) {
    CDlgInfo dialog;
    dialog.data_.title = L"Zaagoptimalisatie";
    for (const wchar_t* line : {L"------------------------------------------------------------",
                                L"Voorraad: Cutting Stock\\hal-2.shp, 8 december, 2026 (14:05)",
                                L"Inkoop: Cutting Stock\\hal-2.buy, 8 december, 2026 (14:07)",
                                L"HEA-200: 7 staven van 12000 mm, afval 1234 mm",
                                L"IPE-300: 3 staven van 12000 mm, afval 860 mm",
                                L"------------------------------------------------------------"}) {
        dialog.data_.lines.append(line);
    }
    return dialog.DoModal() != -1;
}

// The catalog's own entries, then those of each area of the module.
std::vector<DialogEntry> withAreas(std::vector<DialogEntry> entries) {
    for (const std::vector<DialogEntry>& area :
         {macroDialogs(), macroSubDialogs(), cutDialogs(), macroSettingsDialogs(),
          macroEditorDialogs(), selectMacroDialogs(), profileDialogs()})
        entries.insert(entries.end(), area.begin(), area.end());
    return entries;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

const std::vector<DialogEntry>& dialogCatalog() {
    static const std::vector<DialogEntry> catalog = withAreas({
        {"CDlgDesigner", 227, "DLG_DLGDESIGNER", showDesigner},
        {"CDlgFindReplace", 218, "DLG_FINDREPLACE", showFindReplace},
        {"CDlgOpenSave", 340, "DLG_OPENSAVEFILTERED", showOpenSave},
        {"CDlgSSAsTool", 248, "DLG_SS_ASTOOL", showTool},
        {"CDlgSSOptions", 245, "DLG_SS_OPTIONS", showOptions},
        {"CDlgSSSettings", 247, "DLG_SS_SETTINGS", showSettings},
        {"CDlgSSStandards", 253, "DLG_SS_STANDARDS", showStandards},
        {"CFormula", 133, "DLG_FORMULA", showFormula},
        {"Vdn_DlgPromptString", 8069, "DLG_PROMPTSTRING", showPrompt},
        {"CDlgGrid", 341, "DLG_GRID", showGrid},
        {"CDlgLevels", 342, "DLG_LEVELS", showLevels},
        {"CDlgLookup", 343, "DLG_LOOKUP", showLookup},
        {"CDlgGenVars", 256, "DLG_GENVARS", showGenVars},
        {"CDlgSheetsMgr", 267, "DLG_SHEETSMGR", showSheetsMgr},
        {"CDlgWsSettings", 348, "DLG_WS_SETTINGS", showWsSettings},
        {"Vdn_DlgWsFileNaming", 344, "DLG_WS_FILENAMING", showFileNaming},
        {"Vdn_DlgWsFormats", 345, "DLG_WS_FORMATS", showFormats},
        {"CDlgListSort", 346, "DLG_LISTSORT", showListSort},
        {"CDlgScales", 347, "DLG_SCALES", showScales},
        {"CDlgEditLibSections", 209, "DLG_EDIT_SECTIONLIB", showEditLibSections},
        {"CDlgEditLibSimple", 226, "DLG_EDITLIBSIMPLE", showEditLibSimple},
        {"Vdn_DlgCSP2", 355, "DLG_OPTIMIZECSP2", showCsp},
        {"CDlgSelectDstvPointsFile", 356, "DLG_DSTVPOINTS_GROUPS", showDstvGroups},
        {"CDlgEditDstvPoints", 357, "DLG_DSTVPOINTS_EDIT", showDstvPoints},
        {"CDlgSelectImage", 361, "DLG_SELECT_IMAGE", showSelectImage},
        {"CDlgCis2", 362, "DLG_CIS2", showCis2},
        {"CDlgSectionTranslation", 360, "DLG_SECTION_TRANSLATION", showSectionTranslation},
        {"CDlgProfFeatures", 241, "DLG_PROF_FEATURES", showProfFeatures},
        {"CDlgSelectProf", 363, "DLG_SELECT_PROF", showSelectProf},
        {"CDlgInfo", 364, "DLG_INFO", showInfo},
    });
    return catalog;
}

const DialogEntry* findDialog(const std::string& key) {
    const std::string wanted = lower(key);
    for (const DialogEntry& entry : dialogCatalog()) {
        if (lower(entry.className) == wanted || lower(entry.templateName) == wanted ||
            std::to_string(entry.templateId) == wanted) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace app
