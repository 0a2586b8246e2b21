#pragma once

#include "platform/ui/registry/RegistryValue.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// One key of the registry tree: a name, named values and sub-keys. Names of values and keys
// compare case-insensitively and keep the spelling they were created with. Values keep their
// creation order (the empty name is the default value); sub-keys are kept sorted by name, the
// order in which they are enumerated.
//
// Keys are shared so that an open handle can watch its key: once a key is detached from the
// tree and released, handles to it see it gone.
class RegistryKey {
public:
    using Ptr = std::shared_ptr<RegistryKey>;

    struct NamedValue {
        std::wstring name;
        RegistryValue value;
    };
    // Everything a key holds, taken out and put back whole by deleteTree and its undo.
    struct Contents {
        std::vector<NamedValue> values;
        std::vector<Ptr> subKeys;
    };

    explicit RegistryKey(std::wstring name) : name_(std::move(name)) {}

    const std::wstring& name() const { return name_; }

    const std::vector<NamedValue>& values() const { return values_; }
    const RegistryValue* findValue(std::wstring_view name) const;
    // Sets or replaces a value (a replaced value keeps its position); returns the value it
    // replaced.
    std::optional<RegistryValue> setValue(std::wstring_view name, RegistryValue value);
    // Removes a value; returns its position and the value, or nullopt when there is none.
    std::optional<std::pair<std::size_t, NamedValue>> removeValue(std::wstring_view name);
    // Puts a removed value back at its position.
    void insertValue(std::size_t position, NamedValue value);

    const std::vector<Ptr>& subKeys() const { return subKeys_; }
    Ptr findSubKey(std::wstring_view name) const;
    // The sub-key of that name, created when missing.
    Ptr addSubKey(std::wstring_view name);
    // Takes a sub-key out of the tree; null when there is none.
    Ptr detachSubKey(std::wstring_view name);
    // Puts a detached sub-key back (its name must be free).
    void attachSubKey(Ptr key);

    Contents takeContents();
    void restoreContents(Contents contents);

private:
    std::vector<Ptr>::const_iterator lowerBound(std::wstring_view name) const;

    std::wstring name_;
    std::vector<NamedValue> values_;
    std::vector<Ptr> subKeys_;
};

} // namespace ui
