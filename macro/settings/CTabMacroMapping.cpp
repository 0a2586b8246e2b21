#include "macro/settings/CTabMacroMapping.h"

#include "platform/core/files/FileListing.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/core/text/RandomString.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/standards/MappingFile.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kAddText = 606;
constexpr int kRemoveText = 607;
constexpr UINT kUpIcon = 261;
constexpr UINT kDownIcon = 262;
constexpr int kUpTip = 173;
constexpr int kDownTip = 174;
constexpr const wchar_t* kModulePrefix = L"Module.";

// Both ways: a stored mapping with entries the page no longer shows is not the same.
bool sameMapping(const TfSSMapping& a, const TfSSMapping& b) {
    return a.isEqual(b) && b.isEqual(a);
}

Vdn_String typeText(TfValueType type) {
    switch (type) {
    case tfInteger:
        return L"Getal";
    case tfDouble:
        return L"Decim";
    default:
        return L"Tekst";
    }
}

// The items of a pick list, with the texts the record holds that the list lacks kept at its
// end, so that a row never shows what it does not hold.
Vdn_StringArray withKept(Vdn_StringArray items, const Vdn_StringArray& held) {
    for (const Vdn_String& text : held) {
        if (!text.isEmpty() && !items.contains(text, false))
            items.append(text);
    }
    return items;
}

} // namespace

CTabMacroMapping::CTabMacroMapping(CWnd* parent) : MacroSettingsPage(IDD, parent) {
    onMessage(TSpread::SSM_LEAVECELL, [this](WPARAM id, LPARAM lParam) -> LRESULT {
        const auto* cell = reinterpret_cast<const TSpread::SS_LEAVECELL*>(lParam);
        if (static_cast<int>(id) == kSheets && cell != nullptr && cell->RowNew >= 1 &&
            cell->RowNew - 1 != shownRow_)
            chooseRow(static_cast<int>(cell->RowNew) - 1);
        return 0;
    });
    onCommand(kSheets, TSpread::kNotifyDataChange, [this] { takeRow(shownRow_); });
    onCommand(kAdd, BN_CLICKED, [this] { addRow(); });
    onCommand(kRemove, BN_CLICKED, [this] { removeRow(); });
    onCommand(kUp, BN_CLICKED, [this] { moveRow(-1); });
    onCommand(kDown, BN_CLICKED, [this] { moveRow(1); });
}

CTabMacroMapping::~CTabMacroMapping() = default;

Vdn_String CTabMacroMapping::standardsFolder() {
    return gSettings.libDir() + L"Connection Standards\\";
}

Vdn_String CTabMacroMapping::targetText(const Vdn_String& target) {
    if (!target.startsWith(kModulePrefix, false))
        return kEntireMacro;
    const int dot = target.find(L".");
    return target.substr(dot + 1);
}

