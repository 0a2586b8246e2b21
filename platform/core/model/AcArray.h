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
        : mGrowLength(std::max(growLength, 1)) {
        mItems.reserve(static_cast<std::size_t>(std::max(physicalLength, 0)));
        mPhysicalLength = std::max(physicalLength, 0);
    }
    AcArray(std::initializer_list<T> items) {
        for (const T& item : items)
            mItems.push_back(Box{item});
        mPhysicalLength = length();
    }

    int length() const { return static_cast<int>(mItems.size()); }
    int logicalLength() const { return length(); }
    int physicalLength() const { return mPhysicalLength; }
    int growLength() const { return mGrowLength; }
    void setGrowLength(int growLength) { mGrowLength = std::max(growLength, 1); }
    bool isEmpty() const { return mItems.empty(); }
    bool isValid(int index) const { return index >= 0 && index < length(); }

    T& at(int index) {
        assert(isValid(index) && "AcArray index out of range");
        return mItems[static_cast<std::size_t>(index)].value;
    }
    const T& at(int index) const {
        assert(isValid(index) && "AcArray index out of range");
        return mItems[static_cast<std::size_t>(index)].value;
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
        mItems.push_back(Box{value});
        return length() - 1;
    }
    AcArray& append(const AcArray& other) {
        reserveFor(length() + other.length());
        mItems.insert(mItems.end(), other.mItems.begin(), other.mItems.end());
        return *this;
    }
    // Inserts before index; index == length() appends.
    AcArray& insertAt(int index, const T& value) {
        assert(index >= 0 && index <= length() && "AcArray insert position out of range");
        reserveFor(length() + 1);
        mItems.insert(mItems.begin() + index, Box{value});
        return *this;
    }
    AcArray& removeAt(int index) {
        assert(isValid(index) && "AcArray index out of range");
        mItems.erase(mItems.begin() + index);
        return *this;
    }
    AcArray& removeLast() { return removeAt(length() - 1); }
    AcArray& removeAll() {
        mItems.clear();
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
            if (mItems[static_cast<std::size_t>(i)].value == value) {
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
        mItems.resize(static_cast<std::size_t>(n));
        return *this;
    }

    friend bool operator==(const AcArray& a, const AcArray& b) {
        return std::equal(a.mItems.begin(), a.mItems.end(), b.mItems.begin(), b.mItems.end(),
                          [](const Box& x, const Box& y) { return x.value == y.value; });
    }

private:
    struct Box {
        T value{};
    };

    void reserveFor(int needed) {
        if (needed <= mPhysicalLength)
            return;
        const int steps = (needed - mPhysicalLength + mGrowLength - 1) / mGrowLength;
        mPhysicalLength += steps * mGrowLength;
        mItems.reserve(static_cast<std::size_t>(mPhysicalLength));
    }

    std::vector<Box> mItems;
    int mPhysicalLength = 0;
    int mGrowLength = 8;
};
