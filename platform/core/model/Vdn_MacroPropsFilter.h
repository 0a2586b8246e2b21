#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <vector>

// The filter of the macro library: which of the library's macros a user is offered, narrowed
// by the modules the macros hold and by those modules' properties.
//
// A library macro is a drawing file ("*.dwg") in one of the library folders; in this core
// module a drawing file holds its macro as a macro file (docs/macro-file.md). A folder's
// drawings are found down to `depth` levels of sub-folders (0: the folder only; below 0: all).
//
// Every module of the library gives one row of the filter: the module's name (its group when
// it has one, as its tab is named), then its properties, one text each: every variable the
// macro dialog shows, as "name = value", distinct values of all macros merged, in name order,
// at most `propertyLimit` of them (below 0: all). Rows come in name order; names compare
// without regard to case. Every text of a row is switched on or off; all start on.
// A macro passes the filter when every module it holds is on and so is every property of
// those modules that it has. A drawing that cannot be read holds no modules, so it always
// passes (and is listed in problems()).
class Vdn_MacroPropsFilter {
public:
    static constexpr const wchar_t* kDrawingExtension = L"dwg";

    Vdn_MacroPropsFilter() = default;

    // Scans the folders; enabled[i] false leaves folder i out (a folder without a flag is in).
    void init(const Vdn_StringArray& folders, const Vdn_Array<bool>& enabled, int depth = 0,
              int propertyLimit = -1);

    // Every drawing of the enabled folders, folder by folder, each in name order.
    void getAllDwgFiles(Vdn_StringArray& files) const;
    // The drawings that pass the filter, in the same order.
    void getFilteredMacros(Vdn_StringArray& files) const;
    // One row per module: its name, then its property texts; states holds, per row, whether
    // each of the row's texts is on.
    void getMergedProps(Vdn_Array<Vdn_StringArray>& rows, Vdn_Array<Vdn_Array<bool>>& states) const;
    // Switches a module (row from 0) or one of its properties (position from 1, as in the
    // row's texts) on or off. False for an index outside the rows.
    bool setModuleStatus(int row, bool on);
    bool setModulePropStatus(int row, int position, bool on);

    // "<file>: <why>" for each drawing that could not be read.
    const Vdn_StringArray& problems() const { return problems_; }

private:
    struct Module {
        Vdn_String name;
        bool on = true;
        Vdn_StringArray properties;
        std::vector<bool> propertyOn;
    };
    // What one drawing holds, as indexes into modules_ and their properties.
    struct Use {
        int module = 0;
        std::vector<int> properties;
    };
    struct Drawing {
        Vdn_String path;
        std::vector<Use> uses;
    };

    bool passes(const Drawing& drawing) const;

    std::vector<Drawing> drawings_;
    std::vector<Module> modules_;
    Vdn_StringArray problems_;
};
