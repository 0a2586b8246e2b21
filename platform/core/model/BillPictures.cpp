#include "platform/core/model/BillPictures.h"

#include "platform/core/files/BmpEncoding.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/io/AtomicWrite.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace core {

namespace {

BillPictureSurface gSurface;

constexpr int kDefaultHeight = 40;
constexpr int kMinHeight = 8;
constexpr int kMaxHeight = 400;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kFrame = 0xFF808080;
constexpr std::uint32_t kSteelBlue = 0xFF4682B4;
constexpr std::uint32_t kGrey = 0xFF505050;
constexpr std::uint32_t kBlack = 0xFF000000;

class Canvas {
public:
    Canvas(int width, int height)
        : width_(width), height_(height),
          pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kWhite) {}

    void fill(int x0, int y0, int x1, int y1, std::uint32_t colour) {
        for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x)
                pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
    }
    void frame(std::uint32_t colour) {
        fill(0, 0, width_, 1, colour);
        fill(0, height_ - 1, width_, height_, colour);
        fill(0, 0, 1, height_, colour);
        fill(width_ - 1, 0, width_, height_, colour);
    }
    std::vector<std::uint8_t> bmp() const { return encodeBmp24(width_, height_, pixels_); }

private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

void drawSideView(Canvas& canvas, int width, int height, double scale, std::uint32_t colour,
                  bool lines) {
    const int margin = 4;
    const int barLength = std::max(1, static_cast<int>((width - 2 * margin) * scale));
    const int top = height / 3;
    const int bottom = height - height / 3;
    canvas.fill(margin, top, margin + barLength, bottom, colour);
    if (lines) {
        const int centre = height / 2;
        for (int x = margin; x < margin + barLength; x += 4)
            canvas.fill(x, centre, x + 2, centre + 1, kBlack);
    }
}

void drawEndView(Canvas& canvas, int width, int height, std::uint32_t colour, bool lines) {
    const int side = height * 2 / 3;
    const int left = (width - side) / 2;
    const int top = (height - side) / 2;
    const int flange = std::max(1, side / 8);
    const int web = std::max(1, side / 10);
    canvas.fill(left, top, left + side, top + flange, colour);
    canvas.fill(left, top + side - flange, left + side, top + side, colour);
    canvas.fill(left + (side - web) / 2, top, left + (side + web) / 2, top + side, colour);
    if (lines)
        canvas.fill(left, top + side / 2, left + side, top + side / 2 + 1, kBlack);
}

std::filesystem::path newTemporaryFile() {
    static std::atomic<unsigned> counter{0};
    static const unsigned runId = std::random_device{}();
    const std::string name =
        "tessa-item-" + std::to_string(runId) + "-" + std::to_string(counter.fetch_add(1)) + ".bmp";
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        folder = std::filesystem::current_path();
    return folder / name;
}

} // namespace

const BillPictureSurface& billPictureSurface() {
    return gSurface;
}

void resetBillPictureSurface() {
    gSurface = {};
}

} // namespace core

bool createImage(const Vdn_StringArray& row, Vdn_String& fileName, int& view, int& size,
                 int& /*detail*/, bool& lines, bool& colour, Vdn_Bill* bill,
                 AcTransaction* transaction) {
    fileName = Vdn_String();
    if (!bill || !transaction || !core::gSurface.open || row.isEmpty())
        return false;
    const Vdn_BillItem* item = bill->findItem(row[0]);
    if (!item)
        return false;

    const int height =
        size > 0 ? std::clamp(size, core::kMinHeight, core::kMaxHeight) : core::kDefaultHeight;
    const int width = 3 * height;
    core::Canvas canvas(width, height);
    canvas.frame(core::kFrame);
    const std::uint32_t ink = colour ? core::kSteelBlue : core::kGrey;
    if (view < 0) {
        const double longest = bill->longestLength();
        const double scale = longest > 0 ? std::clamp(item->length / longest, 0.0, 1.0) : 1.0;
        core::drawSideView(canvas, width, height, scale, ink, lines);
    } else {
        core::drawEndView(canvas, width, height, ink, lines);
    }

    const std::vector<std::uint8_t> bytes = canvas.bmp();
    const std::filesystem::path path = core::newTemporaryFile();
    if (!io::writeFileAtomically(
            path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        return false;
    }
    fileName = core::fromNativePath(path);
    return true;
}

void initBMPDialog(int size) {
    core::gSurface.open = true;
    core::gSurface.size = size;
    ++core::gSurface.timesOpened;
}

void closeBMPDialog() {
    if (!core::gSurface.open)
        return;
    core::gSurface.open = false;
    ++core::gSurface.timesClosed;
}

bool deleteFile(const Vdn_String& name) {
    const auto path = core::resolveExisting(name);
    if (!path || !std::filesystem::is_regular_file(*path))
        return false;
    std::error_code error;
    return std::filesystem::remove(*path, error) && !error;
}
