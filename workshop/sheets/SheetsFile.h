#pragma once

#include "module/TfSheetsMgrDlgData.h"
#include "platform/core/files/JsonRecordFile.h"
#include "platform/core/text/Vdn_String.h"

#include <string_view>

// The sheets file (docs/sheets-file.md): the workshop-drawing sheets the sheets manager lists,
// a JSON document {"sheets": [{"text": ..., "subEntries": [...]}, ...]}, in order.
namespace sheets {

using SheetsReadResult = core::JsonRecordRead<TfSheetsMgrDlgData>;

// Reads the document; the first problem fails the whole read and gives an empty record.
SheetsReadResult readSheetsText(std::string_view utf8Json);
// The same for a file; the message starts with the path.
SheetsReadResult readSheetsFile(const Vdn_String& path);

} // namespace sheets
