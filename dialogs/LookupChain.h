#pragma once
// LookupChain: the spreadsheet files that the open Formulas dialogs hold.
//
// A FROMTABLE look-up opens a further dialog on another file, whose own formulas may look up
// further files. A look-up of a file that a dialog higher up the chain already holds would
// load that file again and repeat the same look-ups without end, so it is refused.
//
// Each dialog owns one Link and points it at the file it is loading (before the load, because
// loading computes the file's formulas) until its initialisation, or the load from its button,
// ends. Look-ups open further dialogs only while files load, so the files held are exactly
// the chain of loads under way. A dialog in the user's hands holds none: a look-up the user
// starts there loads its file once more and computes only what that file stores.

#include "platform/core/text/Vdn_String.h"

#include <vector>

class LookupChain {
public:
    class Link {
    public:
        Link();
        ~Link();
        Link(const Link&) = delete;
        Link& operator=(const Link&) = delete;

        // The file of this link; an empty name holds none.
        void hold(const Vdn_String& fileName) { file = fileName; }
        const Vdn_String& held() const { return file; }

    private:
        Vdn_String file;
    };

    // Whether a live link holds the file that fileName denotes (after path resolution, so
    // different spellings of one file match). A name that denotes no existing file is held by
    // nobody.
    static bool holds(const Vdn_String& fileName);

private:
    static std::vector<const Link*>& links();
};
