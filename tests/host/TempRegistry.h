#pragma once

#include "platform/ui/registry/Registry.h"
#include "tests/core/TempFolder.h"

#include <filesystem>
#include <random>
#include <string>

// Makes a registry in a fresh folder the current one for the scope.
class TempRegistry {
public:
    explicit TempRegistry(ui::Registry::Access access = ui::Registry::Access::ReadWrite) {
        ui::Registry::open(folder_.path(), access);
    }
    // Leaves an empty read-only registry current, so nothing written later lands anywhere.
    ~TempRegistry() { ui::Registry::open(empty_.path(), ui::Registry::Access::ReadOnly); }
    TempRegistry(const TempRegistry&) = delete;
    TempRegistry& operator=(const TempRegistry&) = delete;

    const std::filesystem::path& folder() const { return folder_.path(); }
    // Opens the same folder again (read-only or not), as a later run of the program would.
    void reopen(ui::Registry::Access access) { ui::Registry::open(folder_.path(), access); }

private:
    TempFolder folder_;
    TempFolder empty_;
};