BOOL CTabMacroMapping::OnInitDialog() {
    MacroSettingsPage::OnInitDialog();
    SetDlgItemText(kSheetsGroup, L"Add and edit standards-spreadsheets");
    SetDlgItemText(kObjectsGroup, L"Choose how the Spreadsheet should be mapped to this macro");
    setTexts({{kAdd, kAddText}, {kRemove, kRemoveText}});
    iconButton(kUp, kUpIcon, kUpTip);
    iconButton(kDown, kDownIcon, kDownTip);

    // The sheets are loaded into a control of their own that nobody sees.
    loader_ = std::make_unique<TfCalcSS>();
    if (loader_->attachToDlgItem(this, kLoader, true))
        loader_->ShowWindow(SW_HIDE);
    choices_ = std::make_unique<MappingChoices>(macro_);

    TabMappingData* mapping = data_ != nullptr ? &data_->mapping : nullptr;
    if (mapping != nullptr) {
        // Lists that do not line up are filled up, so that every row has its three parts.
        while (mapping->targets.length() < mapping->count())
            mapping->targets.append(Vdn_String());
        while (mapping->moduleNames.length() < mapping->count())
            mapping->moduleNames.append(Vdn_String());
    }
    sheetNames_ = core::listFilesBelow(standardsFolder(), L".tfs");
    targetItems_ = Vdn_StringArray{kEntireMacro};
    if (macro_ != nullptr)
        targetItems_.append(macro_->getModuleNames());
    if (mapping != nullptr) {
        sheetNames_ = withKept(sheetNames_, mapping->spreadsheets);
        Vdn_StringArray shown;
        for (const Vdn_String& target : mapping->targets)
            shown.append(targetText(target));
        targetItems_ = withKept(targetItems_, shown);
    }

    if (sheets_.attachToDlgItem(this, kSheets, true) && sheets_.setStandardLook(1)) {
        sheets_.setMaxCols(2);
        sheets_.setColumnNames({L"Spreadsheet", L"Maps to"});
        sheets_.setHeaderFonts();
        sheets_.setSizeMode(1);
    }
    if (objects_.attachToDlgItem(this, kObjects, true) && objects_.setStandardLook(1)) {
        objects_.setMaxCols(3);
        objects_.setMaxRows(0);
        objects_.setColumnNames({L"Type", L"Std Name", L"Macro object"});
        objects_.setHeaderFonts();
        objects_.setSizeMode(3, 2, 40);
    }
    fillSheets();
    if (mapping != nullptr && mapping->count() > 0) {
        selectRow(0);
        showRow(0);
    }
    return TRUE;
}

void CTabMacroMapping::fillSheets() {
    if (!sheets_.isAttached() || data_ == nullptr)
        return;
    const TabMappingData& mapping = data_->mapping;
    sheets_.setMaxRows(mapping.count());
    if (mapping.count() == 0)
        return;
    sheets_.clearRows(1, mapping.count());
    sheets_.setComboColumn(kSheetColumn, sheetNames_);
    sheets_.setComboColumn(kTargetColumn, targetItems_);
    for (int i = 0; i < mapping.count(); ++i) {
        sheets_.setCellText(kSheetColumn, i + 1, mapping.spreadsheets[i]);
        sheets_.setCellText(kTargetColumn, i + 1, targetText(mapping.targets[i]));
    }
}

void CTabMacroMapping::selectRow(int row) {
    if (sheets_.isAttached() && row >= 0 && row < sheets_.maxRows())
        sheets_.SSSetActiveCell(kSheetColumn, row + 1);
}

void CTabMacroMapping::chooseRow(int row) {
    storeRow(shownRow_);
    showRow(row);
}

void CTabMacroMapping::takeRow(int row) {
    if (data_ == nullptr || row < 0 || row >= data_->mapping.count())
        return;
    TabMappingData& mapping = data_->mapping;
    Vdn_String sheet;
    Vdn_String target;
    sheets_.getCellText(kSheetColumn, row + 1, sheet, Vdn_Spread::kCellValue);
    sheets_.getCellText(kTargetColumn, row + 1, target, Vdn_Spread::kCellValue);
    const bool sheetChanged = !sheet.equal(mapping.spreadsheets[row], false);
    mapping.spreadsheets[row] = sheet;
    if (target.isEmpty() || target == kEntireMacro) {
        // A mapping name belongs to its sheet: another sheet starts without one.
        if (mapping.targetsModule(row) || sheetChanged)
            mapping.targets[row] = Vdn_String();
        mapping.moduleNames[row] = Vdn_String();
    } else {
        mapping.targets[row] = kModulePrefix + target;
        mapping.moduleNames[row] = target;
    }
    // What the lower table showed belonged to the row as it was.
    showRow(row);
}

bool CTabMacroMapping::storedMapping(const Vdn_String& sheetFile, const Vdn_String& name,
                                     TfSSMapping& mapping) const {
    if (const TfSSMapping* waiting = pending_.find(sheetFile, name)) {
        mapping = *waiting;
        return true;
    }
    return !name.isEmpty() && mapping.getMappingFromFile(sheetFile, name) == Acad::eOk;
}

