#include "macro/bolts/PatternAlternation.h"

#include <algorithm>

namespace {

constexpr std::array<PatternAlternation::Flags, PatternAlternation::kButtons> kButtonFlags = {
    PatternAlternation::Flags{0, 0, 0}, PatternAlternation::Flags{1, 1, 1},
    PatternAlternation::Flags{1, 0, 0}, PatternAlternation::Flags{1, 0, 1},
    PatternAlternation::Flags{1, 1, 0}};

constexpr int kNoButtonPressed = 3;

} // namespace

int PatternAlternation::buttonOf(const Flags& flags) {
    if (std::any_of(flags.begin(), flags.end(), [](int flag) { return flag < 0 || flag > 1; }))
        return 0;
    if (flags[0] == 0)
        return 1;
    for (int button = 2; button <= kButtons; ++button) {
        if (kButtonFlags[static_cast<std::size_t>(button - 1)] == flags)
            return button;
    }
    return 0;
}

PatternAlternation::Flags PatternAlternation::flagsOf(const ButtonStates& states) {
    if (std::find(states.begin(), states.end(), 2) != states.end())
        return Flags{-1, -1, -1};
    const auto pressed = std::find(states.begin(), states.end(), 1);
    if (pressed == states.end())
        return flagsOfButton(kNoButtonPressed);
    return flagsOfButton(static_cast<int>(pressed - states.begin()) + 1);
}

PatternAlternation::Flags PatternAlternation::flagsOfButton(int button) {
    if (button < 1 || button > kButtons)
        button = kNoButtonPressed;
    return kButtonFlags[static_cast<std::size_t>(button - 1)];
}
