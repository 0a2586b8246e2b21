#include "platform/ui/graphics/Bitmap.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/io/AtomicWrite.h"
#include "platform/io/InputLog.h"
#include "platform/ui/graphics/BitmapFormat.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace ui {

Bitmap::Bitmap(int width, int height, std::uint32_t argb)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), argb) {
    if (pixels_.empty())
        width_ = height_ = 0;
}

std::uint32_t Bitmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void Bitmap::setPixel(int x, int y, std::uint32_t argb) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
            static_cast<std::size_t>(x)] = argb;
}

Bitmap::LoadResult Bitmap::load(const Vdn_String& name) {
    const auto fail = [&name](const std::wstring& reason) {
        return LoadResult{Bitmap(), name.str() + L": " + reason};
    };
    const auto path = core::resolveExisting(name);
    std::error_code error;
    if (!path || !std::filesystem::is_regular_file(*path, error))
        return fail(L"the file does not exist");
    const std::uintmax_t size = std::filesystem::file_size(*path, error);
    if (error)
        return fail(L"the file cannot be read");
    if (size > static_cast<std::uintmax_t>(BitmapFormat::kMaxFileSize))
        return fail(L"the file is too large for a bitmap (" + std::to_wstring(size) + L" bytes)");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    std::ifstream in(*path, std::ios::binary);
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        return fail(L"the file cannot be read");
    io::InputLog::note(*path);
    LoadResult result = BitmapFormat::decode(bytes);
    if (!result.ok())
        return fail(result.error);
    return result;
}

bool Bitmap::save(const Vdn_String& name) const {
    const std::vector<std::uint8_t> bytes = BitmapFormat::encode24(*this);
    if (bytes.empty())
        return false;
    return io::writeFileAtomically(
               core::resolveForWriting(name),
               std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))
        .ok();
}

BitmapMask Bitmap::maskOf(COLORREF transparent) const {
    const std::uint32_t rgb = argbOf(transparent) & 0x00FFFFFFu;
    BitmapMask mask(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x)
            mask.setTransparent(x, y, (pixel(x, y) & 0x00FFFFFFu) == rgb);
    }
    return mask;
}

std::uint32_t Bitmap::argbOf(COLORREF color) {
    const auto c = static_cast<std::uint32_t>(color);
    return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

COLORREF Bitmap::colorRefOf(std::uint32_t argb) {
    return static_cast<COLORREF>(((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16));
}

} // namespace ui
