#include "spreadsheet/bill/EmbeddedPicture.h"

#include "platform/core/text/Base64.h"
#include "platform/ui/graphics/BitmapFormat.h"

#include <string_view>
#include <vector>

std::optional<EmbeddedPicture> EmbeddedPicture::fromFile(const Vdn_String& file) {
    const ui::Bitmap::LoadResult loaded = ui::Bitmap::load(file);
    if (!loaded.ok() || loaded.bitmap.isEmpty())
        return std::nullopt;
    const std::vector<std::uint8_t> bytes = ui::BitmapFormat::encode24(loaded.bitmap);
    const std::string base64 = core::base64Encode(bytes);
    EmbeddedPicture picture;
    picture.name = kPrefix;
    picture.name.append(base64.begin(), base64.end()); // Base64 is plain ASCII
    picture.width = loaded.bitmap.width();
    picture.height = loaded.bitmap.height();
    return picture;
}

ui::Bitmap::LoadResult EmbeddedPicture::decode(const std::wstring& name) {
    const std::wstring_view prefix = kPrefix;
    if (!name.starts_with(prefix))
        return {ui::Bitmap(), L"the picture is not embedded"};
    std::string base64;
    base64.reserve(name.size() - prefix.size());
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        if (name[i] > 0x7F)
            return {ui::Bitmap(), L"the embedded picture is damaged"};
        base64 += static_cast<char>(name[i]);
    }
    std::vector<std::uint8_t> bytes;
    if (!core::base64Decode(base64, bytes))
        return {ui::Bitmap(), L"the embedded picture is damaged"};
    return ui::BitmapFormat::decode(bytes);
}
