#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace core {

// The keys of one macro-file object that the model does not know, kept in file order with
// their values as compact JSON text (UTF-8), so that writing the object back loses nothing.
class JsonExtras {
public:
    using Entry = std::pair<std::string, std::string>;

    void add(std::string key, std::string jsonText) {
        entries_.emplace_back(std::move(key), std::move(jsonText));
    }
    // The JSON text kept under key, or null.
    const std::string* find(std::string_view key) const {
        for (const Entry& entry : entries_) {
            if (entry.first == key)
                return &entry.second;
        }
        return nullptr;
    }
    const std::vector<Entry>& entries() const { return entries_; }
    bool isEmpty() const { return entries_.empty(); }

    friend bool operator==(const JsonExtras&, const JsonExtras&) = default;

private:
    std::vector<Entry> entries_;
};

} // namespace core
