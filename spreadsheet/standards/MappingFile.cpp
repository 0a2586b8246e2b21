#include "spreadsheet/standards/MappingFile.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/StringHelpers.h"
#include "spreadsheet/functions/ParsedFileCache.h"

namespace ss {

namespace {

constexpr std::size_t kCachedFiles = 64;

// The lines of mapping files as read, kept while the files stay as they were: every
// evaluation of a sheet in macro mode reads its mapping file.
ParsedFileCache<Vdn_StringArray>& lineCache() {
    static ParsedFileCache<Vdn_StringArray> cache(kCachedFiles);
    return cache;
}

bool isAbsolute(const Vdn_String& path) {
    const wchar_t first = path.at(0);
    return first == L'\\' || first == L'/' || path.at(1) == L':';
}

} // namespace

Vdn_String MappingFile::pathFor(const Vdn_String& sheetName) {
    // A relative path names a sheet of the library's standards folder ("Childs\Plate") unless
    // the sheet exists as given ("EndPlate.tfs" in the working folder), as the sheet loader
    // decides too.
    if (isAbsolute(sheetName) || core::fileExists(sheetName))
        return removeExtension(sheetName) + L".map";
    const Vdn_String sheetPath =
        gSettings.libDir() + L"Connection Standards\\" + sheetName + L".tfs";
    return removeExtension(sheetPath) + L".map";
}

bool MappingFile::lineName(const Vdn_String& line, Vdn_String& name) {
    const int equals = line.find(L"=");
    if (equals < 0)
        return false;
    name = line.substr(0, equals);
    return true;
}

bool MappingFile::read(const Vdn_String& sheetName) {
    const Vdn_String path = pathFor(sheetName);
    const std::optional<std::filesystem::path> file = core::resolveExistingFile(path);
    if (!file)
        return false;
    const std::shared_ptr<const Vdn_StringArray> read =
        lineCache().get(*file, [&path](const std::filesystem::path&) {
            Vdn_StringArray lines;
            if (!ObjectExportReadFile(path, lines))
                return std::optional<Vdn_StringArray>();
            return std::optional<Vdn_StringArray>(std::move(lines));
        });
    if (!read)
        return false;
    Vdn_StringArray lines = *read;
    if (!lines.isEmpty() && hasSubString(lines.first(), L"Mapping", false) &&
        hasSubString(lines.first(), L"version", false))
        lines.removeAt(0);
    lines_ = lines;
    return true;
}

void MappingFile::clearCache() {
    lineCache().clear();
}

bool MappingFile::write(const Vdn_String& sheetName) const {
    Vdn_StringArray lines;
    lines.append(Vdn_String(kVersionLine));
    lines.append(lines_);
    return ObjectExportWriteFile(pathFor(sheetName), lines);
}

Vdn_StringArray MappingFile::names() const {
    Vdn_StringArray names;
    Vdn_String name;
    for (const Vdn_String& line : lines_) {
        if (lineName(line, name))
            names.append(name);
    }
    return names;
}

int MappingFile::findLine(const Vdn_String& mappingName) const {
    Vdn_String name;
    for (int i = 0; i < lines_.length(); ++i) {
        if (lineName(lines_[i], name) && name == mappingName)
            return i;
    }
    return -1;
}

void MappingFile::removeLines(const Vdn_String& mappingName) {
    for (int i = findLine(mappingName); i >= 0; i = findLine(mappingName))
        lines_.removeAt(i);
}

} // namespace ss
