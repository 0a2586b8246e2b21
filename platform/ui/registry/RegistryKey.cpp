#include "platform/ui/registry/RegistryKey.h"

#include "platform/core/text/CharCase.h"

#include <algorithm>
#include <utility>

namespace ui {

const RegistryValue* RegistryKey::findValue(std::wstring_view name) const {
    for (const NamedValue& entry : values_) {
        if (core::equalNoCase(entry.name, name))
            return &entry.value;
    }
    return nullptr;
}

std::optional<RegistryValue> RegistryKey::setValue(std::wstring_view name, RegistryValue value) {
    for (NamedValue& entry : values_) {
        if (core::equalNoCase(entry.name, name))
            return std::exchange(entry.value, std::move(value));
    }
    values_.push_back({std::wstring(name), std::move(value)});
    return std::nullopt;
}

std::optional<std::pair<std::size_t, RegistryKey::NamedValue>>
RegistryKey::removeValue(std::wstring_view name) {
    for (std::size_t i = 0; i < values_.size(); ++i) {
        if (core::equalNoCase(values_[i].name, name)) {
            NamedValue removed = std::move(values_[i]);
            values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(i));
            return std::make_pair(i, std::move(removed));
        }
    }
    return std::nullopt;
}

void RegistryKey::insertValue(std::size_t position, NamedValue value) {
    position = std::min(position, values_.size());
    values_.insert(values_.begin() + static_cast<std::ptrdiff_t>(position), std::move(value));
}

std::vector<RegistryKey::Ptr>::const_iterator
RegistryKey::lowerBound(std::wstring_view name) const {
    return std::lower_bound(subKeys_.begin(), subKeys_.end(), name,
                            [](const Ptr& key, std::wstring_view wanted) {
                                return core::compareNoCase(key->name(), wanted) < 0;
                            });
}

RegistryKey::Ptr RegistryKey::findSubKey(std::wstring_view name) const {
    auto it = lowerBound(name);
    if (it != subKeys_.end() && core::equalNoCase((*it)->name(), name))
        return *it;
    return nullptr;
}

RegistryKey::Ptr RegistryKey::addSubKey(std::wstring_view name) {
    auto it = lowerBound(name);
    if (it != subKeys_.end() && core::equalNoCase((*it)->name(), name))
        return *it;
    return *subKeys_.insert(it, std::make_shared<RegistryKey>(std::wstring(name)));
}

RegistryKey::Ptr RegistryKey::detachSubKey(std::wstring_view name) {
    auto it = lowerBound(name);
    if (it == subKeys_.end() || !core::equalNoCase((*it)->name(), name))
        return nullptr;
    Ptr key = *it;
    subKeys_.erase(it);
    return key;
}

void RegistryKey::attachSubKey(Ptr key) {
    auto it = lowerBound(key->name());
    subKeys_.insert(it, std::move(key));
}

RegistryKey::Contents RegistryKey::takeContents() {
    return {std::exchange(values_, {}), std::exchange(subKeys_, {})};
}

void RegistryKey::restoreContents(Contents contents) {
    values_ = std::move(contents.values);
    subKeys_ = std::move(contents.subKeys);
}

} // namespace ui
