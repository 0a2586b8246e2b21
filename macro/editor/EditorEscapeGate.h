#pragma once

#include <cstdint>
#include <optional>

// Decides whether the Escape key closes the macro editor. For two seconds after a row was
// selected Escape does not close it (the user is likely cancelling in the drawing), and after
// the cut dialog asked for it one Escape is passed on. Time is the window system's clock.
class EditorEscapeGate {
public:
    static constexpr std::int64_t kQuietMs = 2000;

    void rowSelected();
    void passNextEscape() { passNext_ = true; }
    // Whether an Escape now closes the editor; withQuietTime is false in the tabs where a
    // selection does not hold Escape back. Consumes a pass-on.
    bool escapeCloses(bool withQuietTime);

private:
    std::optional<std::int64_t> selectedAt_;
    bool passNext_ = false;
};
