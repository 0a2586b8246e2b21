// Fuzz entries for the standards engine's readers of outside input: mapping files.
#include "fuzz/FuzzEntry.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/TextCodec.h"
#include "spreadsheet/standards/MappingFile.h"
#include "spreadsheet/standards/TfSSMapping.h"

namespace {

using fuzz::bytesOf;
using fuzz::require;

} // namespace

// Every line of a mapping file parses without harm; an entry that parses writes back to a
// target that parses to the same entry.
TESSA_FUZZ_ENTRY(standards_mapping_file) {
    const Vdn_StringArray lines = core::splitLines(core::TextCodec::decode(bytesOf(data, size)));
    for (const Vdn_String& line : lines) {
        TfSSMapping mapping;
        Vdn_String name;
        const bool named = ss::MappingFile::lineName(line, name);
        require((mapping.initMappingFromLine(line) == Acad::eOk) == named);
        for (const TfObjectMap& entry : mapping.mappedObjects()) {
            Vdn_String target;
            Vdn_String ssName;
            require(entry.setMappingToStrs(target, ssName) == Acad::eOk);
            TfObjectMap again;
            require(again.getMappingFromStrs(ssName, target) == Acad::eOk);
            require(again.kind == entry.kind && again.ssName == entry.ssName);
        }
    }
}
