#include "module/ComRegistration.h"

#include "module/ModuleGlobals.h"
#include "module/OpmComIds.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "platform/host/CommandLineApi.h"
#include "platform/ui/registry/Registry.h"
#include "platform/ui/registry/RegistryApi.h"

#include <array>
#include <string>

namespace {

using frame::opm::ComId;

Vdn_String joinPath(const Vdn_String& folder, const Vdn_String& name) {
    if (folder.isEmpty())
        return name;
    const wchar_t last = folder.at(folder.length() - 1);
    if (last == L'/' || last == L'\\')
        return folder + name;
    // The folder is a native path; keep its own separator style.
    const wchar_t separator = folder.find(L"\\") >= 0 && folder.find(L"/") < 0 ? L'\\' : L'/';
    return folder + separator + name;
}

// Creates a key below HKEY_CLASSES_ROOT and sets its default value; false when either fails.
bool writeKey(const std::wstring& path, const std::wstring& value) {
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                       KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LONG result =
        RegSetValueEx(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool deleteTree(const std::wstring& path) {
    return RegDeleteTree(HKEY_CLASSES_ROOT, path.c_str()) == ERROR_SUCCESS;
}

} // namespace

namespace frame {

Vdn_String comModulePath() {
    return joinPath(moduleDirectory(), opm::kComModuleFileName);
}

std::optional<Vdn_String> clsidInitializer(const Vdn_String& id) {
    Vdn_String digits = id.trim();
    if (digits.startsWith(L"{", true) && digits.at(digits.length() - 1) == L'}')
        digits = digits.substr(1, digits.length() - 2);
    const Vdn_StringArray groups = strToArr(digits, L'-');
    constexpr std::array<int, 5> kLengths = {8, 4, 4, 4, 12};
    if (groups.length() != static_cast<int>(kLengths.size()))
        return std::nullopt;
    for (int i = 0; i < groups.length(); ++i) {
        if (groups[i].length() != kLengths[static_cast<std::size_t>(i)])
            return std::nullopt;
    }
    const Vdn_String bytes = groups[3] + groups[4];
    Vdn_String text = L"{0x" + groups[0] + L",0x" + groups[1] + L",0x" + groups[2] + L",{0x";
    for (int b = 0; b < 8; ++b) {
        if (b > 0)
            text += L",0x";
        text += bytes.substr(2 * b, 2);
    }
    text += L"}}";
    return text;
}

} // namespace frame

Acad::ErrorStatus SSregisterOpmCLSIDs() {
    using namespace frame::opm;
    const Vdn_String modulePath = frame::comModulePath();
    if (!core::fileExists(modulePath))
        return Acad::eInvalidInput;
    const std::wstring path = modulePath.str();

    ui::Registry::WriteBatch batch(ui::Registry::current());
    bool ok = true;
    const std::wstring typeLib = std::wstring(L"TypeLib\\") + kTypeLibId + L"\\" + kTypeLibVersion;
    ok &= writeKey(typeLib, kTypeLibDescription);
    ok &= writeKey(typeLib + L"\\0\\win32", path);
    ok &= writeKey(typeLib + L"\\9\\win32", path);

    for (const ComId& item : kClasses) {
        const std::wstring key = std::wstring(L"CLSID\\") + item.id;
        ok &= writeKey(key, std::wstring(item.name) + L" Class");
        ok &= writeKey(key + L"\\InProcServer32", path);
        ok &= writeKey(key + L"\\Typelib", kTypeLibId);
    }
    for (const ComId& item : kInterfaces) {
        const std::wstring key = std::wstring(L"Interface\\") + item.id;
        ok &= writeKey(key, std::wstring(item.name) + L" Interface");
        ok &= writeKey(key + L"\\TypeLib", kTypeLibId);
        ok &= writeKey(key + L"\\ProxyStubClsid32", kProxyStubClsid);
    }
    ok &= batch.commit();
    return ok ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus SScleanupComRegistry() {
    using namespace frame::opm;
    ui::Registry::WriteBatch batch(ui::Registry::current());
    bool ok = deleteTree(std::wstring(L"TypeLib\\") + kTypeLibId);
    for (const ComId& item : kClasses)
        ok &= deleteTree(std::wstring(L"CLSID\\") + item.id);
    for (const ComId& item : kInterfaces)
        ok &= deleteTree(std::wstring(L"Interface\\") + item.id);
    ok &= batch.commit();
    return ok ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus SSprintCLSIDs() {
    using namespace frame::opm;
    for (const ComId& item : kClasses) {
        const auto initializer = frame::clsidInitializer(item.id);
        if (!initializer)
            continue;
        acutPrintf(L"\nconst cCLSID CLSID_%s = %s;", item.name, initializer->c_str());
    }

    Vdn_StringArray lines;
    lines.append(Vdn_String(L"TypeLib_=") + kTypeLibId);
    for (const ComId& item : kClasses)
        lines.append(Vdn_String(L"Class_") + item.name + L"=" + item.id);
    for (const ComId& item : kInterfaces)
        lines.append(Vdn_String(L"Interface_") + item.name + L"=" + item.id);
    ObjectExportWriteFile(joinPath(frame::moduleDirectory(), kListingFileName), lines);
    return Acad::eOk;
}
