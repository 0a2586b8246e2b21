#pragma once
// CDlgArray: one array of a macro (template 236, "DLG_ARRAY"): its type, the type-1 text,
// the user design, three dimension names chosen from the macro's numeric variables, six
// further texts, two three-state options and the entries in a grid (number, flag, name). The
// caller sets data_, objectIds_ and name_, runs DoModal and on OK reads data_ back; Cancel
// leaves the caller's array as it was.
//
// The remove button takes the entry of the grid's active row out of the grid and marks it for
// removal (the model drops it when the array is written); the row buttons move the active
// entry up or down. An entry number that does not read as a whole number keeps the entry's
// number.

#include "platform/core/model/AcArray.h"
#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/model/DynArrayData.h"
#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/Vdn_Spread.h"

#include <array>
#include <vector>

class CDlgArray : public CDialog {
public:
    static constexpr UINT IDD = 236;
    static constexpr int kTypeCombo = 1005;
    static constexpr int kTypeText = 1011;
    static constexpr int kDesignCombo = 1345;
    static constexpr std::array<int, 3> kDimCombos = {1347, 1350, 1351};
    // The six further texts: the spacing (texts[4]) and furtherTexts[0..4].
    static constexpr std::array<int, 6> kTexts = {1002, 1003, 1004, 1009, 1010, 1006};
    static constexpr int kOption = 1346;
    static constexpr int kAlternating = 1352;
    static constexpr int kRemoveButton = 1089;
    static constexpr int kUpButton = 1348;
    static constexpr int kDownButton = 1087;
    static constexpr int kSpacingLabel = 1131;
    static constexpr int kSkipLabel = 1135;
    static constexpr int kEntryGrid = 2941;
    static constexpr int kTypeLabel = 2942;
    static constexpr int kDesignLabel = 2943;
    static constexpr int kDimGroup = 2944;
    static constexpr std::array<int, 4> kTextLabels = {2945, 2946, 2947, 2948}; // 1003 - 1010
    static constexpr int kTypeTextLabel = 2949;
    // Grid columns.
    static constexpr int kNumberColumn = 1;
    static constexpr int kFlagColumn = 2;
    static constexpr int kNameColumn = 3;

    explicit CDlgArray(CWnd* parent = nullptr);

    DynArrayData data_;
    AcArray<AcDbObjectId> objectIds_;
    Vdn_String name_;

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void fill();
    void fillEntries();
    // The type shown in the combo (-1 undetermined).
    int shownType() const;
    void chooseType();
    void showForType(int type);
    void fillDimensions(int type);
    void store();
    void storeEntries();
    void removeEntry();
    void moveEntry(int by);

    Vdn_Spread grid_;
    // The entry shown in each grid row (row r at index r - 1).
    std::vector<int> rowEntries_;
};
