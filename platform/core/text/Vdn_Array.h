#pragma once

#include <algorithm>
#include <cassert>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <vector>

namespace core {

// A bool stored as itself. std::vector<bool> packs its elements into bits and hands out
// proxies, so an array of flags could give no bool& to its callers.
struct BoolSlot {
    bool value = false;

    BoolSlot() = default;
    BoolSlot(bool flag) : value(flag) {} // NOLINT: converts as a bool does
    operator bool() const { return value; }
    friend bool operator==(BoolSlot a, BoolSlot b) { return a.value == b.value; }
};

template <typename T> using ArrayElement = std::conditional_t<std::is_same_v<T, bool>, BoolSlot, T>;

} // namespace core

// A growable array with value semantics, indexed from 0. Index errors are reported by result
// (false, -1); operator[] on an invalid index is a programming error.
template <typename T> class Vdn_Array {
    using Element = core::ArrayElement<T>;

public:
    Vdn_Array() = default;
    Vdn_Array(std::initializer_list<T> items) : items_(items.begin(), items.end()) {}
    explicit Vdn_Array(const std::vector<T>& items) : items_(items.begin(), items.end()) {}
    explicit Vdn_Array(std::vector<T>&& items) requires(!std::is_same_v<T, bool>)
        : items_(std::move(items)) {}

    int length() const { return static_cast<int>(items_.size()); }
    bool isEmpty() const { return items_.empty(); }
    void clear() { items_.clear(); }

    // Appends value; returns its index.
    int append(T value) {
        items_.push_back(std::move(value));
        return length() - 1;
    }
    void append(const Vdn_Array& other) {
        items_.insert(items_.end(), other.items_.begin(), other.items_.end());
    }
    // Inserts before index; index == length() appends. False when index is out of range.
    bool insertAt(int index, T value) {
        if (index < 0 || index > length())
            return false;
        items_.insert(items_.begin() + index, std::move(value));
        return true;
    }
    bool removeAt(int index) {
        if (!isValidIndex(index))
            return false;
        items_.erase(items_.begin() + index);
        return true;
    }
    bool isValidIndex(int index) const { return index >= 0 && index < length(); }

    // Index of the first element equal to value at or after start, or -1.
    int find(const T& value, int start = 0) const {
        for (int i = std::max(start, 0); i < length(); ++i) {
            if (element(items_[static_cast<std::size_t>(i)]) == value)
                return i;
        }
        return -1;
    }
    bool contains(const T& value) const { return find(value) >= 0; }

    T& operator[](int index) {
        assert(isValidIndex(index) && "Vdn_Array index out of range");
        return element(items_[static_cast<std::size_t>(index)]);
    }
    const T& operator[](int index) const {
        assert(isValidIndex(index) && "Vdn_Array index out of range");
        return element(items_[static_cast<std::size_t>(index)]);
    }
    T& first() { return (*this)[0]; }
    const T& first() const { return (*this)[0]; }
    T& last() { return (*this)[length() - 1]; }
    const T& last() const { return (*this)[length() - 1]; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // The stored elements (for an array of bool, core::BoolSlot, which reads as bool).
    const std::vector<Element>& items() const { return items_; }
    std::vector<Element>& items() { return items_; }

    friend bool operator==(const Vdn_Array& a, const Vdn_Array& b) = default;

private:
    static T& element(Element& stored) {
        if constexpr (std::is_same_v<T, bool>)
            return stored.value;
        else
            return stored;
    }
    static const T& element(const Element& stored) {
        if constexpr (std::is_same_v<T, bool>)
            return stored.value;
        else
            return stored;
    }

    std::vector<Element> items_;
};
