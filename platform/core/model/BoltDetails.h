#pragma once

#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <array>

// The advanced settings of a bolt module, as the advanced bolt dialog moves them between its
// controls and the record: three further texts, a count with a flag, four three-state options
// (0 clear, 1 set, 2 undetermined), five options that may be absent (-1; else a three-state
// value), the hole columns (numbers and texts at the same positions) and the bolt entries.
struct BoltDetails {
    struct Entry {
        int active = 0;     // three-state
        int selection = -1; // index into the entry's list; -1 the list's last item
        std::array<Vdn_String, 4> texts;
        core::JsonExtras extras;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    std::array<Vdn_String, 3> texts;
    int count = 0;
    bool flag = false; // meaningful only while count > 0
    std::array<int, 4> options{};
    std::array<int, 5> optionalOptions{-1, -1, -1, -1, -1};
    Vdn_Array<int> holeColumnNumbers;
    Vdn_StringArray holeColumnTexts;
    Vdn_Array<Entry> entries;

    void getHoleColumns(Vdn_Array<int>& numbers, Vdn_StringArray& columnTexts) const {
        numbers = holeColumnNumbers;
        columnTexts = holeColumnTexts;
    }
    // False (and unchanged) when the lists differ in length.
    bool setHoleColumns(const Vdn_Array<int>& numbers, const Vdn_StringArray& columnTexts) {
        if (numbers.length() != columnTexts.length())
            return false;
        holeColumnNumbers = numbers;
        holeColumnTexts = columnTexts;
        return true;
    }

    friend bool operator==(const BoltDetails&, const BoltDetails&) = default;
};
