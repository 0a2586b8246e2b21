#include "platform/core/model/DlgCSP2Data.h"

#include <algorithm>

int DlgCSP2Data::indexOfSet(int setId) const {
    if (setId == kNoSet)
        return -1;
    return setIds.find(setId);
}

int DlgCSP2Data::indexOfSetName(const Vdn_String& name) const {
    return setNames.find(name, false);
}

Vdn_Array<Vdn_StringArray> DlgCSP2Data::rowsOf(int table, int setId) const {
    Vdn_Array<Vdn_StringArray> found;
    if (table < 0 || table >= kTableCount || indexOfSet(setId) < 0)
        return found;
    const TableData& data = tables[static_cast<std::size_t>(table)];
    const int count = std::min(data.rowSetIds.length(), data.rows.length());
    for (int row = 0; row < count; ++row) {
        if (data.rowSetIds[row] == setId)
            found.append(data.rows[row]);
    }
    return found;
}

bool DlgCSP2Data::replaceRows(int table, int setId, const Vdn_Array<Vdn_StringArray>& rows) {
    if (table < 0 || table >= kTableCount || indexOfSet(setId) < 0)
        return false;
    TableData& data = tables[static_cast<std::size_t>(table)];
    TableData kept;
    kept.headers = data.headers;
    const int count = std::min(data.rowSetIds.length(), data.rows.length());
    for (int row = 0; row < count; ++row) {
        if (data.rowSetIds[row] != setId) {
            kept.rowSetIds.append(data.rowSetIds[row]);
            kept.rows.append(data.rows[row]);
        }
    }
    for (const Vdn_StringArray& row : rows) {
        kept.rowSetIds.append(setId);
        kept.rows.append(row);
    }
    data = std::move(kept);
    return true;
}

int DlgCSP2Data::addSet(const Vdn_String& name) {
    int highest = -1;
    for (const int id : setIds)
        highest = std::max(highest, id);
    const int id = highest + 1;
    setIds.append(id);
    setNames.append(name);
    return id;
}

bool DlgCSP2Data::deleteSet(int setId) {
    const int index = indexOfSet(setId);
    if (index < 0)
        return false;
    replaceRows(kParts, setId, {});
    replaceRows(kStock, setId, {});
    replaceRows(kBuy, setId, {});
    setIds.removeAt(index);
    if (index < setNames.length())
        setNames.removeAt(index);
    return true;
}
