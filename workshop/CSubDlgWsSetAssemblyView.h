#pragma once
// CSubDlgWsSetAssemblyView: the page of one view of an assembly (template 353): its type,
// description, added scale, the features it is drawn for (bits 1, 2, 4 and 8 of a mask whose
// other bits are kept) and whether it is a 3D view.

#include "workshop/CDlgGeneralSettingsChild.h"

class CSubDlgWsSetAssemblyView : public CDlgGeneralSettingsChild {
public:
    static constexpr UINT IDD = 353;
    static constexpr int kTypeCombo = 2261;
    static constexpr int kDescriptionEdit = 2263;
    static constexpr int kScaleEdit = 2265;
    static constexpr int kFeatureChecks = 2267; // four boxes, bits 1, 2, 4, 8
    static constexpr int k3DCheck = 2281;
    static constexpr int k3DButton = 2282;

    explicit CSubDlgWsSetAssemblyView(CWnd* parent = nullptr);

    Acad::ErrorStatus LoadFromSettings(int item) override;
    Acad::ErrorStatus SaveToSettings(int item) override;

private:
    void enable3D();
};
