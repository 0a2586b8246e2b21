#pragma once

#include "platform/core/model/DlgCSP2Data.h"

#include <string>
#include <string_view>

// A cutting-stock record as a JSON file (docs/cutting-stock-files.md): the sets in order, each
// with its id, name and its rows of the three tables, and the tables' column headers.
namespace core {

struct CspRecordRead {
    bool ok = false;
    DlgCSP2Data data;
    std::string problem; // when not ok
};

CspRecordRead readCspRecordText(std::string_view utf8Json);
CspRecordRead readCspRecordFile(const Vdn_String& path);
// Rows of a set id that names no set cannot be written and are left out.
std::string cspRecordToJsonText(const DlgCSP2Data& data);
bool writeCspRecordFile(const DlgCSP2Data& data, const Vdn_String& path);

} // namespace core
