#include "library/SimpleSizeAdder.h"

#include "platform/core/model/MacroLangs.h"
#include "platform/core/sections/SectionTable.h"
#include "platform/core/text/StringHelpers.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int kNameDecimals = 3;

bool readNumber(const Vdn_String& text, double& value) {
    bool whole = false;
    value = text.trim().toDouble(&whole);
    return whole && std::isfinite(value) && !text.trim().isEmpty();
}

Vdn_String numberText(double value) {
    return Vdn_String(value, kNameDecimals, true);
}

// "60x60": two equal parts joined by "x"; such names sort among their own kind only.
bool isSquareName(const Vdn_String& name) {
    const std::wstring& text = name.str();
    const std::size_t x = text.find(L'x');
    return x != std::wstring::npos && x > 0 && text.find(L'x', x + 1) == std::wstring::npos &&
           text.substr(0, x) == text.substr(x + 1);
}

Vdn_String cell(const Vdn_StringArray& row, int column) {
    return column >= 0 && column < row.length() ? row[column] : Vdn_String();
}

} // namespace

SimpleSizeAdder::SimpleSizeAdder(const Vdn_ProfValuesTable& table, const Vdn_String& startName,
                                 const StandardTemplates& templates)
    : table_(table) {
    if (table.rows.isEmpty())
        return;
    copied_ = 0;
    const Vdn_String prefix = table.tableName + L"-";
    Vdn_String sizeName = startName;
    if (startName.toUpper().str().starts_with(prefix.toUpper().str()))
        sizeName = Vdn_String(startName.str().substr(prefix.str().size()));
    int found = -1;
    if (table.findSysName(sizeName, found) || table.findSysName(startName, found))
        copied_ = found;

    templateNumber_ = StandardTemplates::numberOf(table.templateName);
    const SectionTemplate* standard = templates.find(templateNumber_);
    Vdn_StringArray names;
    if (standard != nullptr) {
        names = standard->valueNames;
        nameOrder_ = standard->nameOrder;
    } else {
        for (int column = firstValueColumn(); column < table.columnNames.length(); ++column)
            names.append(gMacroLangs.GetString(table.columnNames[column], L"Prof"));
        nameOrder_ = {0};
    }
    const int available = table.rows[copied_].length() - firstValueColumn();
    const int shown = std::clamp(std::min(names.length(), available), 0, kMaxFields);
    for (int field = 0; field < shown; ++field)
        fieldNames_.append(names[field]);
}

int SimpleSizeAdder::firstValueColumn() const {
    return Vdn_ProfValuesTable::kFirstLanguageColumn + table_.getNrLanguages();
}

bool SimpleSizeAdder::copiedActive() const {
    return copied_ >= 0 && cell(table_.rows[copied_], Vdn_ProfValuesTable::kFlagColumn) == L"1";
}

Vdn_String SimpleSizeAdder::copiedName() const {
    if (copied_ < 0)
        return {};
    Vdn_String language;
    const int work = gMacroLangs.GetCurLanguage();
    if (work >= 0 && work < static_cast<int>(std::size(core::SectionTable::kLanguageNames)))
        language = core::SectionTable::kLanguageNames[work];
    return cell(table_.rows[copied_], table_.getColumnIdx(language));
}

Vdn_StringArray SimpleSizeAdder::fieldValues() const {
    Vdn_StringArray values;
    for (int field = 0; field < fieldNames_.length(); ++field)
        values.append(cell(table_.rows[copied_], firstValueColumn() + field));
    return values;
}

Vdn_String SimpleSizeAdder::fieldLabel(int field, const Vdn_String& name) {
    return Vdn_String(std::wstring(1, static_cast<wchar_t>(L'A' + field))) + L". " + name + L":";
}

SimpleSizeAdder::Outcome SimpleSizeAdder::makeName(const Input& input, Vdn_String& name) const {
    name = Vdn_String();
    if (!input.automaticName) {
        name = input.name.trim();
        return name.isEmpty() ? Outcome::NoName : Outcome::Added;
    }
    Vdn_StringArray parts;
    for (const int field : nameOrder_) {
        double value = 0.0;
        if (field >= input.values.length() || !readNumber(input.values[field], value))
            return field >= input.values.length() ? Outcome::NoName : Outcome::BadValue;
        parts.append(numberText(value));
    }
    for (int i = 0; i < parts.length(); ++i)
        name = i == 0 ? parts[i] : name + L"x" + parts[i];
    return name.isEmpty() ? Outcome::NoName : Outcome::Added;
}

int SimpleSizeAdder::insertPosition(const Vdn_ProfValuesTable& table, const Vdn_String& sysName) {
    Vdn_StringArray names;
    Vdn_Array<int> rows;
    const bool square = isSquareName(sysName);
    for (int row = 0; row < table.rows.length(); ++row) {
        const Vdn_String name = cell(table.rows[row], Vdn_ProfValuesTable::kSysNameColumn);
        if (!square || isSquareName(name)) {
            names.append(name);
            rows.append(row);
        }
    }
    if (rows.isEmpty())
        return table.rows.length();
    // Just after the nearest name of the same kind that sorts before it; before the first of
    // that kind when none does.
    const int position = ObjectExportAddToSorted(names, sysName);
    return position == 0 ? rows[0] : rows[position - 1] + 1;
}

SimpleSizeAdder::Outcome SimpleSizeAdder::add(const Input& input, Vdn_ProfValuesTable& table,
                                              int& index) const {
    if (copied_ < 0 || copied_ >= table.rows.length())
        return Outcome::NoRows;
    Vdn_Array<double> numbers;
    for (int field = 0; field < fieldNames_.length(); ++field) {
        double value = 0.0;
        if (!readNumber(cell(input.values, field), value))
            return Outcome::BadValue;
        numbers.append(value);
    }
    Vdn_String name;
    if (const Outcome made = makeName(input, name); made != Outcome::Added)
        return made;
    int taken = -1;
    if (table.findSysName(name, taken))
        return Outcome::NameInUse;
    if (templateNumber_ == kRadiusTemplate && numbers.length() >= 4 && numbers[3] != 0.0 &&
        numbers[3] <= numbers[2])
        return Outcome::RadiusTooSmall;

    const Vdn_StringArray& copied = table.rows[copied_];
    Vdn_StringArray row = copied;
    while (row.length() < table.columnNames.length())
        row.append(Vdn_String());
    row[Vdn_ProfValuesTable::kSysNameColumn] = name;
    row[Vdn_ProfValuesTable::kFlagColumn] = L"1";
    for (int language = 0; language < table.getNrLanguages(); ++language) {
        const int column = Vdn_ProfValuesTable::kFirstLanguageColumn + language;
        Vdn_String prefix;
        Vdn_String digits;
        if (input.automaticName)
            findFirstNumbers(cell(copied, column), prefix, digits);
        if (column < row.length())
            row[column] = prefix + name;
    }
    // The fields shown take the typed values; the columns beyond them keep the copied ones.
    for (int field = 0; field < numbers.length(); ++field)
        row[firstValueColumn() + field] = numberText(numbers[field]);

    const int position = insertPosition(table, name);
    table.rows.insertAt(position, row);
    index = table.getfilteredIdx(position);
    return Outcome::Added;
}
