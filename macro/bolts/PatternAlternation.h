#pragma once
// PatternAlternation: how the five alternation buttons of the pattern dialog stand for the
// pattern's three alternation flags (each 1 set, 0 clear, -1 undetermined). Buttons are
// numbered 1 to 5; 0 stands for none.
//
//   flags (first, second, third)      button
//   (0, any, any)                      1
//   (1, 1, 1)                          2
//   (1, 0, 0)                          3
//   (1, 0, 1)                          4
//   (1, 1, 0)                          5
//   any flag undetermined              none

#include <array>

class PatternAlternation {
public:
    static constexpr int kButtons = 5;
    using Flags = std::array<int, 3>;
    // The check state of each button (0 released, 1 pressed, 2 undetermined), button 1 first.
    using ButtonStates = std::array<int, kButtons>;

    // The button the flags select, or 0 for none.
    static int buttonOf(const Flags& flags);
    // The flags the buttons give: a button in the undetermined state gives all three
    // undetermined; the first pressed button its own flags; no button pressed (1, 0, 0), as
    // button 3.
    static Flags flagsOf(const ButtonStates& states);
    // The flags of one button (1 to 5); those of button 3 for any other number.
    static Flags flagsOfButton(int button);
};
