// Mapping files: reading, writing and comparing the named mappings of a standards sheet.

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/text/StringHelpers.h"
#include "spreadsheet/standards/MappingFile.h"
#include "spreadsheet/standards/TfSSMapping.h"

namespace {

constexpr wchar_t kEntrySeparator = L'\u00BF';  // "¿"
constexpr wchar_t kTargetSeparator = L'\u0192'; // "ƒ"

bool hasControlChars(const Vdn_String& text) {
    for (const wchar_t ch : text.str()) {
        if (ch < L' ')
            return true;
    }
    return false;
}

// A mapping name must survive as the text before the first "=" of one line.
bool isUsableMappingName(const Vdn_String& name) {
    return !name.isEmpty() && name.find(L"=") < 0 && !hasControlChars(name);
}

Vdn_String pairText(const Vdn_String& ssName, const Vdn_String& target) {
    return ssName + kTargetSeparator + target;
}

// Parses one "ssName ƒ target" part of a mapping line.
bool parsePair(const Vdn_String& part, TfObjectMap& entry) {
    Vdn_String ssName;
    Vdn_String target;
    return splitStringAtSymbol(part, kTargetSeparator, ssName, target, true) &&
           entry.getMappingFromStrs(ssName, target) == Acad::eOk;
}

// Whether a pair, once written into a line, reads back as the entry it came from; a name
// holding a separator or a line break, or blanks at its ends, would not.
bool readsBackAs(const Vdn_String& ssName, const Vdn_String& target, const TfObjectMap& entry) {
    if (hasControlChars(target) || target.str().find(kEntrySeparator) != std::wstring::npos)
        return false;
    TfObjectMap parsed;
    return parsePair(pairText(ssName, target), parsed) && parsed.ssName == entry.ssName &&
           parsed.objectName == entry.objectName && parsed.name == entry.name &&
           parsed.kind == entry.kind;
}

} // namespace

Acad::ErrorStatus TfSSMapping::getMappingFromFile(Vdn_String sheetName,
                                                  const Vdn_String& mappingName) {
    ss::MappingFile file;
    if (!file.read(sheetName))
        return Acad::eInvalidInput;
    if (file.lines().isEmpty())
        return Acad::eOk;
    const int line = file.findLine(mappingName);
    if (line < 0)
        return Acad::eInvalidInput;
    return initMappingFromLine(file.lines()[line]);
}

Acad::ErrorStatus TfSSMapping::initMappingFromLine(const Vdn_String& line) {
    entries_.clear();
    Vdn_String name;
    Vdn_String entriesText;
    if (!splitStringAtSymbol(line, L'=', name, entriesText, false))
        return Acad::eInvalidInput;
    Vdn_StringArray parts;
    splitStringAtSymbol(entriesText, kEntrySeparator, parts, true);
    for (const Vdn_String& part : parts) {
        TfObjectMap entry;
        if (parsePair(part, entry))
            entries_.append(entry);
    }
    return Acad::eOk;
}

TfSSMapping TfSSMapping::writableMapping(Vdn_StringArray& ssNames, Vdn_StringArray& targets) const {
    ssNames.clear();
    targets.clear();
    Vdn_Array<TfObjectMap> entries;
    for (const TfObjectMap& entry : entries_) {
        Vdn_String target;
        Vdn_String ssName;
        if (entry.setMappingToStrs(target, ssName) != Acad::eOk)
            continue;
        ssNames.append(ssName);
        targets.append(target);
        entries.append(entry);
    }
    for (const int duplicate : getDuplicates(ssNames, false)) {
        ssNames.removeAt(duplicate);
        targets.removeAt(duplicate);
        entries.removeAt(duplicate);
    }
    for (int i = ssNames.length() - 1; i >= 0; --i) {
        if (hasInvalidFileNameChars(ssNames[i]) ||
            !readsBackAs(ssNames[i], targets[i], entries[i])) {
            ssNames.removeAt(i);
            targets.removeAt(i);
            entries.removeAt(i);
        }
    }
    TfSSMapping writable;
    writable.mode_ = mode_;
    writable.entries_ = entries;
    return writable;
}

Acad::ErrorStatus TfSSMapping::setMappingToFile(Vdn_String sheetName, Vdn_String& mappingName) {
    if (!isUsableMappingName(mappingName))
        return Acad::eInvalidInput;
    Vdn_StringArray ssNames;
    Vdn_StringArray targets;
    const TfSSMapping writable = writableMapping(ssNames, targets);

    // A file that exists but cannot be read is not replaced: its other mappings would be lost.
    ss::MappingFile file;
    if (!file.read(sheetName) && core::fileExists(ss::MappingFile::pathFor(sheetName)))
        return Acad::eInvalidInput;
    const int stored = file.findLine(mappingName);
    if (stored >= 0) {
        TfSSMapping storedMapping;
        storedMapping.initMappingFromLine(file.lines()[stored]);
        if (writable.isSameAs(storedMapping))
            return Acad::eOk;
    }
    file.removeLines(mappingName);

    Vdn_StringArray pairs;
    for (int i = 0; i < ssNames.length(); ++i)
        pairs.append(pairText(ssNames[i], targets[i]));
    file.appendLine(mappingName + L'=' + arrToStr(pairs, kEntrySeparator));
    return file.write(sheetName) ? Acad::eOk : Acad::eInvalidInput;
}

bool TfSSMapping::hasSameMapping(const Vdn_String& sheetName, Vdn_String& mappingName) const {
    ss::MappingFile file;
    if (!file.read(sheetName))
        return false;
    Vdn_StringArray ssNames;
    Vdn_StringArray targets;
    const TfSSMapping writable = writableMapping(ssNames, targets);
    for (const Vdn_String& line : file.lines()) {
        Vdn_String name;
        if (!ss::MappingFile::lineName(line, name))
            continue;
        TfSSMapping stored;
        stored.initMappingFromLine(line);
        if (writable.isSameAs(stored)) {
            mappingName = name;
            return true;
        }
    }
    return false;
}
