#include "platform/core/model/MacroPreviews.h"

#include "platform/core/files/BmpEncoding.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/io/AtomicWrite.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

namespace {

constexpr int kSize = 96;
constexpr int kCells = 3;
constexpr int kCell = kSize / kCells;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kFrame = 0xFF9AA4AE;
constexpr std::uint32_t kPlate = 0xFF8C939A;
constexpr std::uint32_t kProfile = 0xFF2F6DB5;
constexpr std::uint32_t kBolt = 0xFF30363C;
constexpr std::uint32_t kOther = 0xFF5A6570;

class Picture {
public:
    Picture() : pixels_(static_cast<std::size_t>(kSize) * kSize, kWhite) {}

    void fill(int x0, int y0, int x1, int y1, std::uint32_t colour) {
        for (int y = std::max(y0, 0); y < std::min(y1, kSize); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, kSize); ++x)
                pixels_[static_cast<std::size_t>(y) * kSize + static_cast<std::size_t>(x)] = colour;
    }
    void outline(int x0, int y0, int x1, int y1, std::uint32_t colour) {
        fill(x0, y0, x1, y0 + 1, colour);
        fill(x0, y1 - 1, x1, y1, colour);
        fill(x0, y0, x0 + 1, y1, colour);
        fill(x1 - 1, y0, x1, y1, colour);
    }
    void ring(int cx, int cy, int radius, std::uint32_t colour) {
        for (int y = cy - radius; y <= cy + radius; ++y) {
            for (int x = cx - radius; x <= cx + radius; ++x) {
                const int d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                if (d <= radius * radius && d >= (radius - 2) * (radius - 2))
                    fill(x, y, x + 1, y + 1, colour);
            }
        }
    }
    void diagonal(int x0, int y0, int length, int step, std::uint32_t colour) {
        for (int i = 0; i < length; ++i)
            fill(x0 + i, y0 + step * i, x0 + i + 1, y0 + step * i + 1, colour);
    }
    std::vector<std::uint8_t> bmp() const { return core::encodeBmp24(kSize, kSize, pixels_); }

private:
    std::vector<std::uint32_t> pixels_;
};

void drawModule(Picture& picture, const Vdn_Module& module, int cell) {
    const int left = (cell % kCells) * kCell + 4;
    const int top = (cell / kCells) * kCell + 4;
    const int side = kCell - 8;
    switch (module.kind) {
    case Vdn_Module::Kind::Plate:
        picture.fill(left + 2, top, left + side - 2, top + side, kPlate);
        break;
    case Vdn_Module::Kind::Profile: {
        const int flange = 4;
        const int web = 4;
        picture.fill(left, top, left + side, top + flange, kProfile);
        picture.fill(left, top + side - flange, left + side, top + side, kProfile);
        picture.fill(left + (side - web) / 2, top, left + (side + web) / 2, top + side, kProfile);
        break;
    }
    case Vdn_Module::Kind::Bolt:
        for (const int dx : {side / 4, side * 3 / 4})
            for (const int dy : {side / 4, side * 3 / 4})
                picture.ring(left + dx, top + dy, 5, kBolt);
        break;
    default:
        picture.outline(left, top, left + side, top + side, kOther);
        break;
    }
}

Picture previewOf(const std::optional<Vdn_DbMacro>& macro) {
    Picture picture;
    picture.outline(0, 0, kSize, kSize, kFrame);
    if (!macro || macro->modules.isEmpty()) {
        picture.diagonal(16, 16, 64, 1, kFrame);
        picture.diagonal(16, 79, 64, -1, kFrame);
        return picture;
    }
    const int shown = std::min(macro->modules.length(), kCells * kCells);
    for (int i = 0; i < shown; ++i)
        drawModule(picture, macro->modules[i], i);
    return picture;
}

bool isOlder(const std::filesystem::path& preview, const std::filesystem::path& drawing) {
    const auto previewStamp = core::fileStamp(preview);
    const auto drawingStamp = core::fileStamp(drawing);
    return !previewStamp || (drawingStamp && previewStamp->modified < drawingStamp->modified);
}

bool writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    return io::writeFileAtomically(
               path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))
        .ok();
}

} // namespace

Vdn_String withExtension(const Vdn_String& path, const Vdn_String& extension) {
    return removeExtension(path) + L"." + extension;
}

int CreatePreviewBMPs(const Vdn_StringArray& drawings, const Vdn_String& extension) {
    int written = 0;
    for (const Vdn_String& drawing : drawings) {
        const auto drawingFile = core::resolveExistingFile(drawing);
        if (!drawingFile || core::fileExists(withExtension(drawing, L"bmp")))
            continue;
        const Vdn_String previewName = withExtension(drawing, extension);
        const auto existing = core::resolveExistingFile(previewName);
        if (existing && !isOlder(*existing, *drawingFile))
            continue;
        std::optional<Vdn_DbMacro> macro;
        core::MacroReadResult read = Vdn_DbMacro::readFromFile(drawing);
        if (read)
            macro = std::move(read.macro());
        const std::filesystem::path target =
            existing ? *existing : core::resolveForWriting(previewName);
        if (writeBytes(target, previewOf(macro).bmp()))
            ++written;
    }
    if (written > 0)
        core::clearFolderListings();
    return written;
}
