#pragma once
// MFC's COleDataObject: data offered in several formats (a drag's data, or the clipboard's),
// as the receiving side sees it. Text is CF_UNICODETEXT, UTF-16 without terminator; any other
// format holds bytes.

#include "platform/ui/graphics/WinGdi.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class COleDataObject {
public:
    using Formats = std::map<UINT, std::vector<std::uint8_t>>;

    COleDataObject() = default;
    explicit COleDataObject(Formats formats) : formats_(std::move(formats)) {}

    // The clipboard's present content; FALSE when it is empty.
    BOOL AttachClipboard();
    BOOL IsDataAvailable(UINT format) const { return formats_.count(format) != 0 ? TRUE : FALSE; }
    // False when the format is not offered.
    bool getData(UINT format, std::vector<std::uint8_t>& bytes) const;
    // The CF_UNICODETEXT text, empty when none is offered.
    std::wstring text() const;
    const Formats& formats() const { return formats_; }

private:
    Formats formats_;
};
