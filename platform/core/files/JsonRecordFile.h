#pragma once

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/JsonDocument.h"
#include "platform/core/text/TextCodec.h"
#include "platform/core/text/Vdn_String.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace core {

// A record read from a JSON document: the record, or why it could not be read.
template <class Data> struct JsonRecordRead {
    bool ok = false;
    Data data;
    // Why the document could not be read (where in it, in plain words); empty on success.
    Vdn_String message;
};

// Reads a record with a Reader, a class with `bool read(const JsonDocument::Json&, Data&)` that
// stops at the first problem and `std::string error()` saying what and where. On any failure
// the result holds an empty record: a half-read one is never handed on.
template <class Reader, class Data>
JsonRecordRead<Data> readJsonRecordText(std::string_view utf8Json, int maxDepth) {
    JsonRecordRead<Data> result;
    JsonDocument::Json root;
    if (const auto problem = JsonDocument::parse(utf8Json, maxDepth, root)) {
        result.message = Vdn_String::fromUtf8(*problem);
        return result;
    }
    Reader reader;
    if (!reader.read(root, result.data)) {
        result.data = Data();
        result.message = Vdn_String::fromUtf8(reader.error());
        return result;
    }
    result.ok = true;
    return result;
}

// The same for a file; what names the kind of file in the message when it cannot be read
// ("the sheets file"), and every other message starts with the path.
template <class Reader, class Data>
JsonRecordRead<Data> readJsonRecordFile(const Vdn_String& path, const Vdn_String& what,
                                        int maxDepth) {
    const std::optional<std::wstring> text = readTextFile(path);
    if (!text) {
        JsonRecordRead<Data> result;
        result.message = L"cannot read " + what + L" " + path;
        return result;
    }
    JsonRecordRead<Data> result =
        readJsonRecordText<Reader, Data>(TextCodec::encodeUtf8(*text), maxDepth);
    if (!result.ok)
        result.message = path + L": " + result.message;
    return result;
}

} // namespace core
