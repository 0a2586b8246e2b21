#pragma once
// CMacroTabGeneral: a general page of the macro dialog (template 390,
// "DLG_TAB_MACRO_GENERAL"): the tab's user design drawn over its picture and bound to the
// tab's cells, patterns, bolt data, arrays and cuts; below it a grid of every element the
// design does not place; for a bolt tab the bolt section (assembly, diameter, advanced
// settings). Every change goes through the tab's value cycle: the page is read into the tab
// record, the model takes (or refuses) it, and every page shows the record again.

#include "designer/Vdn_DlgDesignerData.h"
#include "macro/cycle/MacroValueCycle.h"
#include "macro/dialog/MacroBinding.h"
#include "macro/dialog/MacroPageGrid.h"
#include "macro/dialog/MacroPageHost.h"
#include "platform/ui/dialogs/CDialog.h"

#include <memory>
#include <vector>

class CMacroTabGeneral : public CDialog {
public:
    static constexpr UINT IDD = 390;
    static constexpr int kGrid = 3000;
    static constexpr int kAssemblyLabel = 3001;
    static constexpr int kAssemblyCombo = 3002;
    static constexpr int kDiameterLabel = 3003;
    static constexpr int kDiameterCombo = 3004;
    static constexpr int kBoltButton = 3005;
    // The ids of the drawn design controls; a design with more controls leaves the rest unbound.
    static constexpr int kFirstDesignId = 33000;
    static constexpr int kLastDesignId = 33099;

    // The three focus zones Tab moves between.
    enum class Zone { Design = 1, Grid = 2, Section = 3 };

    // Where the focus was when the page was left, to come back to.
    struct FocusMemory {
        int controlId = 0; // 0: nothing kept
        int gridCol = 0;
        int gridRow = 0;
        int selectionStart = -1;
        int selectionEnd = -1;
    };

    CMacroTabGeneral(MacroPageHost& host, int tabIndex, CWnd* parent = nullptr);
    ~CMacroTabGeneral() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnEraseBkgnd(CDC* dc) override;

    int tabIndex() const { return tabIndex_; }
    MacroTabData* tab();
    // Builds the page again from the tab record: design bound and drawn, grid rows, bolt section.
    void build();
    // Shows the tab record's values in every control.
    void refresh();
    // Reads every control into the tab record (no update).
    void readInto(MacroTabData& tab) const;
    // The value cycle: reads the page and sends what changed to the model.
    MacroValueCycle::Outcome update();
    MacroValueCycle& cycle() { return *cycle_; }

    // A calculating button (types 25 and 26): asks the wanted value of its target and writes
    // the values that give it; then the page updates. False when nothing was written.
    bool runCalcButton(int id);
    // Focuses the first (or last) control of the first zone (or last) that takes the focus.
    bool focusFirstZone(bool forward);
    // The zone that has the focus now; 0 when none.
    int focusedZone() const;
    FocusMemory rememberFocus() const;
    void restoreFocus(const FocusMemory& memory);

    const std::vector<MacroBinding>& bindings() const { return bindings_; }
    const MacroPageGrid& grid() const { return grid_; }
    const Vdn_DlgDesignerData& design() const { return design_; }
    // The control ids the design removed because they bind nothing (for reports).
    const std::vector<Vdn_DesignerControl>& removedControls() const { return removed_; }
    // The controls of the page's own section in focus order (the third zone).
    std::vector<int> focusSectionIds() const { return sectionIds(); }

protected:
    CMacroTabGeneral(MacroPageHost& host, int tabIndex, UINT templateId, CWnd* parent);

    // The page's own section below or beside the design (here the bolt section): filled when
    // the page is built, shown on every refresh, read into the tab on every update, focused as
    // the third zone, and placed by layout, which gets the client area and gives back the
    // area left for the design's grid.
    virtual void fillSection();
    virtual void refreshSection();
    virtual void readSection(MacroTabData& tab) const;
    virtual std::vector<int> sectionIds() const;
    virtual CRect layoutSection(const CRect& client);
    // A click on a design button of a kind this page handles itself; false leaves it to the
    // general page.
    virtual bool designButtonClicked(const MacroBinding& binding);
    const MacroBinding* bindingOf(int id) const;
    // Sends the tab, already changed in place, through the value cycle against before.
    MacroValueCycle::Outcome commit(const MacroTabData& before) { return cycle_->commit(before); }

    MacroPageHost& host() { return host_; }
    bool isInitialized() const { return initialized_; }

private:
    void designCommand(UINT id, UINT code);
    void designClicked(int id);
    void gridButtonClicked();
    void chooseAssembly();
    void openBoltAdvanced();
    void openPattern(int index);
    void openArray(int index);
    void chooseBlock(const MacroBinding& binding);
    void toggleFlexButton(int id);
    void showFlexStates();
    void layout();
    double fontScale();
    bool hasBoltSection() const;
    bool focusZone(Zone zone, bool first);
    void moveZone(bool forward);
    bool handleTab(bool backwards);
    void showBinding(const MacroBinding& binding, const MacroTabData& tab);
    void readBinding(const MacroBinding& binding, MacroTabData& tab) const;

    MacroPageHost& host_;
    int tabIndex_;
    std::unique_ptr<MacroValueCycle> cycle_;
    Vdn_DlgDesignerData design_;
    MacroPageGrid grid_;
    std::vector<MacroBinding> bindings_;
    std::vector<Vdn_DesignerControl> removed_;
    bool initialized_ = false;
    bool inUpdate_ = false;
};
