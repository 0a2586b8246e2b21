#pragma once
// CTabEditConstraints: the constraints page of the macro editor (template 377). A table lists
// the constraint rows; below it the editors of the selected row (value, variable name, choice,
// two flags, the cut button, delete and up to five image buttons). A row's edits are
// committed when another row is selected, the table is sorted or the page is left.

#include "macro/editor/ImageButtonGroups.h"
#include "module/dynMenu.h"
#include "platform/core/model/EditConstrData.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/graphics/CBitmap.h"
#include "spreadsheet/Vdn_Spread.h"

#include <array>
#include <memory>

class CDlgEditMacro;

class CTabEditConstraints : public CDialog {
public:
    static constexpr UINT IDD = 377;
    static constexpr int kSheet = 2810;
    static constexpr int kFrame = 2811;
    static constexpr int kValueLabel = 2812;
    static constexpr int kValueEdit = 2813;
    static constexpr int kNameLabel = 2814;
    static constexpr int kNameEdit = 2815;
    static constexpr int kChoiceLabel = 2816;
    static constexpr int kChoiceCombo = 2817;
    static constexpr int kFirstFlag = 2818;
    static constexpr int kSecondFlag = 2819;
    static constexpr int kCutButton = 2820;
    static constexpr int kDeleteButton = 2821;
    static constexpr int kFirstImage = 2822;
    static constexpr int kColumns = 4;
    // The menu shows at most this many entries that can be chosen.
    static constexpr int kMaxMenuItems = 6;

    explicit CTabEditConstraints(CWnd* parent = nullptr);
    void attach(CDlgEditMacro* editor, EditConstrData* data);

    BOOL OnInitDialog() override;

    // Rebuilds the table from the record and selects the current constraint's row (the first
    // row when none matches).
    void fill();
    // Commits the shown row's edits; true when the model took a change.
    bool commitRow();
    int shownRow() const { return row_; }
    int sortColumn() const { return sortColumn_; }
    Vdn_Spread& sheet() { return sheet_; }

protected:
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    void clickCell(int col, int row);
    void rightClickRow(int row);
    // Shows a row's editors and makes its constraint the current one.
    // byUser: a click, which holds Escape back for a moment.
    void selectRow(int row, bool byUser);
    void showEditors();
    void checkName();
    // A variable name the row may take: empty, or letters and digits not starting with a
    // digit and not in use; tell shows the user why not.
    bool nameAcceptable(const Vdn_String& name, bool tell);
    void clickImage(int button);
    void deleteRow();
    void editCut();
    void sortBy(int column);
    ImageButtonGroups::Checks shownChecks() const;
    void showChecks(const ImageButtonGroups::Checks& checks);
    void enableSecondFlag();

    CDlgEditMacro* editor_ = nullptr;
    EditConstrData* data_ = nullptr;
    Vdn_Spread sheet_;
    CButtonST deleteButton_;
    std::array<CButtonST, ImageButtonGroups::kButtons> imageButtons_;
    std::array<std::unique_ptr<CBitmap>, ImageButtonGroups::kButtons> pictures_;
    std::unique_ptr<ImageButtonGroups> groups_;
    dynMenu menu_;
    int row_ = -1;
    int sortColumn_ = 0;
};
