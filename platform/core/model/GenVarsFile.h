#pragma once

#include "platform/core/files/JsonRecordFile.h"
#include "platform/core/model/TfAutoStandardsData.h"
#include "platform/core/text/Vdn_String.h"

#include <filesystem>
#include <string>
#include <string_view>

// The general-variables file (docs/genvars-file.md): a JSON document holding the drawing and
// the standards general variables of a TfAutoStandardsData, one object a row.
namespace core {

using GenVarsReadResult = JsonRecordRead<TfAutoStandardsData>;

// Reads the document; the first problem fails the whole read. A document with neither a
// "drawing" nor a "standards" list is not a general-variables file.
GenVarsReadResult readGenVarsText(std::string_view utf8Json);
// The same for a file (a regular file of at most kMaxTextFileBytes); the message starts with
// the path.
GenVarsReadResult readGenVarsFile(const Vdn_String& path);

// The document of the record, indented, ending with a line end. A filter becomes the list of
// its non-empty ';'-separated paths. Rows are as many as the names list has; a shorter
// parallel list gives empty texts.
std::string genVarsToJsonText(const TfAutoStandardsData& data);
// Writes the document to a native path; false when the file cannot be written.
bool writeGenVarsFile(const TfAutoStandardsData& data, const std::filesystem::path& path);

} // namespace core
