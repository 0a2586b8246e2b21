#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <memory>
#include <optional>
#include <utility>

namespace ss {

// The rows of a table file as read (LookupTable.cpp).
struct LookupRows;

// A look-up table file of GETCELL and GETPROFCELL: lines whose "//" comments are cut and
// which are then not empty, each split at tabs into fields. Field 0 is the key (compound keys
// with ';' between their parts), field 1 the answer; further fields are ignored.
//
// Where reading or answering fails, the reason, naming the table file, is noted as the
// function problem (FunctionProblem.h) for the calculation that called the function.
class LookupTable {
public:
    // Reads the file found by findDataFile; nullopt when it is not found, cannot be read or
    // holds no rows. A file read before and unchanged since is taken from memory
    // (ParsedFileCache).
    static std::optional<LookupTable> read(const Vdn_String& name);

    // The answer of the first row whose key equals key (case-insensitive); with profileKeys
    // the table's keys are compared as the section tables' system names where they have one.
    // Keys are looked at up to the first row without fields. nullopt when no row matches or
    // the matching row has no answer field.
    std::optional<Vdn_String> answer(const Vdn_String& key, bool profileKeys) const;

private:
    LookupTable(std::shared_ptr<const LookupRows> rows, Vdn_String shownName)
        : rows_(std::move(rows)), shownName_(std::move(shownName)) {}

    // Shared with the copy kept in memory.
    std::shared_ptr<const LookupRows> rows_;
    // The file as messages name it.
    Vdn_String shownName_;
};

// Forgets the look-up tables kept in memory.
void clearLookupTableCache();

} // namespace ss
