#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "spreadsheet/Vdn_Spread.h"

class CWnd;

// The parameter sheet of the cut dialog: one row per parameter of the cut, showing its display
// name (locked), its value and whether the macro dialog shows it (a check box).
class CutParameterGrid {
public:
    static constexpr int kNameColumn = 1;
    static constexpr int kValueColumn = 2;
    static constexpr int kFlagColumn = 3;

    // The name a parameter is shown by: a fixed translation of the offset names into the
    // numbered texts, the name itself when it has none.
    static Vdn_String displayName(const Vdn_String& parameterName);

    // Creates the sheet in place of the dialog's placeholder; false when it cannot.
    bool attach(CWnd* dialog, int placeholderId);
    Vdn_Spread& spread() { return spread_; }

    // One row per name; a missing value shows "0", a missing flag a clear box.
    void fill(const Vdn_StringArray& names, const Vdn_StringArray& values,
              const Vdn_Array<bool>& flags);
    // Reads the rows back into one value and one flag per name. A value that is not a number
    // leaves the value the list held (or "0" where it held none).
    void read(int count, Vdn_StringArray& values, Vdn_Array<bool>& flags) const;

private:
    Vdn_Spread spread_;
};
