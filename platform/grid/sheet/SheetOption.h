#pragma once

#include <bitset>

namespace grid {

// The control's boolean options, by index (0 to kOptionCount - 1). The sheet itself acts on
// automatic calculation; the others are settings its users keep here and read back.
class SheetOption {
public:
    static constexpr int kOptionCount = 64;
    static constexpr int kColumnHeaders = 3;
    static constexpr int kRowHeaders = 4;
    // Changing a cell recomputes the formulas that depend on it.
    static constexpr int kAutoCalculate = 7;
    static constexpr int kRedraw = 8;
    // The sheet was changed since it was saved: a state, not a setting, so files do not keep it.
    static constexpr int kChanged = 30;

    // Headers shown, automatic calculation and redrawing on; everything else off.
    static std::bitset<kOptionCount> defaults() {
        std::bitset<kOptionCount> options;
        options.set(kColumnHeaders);
        options.set(kRowHeaders);
        options.set(kAutoCalculate);
        options.set(kRedraw);
        return options;
    }
};

} // namespace grid