void CTabMacroMapping::showRow(int row) {
    shownRow_ = data_ != nullptr && row >= 0 && row < data_->mapping.count() ? row : -1;
    shownVars_.clear();
    shownLists_.clear();
    if (objects_.isAttached())
        objects_.setMaxRows(0);
    if (shownRow_ < 0 || data_->mapping.targetsModule(shownRow_) ||
        data_->mapping.spreadsheets[shownRow_].trim().isEmpty() || !loader_->isAttached())
        return;
    const Vdn_String file = standardsFolder() + data_->mapping.spreadsheets[shownRow_] + L".tfs";
    // A sheet that cannot be loaded leaves the table empty.
    if (loader_->loadFile(file) != Acad::eOk || loader_->initVarCells() != Acad::eOk)
        return;
    TfSSMapping mapping;
    storedMapping(file, data_->mapping.targets[shownRow_], mapping);

    const TfVarCells& vars = loader_->varCells();
    for (const TfCellType type : {tfInput, tfOutput}) {
        for (int i = 0; i < vars.length(); ++i) {
            if (vars[i].cellType == type)
                shownVars_.push_back(vars[i]);
        }
    }
    if (!objects_.isAttached() || shownVars_.empty())
        return;
    objects_.setMaxRows(static_cast<int>(shownVars_.size()));
    for (std::size_t i = 0; i < shownVars_.size(); ++i) {
        const TfVarCell& var = shownVars_[i];
        const int row = static_cast<int>(i) + 1;
        MappingChoices::List list = choices_->listFor(var.valueType);
        objects_.setCellText(kTypeColumn, row, typeText(var.valueType));
        objects_.setCellText(kNameColumn, row, var.name);
        objects_.setComboCells(kObjectColumn, row, kObjectColumn, row, list.items);
        // The entry stored for the variable, whatever the type it was stored with.
        int item = 0;
        for (const TfObjectMap& entry : mapping.mappedObjects()) {
            int index = -1;
            if (entry.ssName.equal(var.name, false) &&
                choices_->all().findCompatible(entry, index) == Acad::eOk) {
                item = list.itemOf(index);
                break;
            }
        }
        objects_.setCellText(kObjectColumn, row, list.items[item]);
        shownLists_.push_back(std::move(list));
    }
    objects_.lockColumn(kTypeColumn);
    objects_.lockColumn(kNameColumn);
}

TfSSMapping CTabMacroMapping::shownMapping() const {
    TfSSMapping mapping;
    for (std::size_t i = 0; i < shownVars_.size() && i < shownLists_.size(); ++i) {
        Vdn_String chosen;
        objects_.getCellText(kObjectColumn, static_cast<int>(i) + 1, chosen,
                             Vdn_Spread::kCellValue);
        const MappingChoices::List& list = shownLists_[i];
        const int item = chosen.isEmpty() ? -1 : list.items.find(chosen);
        if (item < 0 || list.entries[item] < 0)
            continue;
        TfObjectMap entry = choices_->all().mappedObjects()[list.entries[item]];
        entry.ssName = shownVars_[i].name;
        mapping.mappedObjectsWrite().append(entry);
    }
    return mapping;
}

Vdn_String CTabMacroMapping::newMappingName(const Vdn_String& sheetFile) {
    ss::MappingFile file;
    file.read(sheetFile);
    Vdn_StringArray taken = file.names();
    taken.append(pending_.names(sheetFile));
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        const Vdn_String name = generateRandomString(kNameLength);
        if (!taken.contains(name))
            return name;
    }
    return Vdn_String();
}

