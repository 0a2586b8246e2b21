#pragma once
// CDlgEditMacro: the macro editor (template 8715, size key "DLG_EDIT_MACRO"). It edits the
// modules, constraints, geometries, variables and equations of one macro while the drawing
// stays visible. All knowledge of the macro stays in the model: every action goes through a
// callback with the editor's record (constrData()), and the pages redraw from the record the
// callback refreshed. Runs modal (StartDlgEditConstrModal) or as the one modeless editor
// (StartDlgEditConstraints); then OK, Cancel and closing end it through EndDlgEditConstraints.

#include "macro/editor/CTabEditConstraints.h"
#include "macro/editor/CTabEditVars.h"
#include "macro/editor/CTabGeometries.h"
#include "macro/editor/CTabMacroCommands.h"
#include "macro/editor/EditorEscapeGate.h"
#include "platform/core/model/EditConstrData.h"
#include "platform/host/CAdUiBaseDialog.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/controls/CResizer.h"

#include <array>
#include <functional>

class CDlgEditMacro : public CAdUiBaseDialog {
public:
    static constexpr UINT IDD = 8715;
    static constexpr const wchar_t* kSizeKey = L"DLG_EDIT_MACRO";
    static constexpr int kSelectMacro = 2800;
    static constexpr int kModuleCombo = 2801;
    static constexpr int kNewModule = 2802;
    static constexpr int kRenameModule = 2803;
    static constexpr int kRemoveModule = 2804;
    static constexpr int kTabs = 2805;
    static constexpr int kSettings = 2806;
    static constexpr int kZoom = 2807;
    enum Page { kConstraintsPage = 0, kGeometriesPage = 1, kVariablesPage = 2, kCommandsPage = 3 };
    static constexpr int kNewModuleCommand = 11;

    explicit CDlgEditMacro(CWnd* parent = nullptr);

    EditConstrData& constrData() { return data_; }
    const EditConstrData& constrData() const { return data_; }
    void setModeless(bool modeless) { modeless_ = modeless; }
    bool isModeless() const { return modeless_; }

    BOOL OnInitDialog() override;
    // OK and Cancel let the pages commit; a modeless editor then ends through the slot.
    void OnOK() override;
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    int currentPage() const { return page_; }
    void showPage(int page);
    // The pages commit what the user changed (constraints and geometries).
    void commitPages();
    // The module combo from the record, with its current module selected.
    void fillModules();
    // The record's current module shown in every data page.
    void refillPages();
    // Runs a macro command in the drawing (the commands page and the new-module button).
    void runMacroCommand(int code);
    // Hands control to the drawing for work, hiding the editor meanwhile.
    bool inDrawing(const std::function<bool()>& work);
    EditorEscapeGate& escapeGate() { return escapeGate_; }

    CTabEditConstraints& constraintsPage() { return constraints_; }
    CTabGeometries& geometriesPage() { return geometries_; }
    CTabEditVars& variablesPage() { return variables_; }
    CTabMacroCommands& commandsPage() { return commands_; }

protected:
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    void chooseModule();
    void selectOtherMacro();
    void renameModule();
    void removeModule();
    void openSettings();
    void zoom();
    // The module at the combo's position (the last one when the list is shorter) applied.
    void applyModuleAt(int position);
    void placePages();
    void close(bool ok);
    // Reports a refused change: the model's reason on the command line.
    static void reportRefusal();

    EditConstrData data_;
    std::array<CButtonST, 4> imageButtons_;
    CResizer resizer_;
    CSize minTrackSize_{50, 50};
    int page_ = -1;
    bool modeless_ = false;
    bool zooming_ = false;
    bool closing_ = false;
    EditorEscapeGate escapeGate_;
    CTabEditConstraints constraints_;
    CTabGeometries geometries_;
    CTabEditVars variables_;
    CTabMacroCommands commands_;
};
