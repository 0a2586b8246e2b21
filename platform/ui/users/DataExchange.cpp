// Data exchange: clipboard formats, the clipboard, data objects, drop targets and the drag loop.

#include "platform/ui/users/COleDataObject.h"
#include "platform/ui/users/COleDataSource.h"
#include "platform/ui/users/COleDropTarget.h"
#include "platform/ui/users/Mouse.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <algorithm>
#include <cstdlib>
#include <cwctype>

namespace {

struct Exchange {
    std::map<std::wstring, UINT> formats; // by lower-case name
    UINT nextFormat = 0xC000;
    COleDataObject::Formats clipboard;
    std::map<const CWnd*, COleDropTarget*> targets;

    static Exchange& instance() {
        static Exchange exchange;
        return exchange;
    }
};

} // namespace

UINT RegisterClipboardFormat(const std::wstring& name) {
    if (name.empty()) {
        return 0;
    }
    std::wstring key = name;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    Exchange& exchange = Exchange::instance();
    const auto [it, added] = exchange.formats.emplace(key, exchange.nextFormat);
    if (added) {
        ++exchange.nextFormat;
    }
    return it->second;
}

// --- COleDataObject -----------------------------------------------------------------------------

BOOL COleDataObject::AttachClipboard() {
    formats_ = Exchange::instance().clipboard;
    return formats_.empty() ? FALSE : TRUE;
}

bool COleDataObject::getData(UINT format, std::vector<std::uint8_t>& bytes) const {
    const auto it = formats_.find(format);
    if (it == formats_.end()) {
        return false;
    }
    bytes = it->second;
    return true;
}

std::wstring COleDataObject::text() const {
    std::vector<std::uint8_t> bytes;
    if (!getData(CF_UNICODETEXT, bytes)) {
        return {};
    }
    std::wstring text;
    std::uint32_t high = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t unit = bytes[i] | (static_cast<std::uint32_t>(bytes[i + 1]) << 8);
        if (unit == 0) {
            break;
        }
        if (unit >= 0xD800 && unit < 0xDC00) {
            high = unit;
            continue;
        }
        if (unit >= 0xDC00 && unit < 0xE000 && high != 0) {
            text += static_cast<wchar_t>(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
        } else {
            text += static_cast<wchar_t>(unit);
        }
        high = 0;
    }
    return text;
}

// --- COleDataSource -----------------------------------------------------------------------------

void COleDataSource::CacheData(UINT format, std::vector<std::uint8_t> bytes) {
    formats_[format] = std::move(bytes);
}

void COleDataSource::cacheText(const std::wstring& text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() * 2);
    for (wchar_t c : text) {
        // Outside the basic plane wchar_t is 32 bits here: store UTF-16 surrogates.
        const auto code = static_cast<std::uint32_t>(c);
        const auto put = [&bytes](std::uint32_t unit) {
            bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
        };
        if (code > 0xFFFF) {
            put(0xD800 + ((code - 0x10000) >> 10));
            put(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            put(code);
        }
    }
    CacheData(CF_UNICODETEXT, std::move(bytes));
}

void COleDataSource::SetClipboard() {
    Exchange::instance().clipboard = formats_;
}

DROPEFFECT COleDataSource::DoDragDrop(DROPEFFECT allowed) {
    ui::Mouse& mouse = ui::Mouse::instance();
    const CPoint start = mouse.position();
    const std::optional<ui::MouseGesture> gesture = mouse.takeGesture();
    if (!gesture) {
        return DROPEFFECT_NONE;
    }
    const bool started = std::any_of(gesture->path.begin(), gesture->path.end(), [&](CPoint p) {
        return std::abs(p.x - start.x) > kDragThreshold || std::abs(p.y - start.y) > kDragThreshold;
    });
    if (!started) {
        return DROPEFFECT_NONE;
    }
    COleDataObject data = dataObject();
    COleDropTarget* current = nullptr;
    CWnd* currentWindow = nullptr;
    DROPEFFECT effect = DROPEFFECT_NONE;
    const auto clientPoint = [](CWnd* window, CPoint screen) {
        window->ScreenToClient(&screen);
        return screen;
    };
    const DWORD keys = gesture->keyFlags | gesture->button;
    for (std::size_t i = 0; i < gesture->path.size(); ++i) {
        const CPoint screen = gesture->path[i];
        mouse.setPosition(screen);
        CWnd* under = gesture->windowAt(screen);
        COleDropTarget* target = COleDropTarget::forWindow(under);
        if (target != current) {
            if (current != nullptr && ui::WindowRegistry::instance().isAlive(currentWindow)) {
                current->OnDragLeave(currentWindow);
            }
            current = target;
            currentWindow = target != nullptr ? target->window() : nullptr;
            effect = target != nullptr ? target->OnDragEnter(currentWindow, &data, keys,
                                                             clientPoint(currentWindow, screen))
                                       : DROPEFFECT_NONE;
        } else if (current != nullptr) {
            effect =
                current->OnDragOver(currentWindow, &data, keys, clientPoint(currentWindow, screen));
        }
        effect &= allowed;
    }
    if (current == nullptr || !ui::WindowRegistry::instance().isAlive(currentWindow)) {
        return DROPEFFECT_NONE;
    }
    if (effect == DROPEFFECT_NONE) {
        current->OnDragLeave(currentWindow);
        return DROPEFFECT_NONE;
    }
    const BOOL dropped =
        current->OnDrop(currentWindow, &data, effect, clientPoint(currentWindow, mouse.position()));
    return dropped ? effect : DROPEFFECT_NONE;
}

// --- COleDropTarget -----------------------------------------------------------------------------

COleDropTarget::~COleDropTarget() {
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* window) {
    if (window_ != nullptr || window == nullptr || window->GetSafeHwnd() == nullptr) {
        return FALSE;
    }
    auto& targets = Exchange::instance().targets;
    if (targets.count(window) != 0) {
        return FALSE;
    }
    targets[window] = this;
    window_ = window;
    return TRUE;
}

void COleDropTarget::Revoke() {
    if (window_ != nullptr) {
        Exchange::instance().targets.erase(window_);
        window_ = nullptr;
    }
}

COleDropTarget* COleDropTarget::forWindow(CWnd* window) {
    const auto& targets = Exchange::instance().targets;
    for (CWnd* w = window; w != nullptr && ui::WindowRegistry::instance().isAlive(w);
         w = (w->GetStyle() & WS_CHILD) != 0 ? w->GetParent() : nullptr) {
        if (const auto it = targets.find(w); it != targets.end() && w->GetSafeHwnd() != nullptr) {
            return it->second;
        }
    }
    return nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) {
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) {
    return DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd*) {}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) {
    return FALSE;
}
