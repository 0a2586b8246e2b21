#pragma once
// The dialogs of the module, each with what it takes to open it with its real logic on example
// data (the bundled library, example records). `tessa show` and `tessa gui` open them from
// here, and the list of dialogs is this list.

#include <functional>
#include <string>
#include <vector>

class CWnd;

namespace app {

// How a dialog that is not modal is put before the user: shown until it closes, or pictured.
class DialogPresenter {
public:
    virtual ~DialogPresenter() = default;
    // Shows the created window (and returns when it is closed or hidden).
    virtual void presentModeless(CWnd& window) = 0;
    // Puts the host's frame with its docked bars before the user. True when the frame stays
    // shown after the call (it is part of the program's own main window); false when the
    // presentation has ended.
    virtual bool presentDocked(CWnd& frame) {
        presentModeless(frame);
        return false;
    }
};

struct DialogEntry {
    std::string className;
    int templateId = 0;
    std::string templateName;
    // Opens the dialog: a modal one runs through the current user; a modeless one is handed to
    // the presenter. False when it could not be opened.
    std::function<bool(DialogPresenter&)> open;
};

const std::vector<DialogEntry>& dialogCatalog();
// By class name, template id or template name (case-insensitive); null when none matches.
const DialogEntry* findDialog(const std::string& key);

} // namespace app
