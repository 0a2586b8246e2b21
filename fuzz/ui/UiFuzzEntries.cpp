// Fuzz entries for the window system's readers of outside input: registry files and bitmaps.
#include "fuzz/FuzzEntry.h"
#include "platform/core/text/TextCodec.h"
#include "platform/ui/graphics/BitmapFormat.h"
#include "platform/ui/registry/RegistryText.h"

#include <cstdlib>
#include <span>
#include <string_view>

namespace {

using fuzz::bytesOf;
using fuzz::require;

} // namespace

// A registry file that parses writes back to text that parses and writes back unchanged.
TESSA_FUZZ_ENTRY(ui_registry_text) {
    const std::wstring text =
        core::TextCodec::decode(std::string_view(reinterpret_cast<const char*>(data), size));
    const ui::RegistryText::Parsed parsed = ui::RegistryText::parse(text, L"HKEY_CURRENT_USER");
    if (!parsed.root) {
        require(parsed.error.has_value() && parsed.error->line >= 1);
        return;
    }
    const std::wstring written = ui::RegistryText::format(*parsed.root, L"HKEY_CURRENT_USER");
    const ui::RegistryText::Parsed again = ui::RegistryText::parse(written, L"HKEY_CURRENT_USER");
    require(again.root && ui::RegistryText::format(*again.root, L"HKEY_CURRENT_USER") == written);
}

// A picture that decodes has a sane size and survives the 24-bit writer (made opaque).
TESSA_FUZZ_ENTRY(ui_bitmap) {
    const ui::Bitmap::LoadResult result = ui::BitmapFormat::decode(std::span(data, size));
    if (!result.ok()) {
        require(!result.error.empty() && result.bitmap.isEmpty());
        return;
    }
    const ui::Bitmap& picture = result.bitmap;
    require(static_cast<std::int64_t>(picture.width()) * picture.height() <=
            ui::BitmapFormat::kMaxPixels);
    const ui::Bitmap::LoadResult again =
        ui::BitmapFormat::decode(ui::BitmapFormat::encode24(picture));
    require(again.ok());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            require(again.bitmap.pixel(x, y) == (picture.pixel(x, y) | 0xFF000000u));
    }
}
