#include "platform/ui/graphics/CBrush.h"

#include <cstdint>
#include <map>

namespace {

// Handles 1..255 are stock and system-colour brushes; created ones count on from 0x1000.
constexpr std::uintptr_t kStockBase = 1;
constexpr std::uintptr_t kSysColorBase = 64;
constexpr std::uintptr_t kFirstCreated = 0x1000;

struct BrushTable {
    std::map<std::uintptr_t, ui::BrushInfo> brushes;
    std::uintptr_t next = kFirstCreated;

    static BrushTable& instance() {
        static BrushTable table;
        return table;
    }
};

HBRUSH toHandle(std::uintptr_t value) {
    return reinterpret_cast<HBRUSH>(value);
}

} // namespace

namespace ui {

BrushInfo brushInfo(HBRUSH brush) {
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= kSysColorBase && value < kSysColorBase + 64) {
        return {false, GetSysColor(static_cast<int>(value - kSysColorBase))};
    }
    if (value == kStockBase + WHITE_BRUSH) {
        return {false, RGB(255, 255, 255)};
    }
    if (value == kStockBase + BLACK_BRUSH) {
        return {false, RGB(0, 0, 0)};
    }
    const auto& brushes = BrushTable::instance().brushes;
    const auto found = brushes.find(value);
    return found == brushes.end() ? BrushInfo{} : found->second;
}

} // namespace ui

HBRUSH GetStockBrush(int object) {
    if (object != WHITE_BRUSH && object != BLACK_BRUSH && object != NULL_BRUSH) {
        return nullptr;
    }
    return toHandle(kStockBase + static_cast<std::uintptr_t>(object));
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    BrushTable& table = BrushTable::instance();
    const std::uintptr_t value = table.next++;
    table.brushes[value] = ui::BrushInfo{false, colour & 0xFFFFFF};
    return toHandle(value);
}

COLORREF GetSysColor(int index) {
    switch (index) {
    case COLOR_WINDOW:
        return RGB(255, 255, 255);
    case COLOR_BTNFACE:
        return RGB(240, 240, 240);
    case COLOR_BTNSHADOW:
        return RGB(160, 160, 160);
    case COLOR_GRAYTEXT:
        return RGB(109, 109, 109);
    case COLOR_INFOBK:
        return RGB(255, 255, 225);
    default: // window text, button text, info text
        return RGB(0, 0, 0);
    }
}

HBRUSH GetSysColorBrush(int index) {
    if (index < 0 || index >= 64) {
        return nullptr;
    }
    return toHandle(kSysColorBase + static_cast<std::uintptr_t>(index));
}

CBrush::~CBrush() {
    DeleteObject();
}

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    if (handle_ != nullptr) {
        return FALSE;
    }
    handle_ = ::CreateSolidBrush(colour);
    owned_ = true;
    return TRUE;
}

BOOL CBrush::CreateStockObject(int object) {
    if (handle_ != nullptr) {
        return FALSE;
    }
    handle_ = GetStockBrush(object);
    owned_ = false;
    return handle_ != nullptr ? TRUE : FALSE;
}

BOOL CBrush::DeleteObject() {
    if (handle_ == nullptr) {
        return FALSE;
    }
    if (owned_) {
        BrushTable::instance().brushes.erase(reinterpret_cast<std::uintptr_t>(handle_));
    }
    handle_ = nullptr;
    owned_ = false;
    return TRUE;
}
