#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/ui/graphics/Bitmap.h"

#include <optional>
#include <string>

// A picture carried inside a sheet as its picture name: "data:image/bmp;base64," followed by
// a 24-bit ".bmp" file in Base64. Pictures made for one sheet (a bill's item pictures, drawn
// into temporary files) are embedded so that they survive the file and travel with the sheet.
struct EmbeddedPicture {
    static constexpr const wchar_t* kPrefix = L"data:image/bmp;base64,";

    std::wstring name; // the picture name to give a picture cell
    int width = 0;
    int height = 0;

    // The picture of a ".bmp" file; nullopt when it cannot be read as one.
    static std::optional<EmbeddedPicture> fromFile(const Vdn_String& file);
    // The picture an embedded name holds; an error for names that hold none or damaged data.
    static ui::Bitmap::LoadResult decode(const std::wstring& name);
};
