#pragma once
// CDlgBracing: the wall and roof bracings (template 255, "DLG_BRACING"): per bracing its kind
// and, for a bracing made of a section (kind 3), the section, chosen from the record's list or
// typed; and whether both end bays are braced. The caller sets data_, runs DoModal and on OK
// reads data_ back. A section list is enabled only while its kind is a section.

#include "platform/core/model/TfBracingDlgData.h"
#include "platform/ui/dialogs/CDialog.h"

class CComboBox;

class CDlgBracing : public CDialog {
public:
    static constexpr UINT IDD = 255;
    static constexpr int kWallKindCombo = 1426;
    static constexpr int kRoofKindCombo = 1428;
    static constexpr int kWallSectionCombo = 1429;
    static constexpr int kRoofSectionCombo = 1431;
    static constexpr int kEndBaysCheck = 1433;
    // Labels and frames.
    static constexpr int kWallFrame = 2660;
    static constexpr int kWallKindLabel = 2661;
    static constexpr int kWallSectionLabel = 2662;
    static constexpr int kRoofFrame = 2663;
    static constexpr int kRoofKindLabel = 2664;
    static constexpr int kRoofSectionLabel = 2665;

    explicit CDlgBracing(CWnd* parent = nullptr);

    TfBracingDlgData data_;

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void fillKinds(int comboId, int kind);
    void fillSections(int comboId, const Vdn_String& section);
    void storeControls();
    void updateEnabled();
    CComboBox* combo(int id);
};
