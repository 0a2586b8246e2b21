#pragma once

#include "platform/core/text/Vdn_StringArray.h"

namespace ss {

// The mapping file of a standards sheet: "Mapping version 1.0", then one line per named
// mapping, "name=entry¿entry¿..." (see TfObjectMap for an entry). Held here as its mapping
// lines, without the version line.
class MappingFile {
public:
    static constexpr const wchar_t* kVersionLine = L"Mapping version 1.0";

    // Where the mapping file of a sheet lives: beside the sheet (the same path with the
    // extension "map") for an absolute path, and for a relative path that names an existing
    // file; otherwise in the library: libDir + "Connection Standards\" + name +
    // ".tfs" with the extension changed to "map".
    static Vdn_String pathFor(const Vdn_String& sheetName);

    // The mapping name of a line, the text before its first "="; false for a line without "=".
    static bool lineName(const Vdn_String& line, Vdn_String& name);

    // Reads the sheet's mapping file; a first line naming the format ("Mapping" and "version"
    // in any case) is dropped. False when it cannot be read; the lines are then left as they
    // were. A file read before and unchanged since is taken from memory.
    bool read(const Vdn_String& sheetName);
    // Forgets the mapping files kept in memory.
    static void clearCache();
    // Writes the version line and the lines; false when the file cannot be written.
    bool write(const Vdn_String& sheetName) const;

    const Vdn_StringArray& lines() const { return lines_; }
    // The names of the mapping lines, in file order.
    Vdn_StringArray names() const;
    // The first line named mappingName (compared with case); -1 when there is none.
    int findLine(const Vdn_String& mappingName) const;
    // Removes every line named mappingName.
    void removeLines(const Vdn_String& mappingName);
    void appendLine(const Vdn_String& line) { lines_.append(line); }

private:
    Vdn_StringArray lines_;
};

} // namespace ss
