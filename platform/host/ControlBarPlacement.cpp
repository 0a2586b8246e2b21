#include "platform/host/ControlBarPlacement.h"

#include "platform/ui/registry/RegistryApi.h"
#include "platform/ui/windows/CControlBar.h"

#include <array>
#include <string>

namespace host {

namespace {

std::wstring keyOf(const Guid& toolId) {
    return L"Software\\Tessa\\Host\\ControlBars\\" + toolId.toString();
}

constexpr std::array<const wchar_t*, 4> kRectNames = {L"FloatLeft", L"FloatTop", L"FloatRight",
                                                      L"FloatBottom"};

std::optional<DWORD> readDword(HKEY key, const wchar_t* name) {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

bool writeDword(HKEY key, const wchar_t* name, DWORD value) {
    return RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                         sizeof value) == ERROR_SUCCESS;
}

bool isDockBarId(UINT id) {
    return id == AFX_IDW_DOCKBAR_TOP || id == AFX_IDW_DOCKBAR_LEFT || id == AFX_IDW_DOCKBAR_RIGHT ||
           id == AFX_IDW_DOCKBAR_BOTTOM || id == AFX_IDW_DOCKBAR_FLOAT;
}

} // namespace

std::optional<ControlBarPlacement> ControlBarPlacement::load(const Guid& toolId) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, keyOf(toolId).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const auto dockBar = readDword(key, L"DockBar");
    std::array<std::optional<DWORD>, 4> corners;
    for (std::size_t i = 0; i < kRectNames.size(); ++i)
        corners[i] = readDword(key, kRectNames[i]);
    RegCloseKey(key);

    if (!dockBar || !isDockBarId(*dockBar))
        return std::nullopt;
    ControlBarPlacement result;
    result.dockBarId = *dockBar;
    if (result.dockBarId == AFX_IDW_DOCKBAR_FLOAT) {
        for (const auto& corner : corners) {
            if (!corner)
                return std::nullopt;
        }
        result.floatingRect = CRect(static_cast<LONG>(*corners[0]), static_cast<LONG>(*corners[1]),
                                    static_cast<LONG>(*corners[2]), static_cast<LONG>(*corners[3]));
        if (result.floatingRect.Width() <= 0 || result.floatingRect.Height() <= 0)
            return std::nullopt;
    }
    return result;
}

bool ControlBarPlacement::save(const Guid& toolId) const {
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_CURRENT_USER, keyOf(toolId).c_str(), 0, nullptr,
                       REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    bool ok = writeDword(key, L"DockBar", dockBarId);
    const std::array<LONG, 4> corners = {floatingRect.left, floatingRect.top, floatingRect.right,
                                         floatingRect.bottom};
    for (std::size_t i = 0; i < corners.size(); ++i)
        ok = writeDword(key, kRectNames[i], static_cast<DWORD>(corners[i])) && ok;
    RegCloseKey(key);
    return ok;
}

} // namespace host
