#pragma once

#include <algorithm>
#include <cassert>
#include <initializer_list>
#include <vector>

// The host's growable array: a value type indexed from 0. Its storage grows in steps of the
// grow length, which the physical length shows. An invalid index is a programming error.
// Elements are kept in a one-member box so that AcArray<bool> hands out real bool references.
template <typename T> class AcArray {
public:
    explicit AcArray(int physicalLength = 0, int growLength = 8)
        : growLength_(std::max(growLength, 1)) {
        items_.reserve(static_cast<std::size_t>(std::max(physicalLength, 0)));
        physicalLength_ = std::max(physicalLength, 0);
    }
    AcArray(std::initializer_list<T> items) {
        for (const T& item : items)
            items_.push_back(Box{item});
        physicalLength_ = length();
    }

    int length() const { return static_cast<int>(items_.size()); }
    int logicalLength() const { return length(); }
    int physicalLength() const { return physicalLength_; }
    int growLength() const { return growLength_; }
    void setGrowLength(int growLength) { growLength_ = std::max(growLength, 1); }
    bool isEmpty() const { return items_.empty(); }
    bool isValid(int index) const { return index >= 0 && index < length(); }

    T& at(int index) {
        assert(isValid(index) && "AcArray index out of range");
        return items_[static_cast<std::size_t>(index)].value;
    }
    const T& at(int index) const {
        assert(isValid(index) && "AcArray index out of range");
        return items_[static_cast<std::size_t>(index)].value;
    }
    T& operator[](int index) { return at(index); }
    const T& operator[](int index) const { return at(index); }
    T& first() { return at(0); }
    const T& first() const { return at(0); }
    T& last() { return at(length() - 1); }
    const T& last() const { return at(length() - 1); }

    AcArray& setAt(int index, const T& value) {
        at(index) = value;
        return *this;
    }

    // Appends value; returns its index.
    int append(const T& value) {
        reserveFor(length() + 1);
        items_.push_back(Box{value});
        return length() - 1;
    }
    AcArray& append(const AcArray& other) {
        reserveFor(length() + other.length());
        items_.insert(items_.end(), other.items_.begin(), other.items_.end());
        return *this;
    }
    // Inserts before index; index == length() appends.
    AcArray& insertAt(int index, const T& value) {
        assert(index >= 0 && index <= length() && "AcArray insert position out of range");
        reserveFor(length() + 1);
        items_.insert(items_.begin() + index, Box{value});
        return *this;
    }
    AcArray& removeAt(int index) {
        assert(isValid(index) && "AcArray index out of range");
        items_.erase(items_.begin() + index);
        return *this;
    }
    AcArray& removeLast() { return removeAt(length() - 1); }
    AcArray& removeAll() {
        items_.clear();
        return *this;
    }
    // Removes the first element equal to value at or after start; false when there is none.
    bool remove(const T& value, int start = 0) {
        int index = -1;
        if (!find(value, index, start))
            return false;
        removeAt(index);
        return true;
    }

    // Finds the first element equal to value at or after start.
    bool find(const T& value, int& foundAt, int start = 0) const {
        for (int i = std::max(start, 0); i < length(); ++i) {
            if (items_[static_cast<std::size_t>(i)].value == value) {
                foundAt = i;
                return true;
            }
        }
        return false;
    }
    bool contains(const T& value, int start = 0) const {
        int index = -1;
        return find(value, index, start);
    }

    // Shrinks to n elements, or grows with default-constructed ones.
    AcArray& setLogicalLength(int n) {
        n = std::max(n, 0);
        reserveFor(n);
        items_.resize(static_cast<std::size_t>(n));
        return *this;
    }

    friend bool operator==(const AcArray& a, const AcArray& b) {
        return std::equal(a.items_.begin(), a.items_.end(), b.items_.begin(), b.items_.end(),
                          [](const Box& x, const Box& y) { return x.value == y.value; });
    }

private:
    struct Box {
        T value{};
    };

    void reserveFor(int needed) {
        if (needed <= physicalLength_)
            return;
        const int steps = (needed - physicalLength_ + growLength_ - 1) / growLength_;
        physicalLength_ += steps * growLength_;
        items_.reserve(static_cast<std::size_t>(physicalLength_));
    }

    std::vector<Box> items_;
    int physicalLength_ = 0;
    int growLength_ = 8;
};
