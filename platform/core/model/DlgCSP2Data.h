#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <array>

// The input of a cutting-stock optimisation as the cutting-stock dialog edits it: named sets,
// and for each set the rows of three tables (the parts to cut, the stock lengths at hand and
// the lengths that can be bought). Each table keeps all sets' rows in one list; a row carries
// the id of its set, and a set's rows lie together in their order.
class DlgCSP2Data {
public:
    enum Table { kParts = 0, kStock = 1, kBuy = 2 };
    static constexpr int kTableCount = 3;
    // The id of no set.
    static constexpr int kNoSet = -1;

    struct TableData {
        Vdn_StringArray headers;
        Vdn_Array<int> rowSetIds; // one per row
        Vdn_Array<Vdn_StringArray> rows;
        friend bool operator==(const TableData&, const TableData&) = default;
    };

    DlgCSP2Data() = default;
    DlgCSP2Data(const DlgCSP2Data&) = default;
    DlgCSP2Data& operator=(const DlgCSP2Data&) = default;
    virtual ~DlgCSP2Data() = default;
    friend bool operator==(const DlgCSP2Data&, const DlgCSP2Data&) = default;

    Vdn_Array<int> setIds;
    Vdn_StringArray setNames; // parallel to setIds
    std::array<TableData, kTableCount> tables;
    bool singleTable = false;

    // The position of the set with this id, or -1.
    int indexOfSet(int setId) const;
    // The position of the set with this name (without regard to case), or -1.
    int indexOfSetName(const Vdn_String& name) const;
    // The rows of the set in the table, in order; none for an unknown set or table.
    Vdn_Array<Vdn_StringArray> rowsOf(int table, int setId) const;
    // Removes the set's rows from the table and appends rows with its id. False, and nothing
    // changed, for an unknown table or a set id that names no set (kNoSet among them): rows of
    // no set would never be shown again.
    bool replaceRows(int table, int setId, const Vdn_Array<Vdn_StringArray>& rows);
    // Appends a set with the id one above the highest in use (0 for the first) and gives it.
    int addSet(const Vdn_String& name);
    // Removes the set and its rows from every table; false for an unknown id.
    bool deleteSet(int setId);
};
