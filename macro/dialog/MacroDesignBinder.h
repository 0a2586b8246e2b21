#pragma once

#include "macro/dialog/MacroBinding.h"
#include "platform/core/model/MacroTabData.h"

#include <vector>

class Vdn_DlgDesignerData;

// Binds a macro page's design to its tab record before the design is drawn: every control
// looks up the element it names, the element learns the control's id, the control gets the
// items and caption it shows, and a control that binds nothing is removed from the design
// (its element, if any, is then listed in the page's grid instead).
class MacroDesignBinder {
public:
    // The shown text for a caption too wide for its control: "...".
    static constexpr const wchar_t* kTooWide = L"...";
    // Labels and check boxes show at most this many characters of their translated caption.
    static constexpr int kCaptionLimit = 120;

    MacroDesignBinder(Vdn_DlgDesignerData& design, MacroTabData& tab)
        : design_(design), tab_(tab) {}

    // Binds every control in the design's order and removes those whose binding fails.
    std::vector<MacroBinding> bindAll();

    // The caption, or "..." when its width in characters (4 pixels each, 8 in the work
    // language 4) exceeds widthPixels.
    static Vdn_String fitCaption(const Vdn_String& caption, double widthPixels);

private:
    // False when the control binds nothing and must go.
    bool bind(int index, MacroBinding& binding);
    bool bindProfile(int index, MacroBinding& binding);
    bool bindArray(int index, MacroBinding& binding);

    Vdn_DlgDesignerData& design_;
    MacroTabData& tab_;
};