void CTabMacroMapping::storeRow(int row) {
    if (data_ == nullptr || row < 0 || row != shownRow_ || row >= data_->mapping.count() ||
        shownVars_.empty())
        return;
    TabMappingData& mapping = data_->mapping;
    // Rows of a module map by the variables' names; a row without a sheet has nothing to map.
    if (mapping.targetsModule(row) || mapping.spreadsheets[row].trim().isEmpty())
        return;
    const Vdn_String file = standardsFolder() + mapping.spreadsheets[row] + L".tfs";
    const TfSSMapping shown = shownMapping();
    TfSSMapping stored;
    if (storedMapping(file, mapping.targets[row], stored) && sameMapping(shown, stored))
        return;
    data_->mappingChanged = true;
    // A mapping the file (or the dialog) already holds is taken by its name, not made again.
    Vdn_String existing;
    if (shown.hasSameMapping(file, existing)) {
        mapping.targets[row] = existing;
        return;
    }
    for (const PendingMappings::Pending& waiting : pending_.all()) {
        if (waiting.sheet.equal(file, false) && sameMapping(shown, waiting.mapping)) {
            mapping.targets[row] = waiting.name;
            return;
        }
    }
    const Vdn_String name = newMappingName(file);
    if (name.isEmpty())
        return; // no free name: nothing is written and the row keeps its mapping
    mapping.targets[row] = name;
    mapping.moduleNames[row] = Vdn_String();
    pending_.add(file, name, shown);
}

bool CTabMacroMapping::commit() {
    if (data_ == nullptr)
        return true;
    storeRow(shownRow_);
    TabMappingData& mapping = data_->mapping;
    bool dropped = false;
    for (int row = mapping.count() - 1; row >= 0; --row) {
        if (!mapping.spreadsheets[row].trim().isEmpty())
            continue;
        mapping.spreadsheets.removeAt(row);
        mapping.targets.removeAt(row);
        mapping.moduleNames.removeAt(row);
        dropped = true;
    }
    if (dropped && !closing()) {
        fillSheets();
        selectRow(0);
        showRow(0);
    } else if (dropped) {
        shownRow_ = -1;
    }
    return true;
}

void CTabMacroMapping::addRow() {
    if (data_ == nullptr)
        return;
    storeRow(shownRow_);
    TabMappingData& mapping = data_->mapping;
    const int row = std::clamp(shownRow_, 0, mapping.count());
    mapping.spreadsheets.insertAt(row, Vdn_String());
    mapping.targets.insertAt(row, Vdn_String());
    mapping.moduleNames.insertAt(row, Vdn_String());
    fillSheets();
    selectRow(row);
    showRow(row);
}

void CTabMacroMapping::removeRow() {
    if (data_ == nullptr || shownRow_ < 0 || shownRow_ >= data_->mapping.count())
        return;
    TabMappingData& mapping = data_->mapping;
    const int row = shownRow_;
    mapping.spreadsheets.removeAt(row);
    mapping.targets.removeAt(row);
    mapping.moduleNames.removeAt(row);
    shownRow_ = -1;
    fillSheets();
    const int next = std::min(row, mapping.count() - 1);
    selectRow(next);
    showRow(next);
}

void CTabMacroMapping::moveRow(int step) {
    if (data_ == nullptr)
        return;
    const int row = shownRow_;
    const int other = row + step;
    if (row < 0 || other < 0 || other >= data_->mapping.count())
        return;
    storeRow(row);
    swapRows(row, other);
    fillSheets();
    selectRow(other);
    showRow(other);
}

void CTabMacroMapping::swapRows(int first, int second) {
    TabMappingData& mapping = data_->mapping;
    std::swap(mapping.spreadsheets[first], mapping.spreadsheets[second]);
    std::swap(mapping.targets[first], mapping.targets[second]);
    std::swap(mapping.moduleNames[first], mapping.moduleNames[second]);
}

const TfVarCell* CTabMacroMapping::shownVariable(int row) const {
    return row >= 1 && row <= static_cast<int>(shownVars_.size())
               ? &shownVars_[static_cast<std::size_t>(row - 1)]
               : nullptr;
}

const MappingChoices::List* CTabMacroMapping::shownList(int row) const {
    return row >= 1 && row <= static_cast<int>(shownLists_.size())
               ? &shownLists_[static_cast<std::size_t>(row - 1)]
               : nullptr;
}
