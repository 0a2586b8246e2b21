#include "macro/select/DlgRegBool.h"

#include "platform/ui/registry/RegistryProfile.h"

namespace {

constexpr int kMissing = -1;

ui::RegistryProfile dialogSettings() {
    return ui::RegistryProfile(L"Tessaform", L"Dialogs");
}

} // namespace

bool readDlgRegBool(const Vdn_String& key, const Vdn_String& entry, bool fallback) {
    const int stored =
        static_cast<int>(dialogSettings().GetProfileInt(key.c_str(), entry.c_str(), kMissing));
    return stored == kMissing ? fallback : stored != 0;
}

bool writeDlgRegBool(const Vdn_String& key, const Vdn_String& entry, bool value) {
    ui::RegistryProfile settings = dialogSettings();
    return settings.WriteProfileInt(key.c_str(), entry.c_str(), value ? 1 : 0);
}
