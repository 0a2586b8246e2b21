#include "library/OpenLibTable.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/model/BillPictures.h"

namespace {

bool sameName(const Vdn_String& a, const Vdn_String& b) {
    return a.toUpper() == b.toUpper();
}

// The table's file name without folder, as Vdn_ProfValuesTable::filePath makes it.
Vdn_String fileNameOf(const Vdn_String& name) {
    const std::wstring& text = name.str();
    const bool hasExtension = text.size() >= 3 && name.toUpper().str().ends_with(L".PR");
    return hasExtension ? name : name + L".pr";
}

} // namespace

const Vdn_StringArray& OpenLibTable::newTableLanguages() {
    static const Vdn_StringArray languages{L"Dutch", L"English", L"French", L"German"};
    return languages;
}

void OpenLibTable::open(const Vdn_String& name, Vdn_String* problem) {
    name_ = name;
    table_ = Vdn_ProfValuesTable();
    Vdn_String why;
    if (table_.readFromFile(name, &why)) {
        source_ = Source::File;
    } else {
        table_ = Vdn_ProfValuesTable();
        table_.tableName = name;
        source_ = Source::Unreadable;
    }
    if (problem != nullptr)
        *problem = why;
}

void OpenLibTable::openNew(const Vdn_String& name, const Vdn_String& valueName) {
    name_ = name;
    table_ = Vdn_ProfValuesTable();
    table_.tableName = name;
    table_.templateName = Vdn_String();
    table_.columnNames = {L"SysName", L"I/O"};
    Vdn_StringArray row{L"", L"1"};
    for (const Vdn_String& language : newTableLanguages()) {
        table_.columnNames.append(language);
        row.append(Vdn_String());
    }
    for (const wchar_t* number : {L"1", L"2"}) {
        table_.columnNames.append(valueName + number);
        row.append(L"0");
    }
    table_.rows = {row};
    source_ = Source::New;
}

void OpenLibTable::close() {
    name_ = Vdn_String();
    table_ = Vdn_ProfValuesTable();
    source_ = Source::None;
}

bool OpenLibTable::needsSaving(bool sheetChanged) const {
    return source_ == Source::New || (source_ == Source::File && sheetChanged);
}

bool OpenLibTable::save(Vdn_String& problem) {
    if (source_ != Source::File && source_ != Source::New) {
        problem = L"the table \"" + name_ + L"\" could not be read and is not written over";
        return false;
    }
    table_.tableName = name_;
    if (!table_.writeToFile(name_, &problem))
        return false;
    source_ = Source::File;
    return true;
}

OpenLibTable::RenameResult OpenLibTable::rename(const Vdn_String& newName,
                                                const Vdn_StringArray& names, Vdn_String& problem) {
    if (source_ == Source::Unreadable || source_ == Source::None)
        return RenameResult::Unreadable;
    const Vdn_String wanted = newName.trim();
    if (wanted == name_)
        return RenameResult::Unchanged;
    if (wanted.isEmpty() || hasInvalidFileNameChars(wanted))
        return RenameResult::BadName;
    const bool caseOnly = sameName(wanted, name_);
    if (!caseOnly) {
        for (const Vdn_String& other : names) {
            if (sameName(other, wanted))
                return RenameResult::NameInUse;
        }
        if (core::fileExists(Vdn_ProfValuesTable::filePath(wanted)))
            return RenameResult::NameInUse;
    }
    const Vdn_String oldName = name_;
    const bool hadFile = source_ == Source::File;
    Vdn_ProfValuesTable renamed = table_;
    renamed.tableName = wanted;
    if (caseOnly && hadFile) {
        // Both spellings reach the one file: write it, then give it the new spelling.
        if (!renamed.writeToFile(oldName, &problem))
            return RenameResult::WriteFailed;
        if (!core::respellFile(Vdn_ProfValuesTable::filePath(oldName), fileNameOf(wanted)))
            problem = L"the file keeps the spelling \"" + oldName + L"\"";
    } else {
        if (!renamed.writeToFile(wanted, &problem))
            return RenameResult::WriteFailed;
        if (hadFile && !deleteFile(Vdn_ProfValuesTable::filePath(oldName)))
            problem = L"the old file \"" + oldName + L".pr\" could not be deleted";
    }
    table_ = std::move(renamed);
    name_ = wanted;
    source_ = Source::File;
    return RenameResult::Renamed;
}

bool OpenLibTable::remove() {
    const bool removed = source_ == Source::New || deleteFile(Vdn_ProfValuesTable::filePath(name_));
    close();
    return removed;
}
