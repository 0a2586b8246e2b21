#include "workshop/sheets/SheetsFile.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/JsonDocument.h"
#include "platform/core/text/TextCodec.h"

#include <string>

namespace sheets {

namespace {

using Json = core::JsonDocument::Json;

constexpr int kMaxNesting = 8;

class Reader {
public:
    bool read(const Json& root, TfSheetsMgrDlgData& data) {
        if (!root.is_object())
            return fail("", "the file does not hold a JSON object");
        const auto sheets = root.find("sheets");
        if (sheets == root.end())
            return fail("", "the list \"sheets\" is missing");
        if (!sheets->is_array())
            return fail("sheets", "expected a list of sheets");
        for (std::size_t i = 0; i < sheets->size(); ++i) {
            TfSheetEntry entry;
            if (!readEntry((*sheets)[i], "sheets[" + std::to_string(i) + "]", entry))
                return false;
            data.append(std::move(entry));
        }
        return true;
    }
    const std::string& error() const { return error_; }

private:
    bool fail(const std::string& where, const std::string& what) {
        error_ = where.empty() ? what : where + ": " + what;
        return false;
    }

    bool readEntry(const Json& item, const std::string& where, TfSheetEntry& entry) {
        if (!item.is_object())
            return fail(where, "expected an object with text and subEntries");
        bool hasText = false;
        for (const auto& [key, value] : item.items()) {
            const std::string at = where + "." + key;
            if (key == "text") {
                if (!value.is_string())
                    return fail(at, "expected a text");
                entry.text = Vdn_String::fromUtf8(value.get_ref<const std::string&>());
                hasText = true;
            } else if (key == "subEntries") {
                if (!value.is_array())
                    return fail(at, "expected a list of texts");
                for (std::size_t i = 0; i < value.size(); ++i) {
                    if (!value[i].is_string())
                        return fail(at + "[" + std::to_string(i) + "]", "expected a text");
                    entry.subEntries.append(
                        Vdn_String::fromUtf8(value[i].get_ref<const std::string&>()));
                }
            } else {
                return fail(at, "unknown key (a sheet has text and subEntries)");
            }
        }
        if (!hasText)
            return fail(where, "the sheet has no text");
        return true;
    }

    std::string error_;
};

} // namespace

SheetsReadResult readSheetsText(std::string_view utf8Json) {
    return core::readJsonRecordText<Reader, TfSheetsMgrDlgData>(utf8Json, kMaxNesting);
}

SheetsReadResult readSheetsFile(const Vdn_String& path) {
    return core::readJsonRecordFile<Reader, TfSheetsMgrDlgData>(path, L"the sheets file",
                                                                kMaxNesting);
}

} // namespace sheets
