#pragma once
// CSubDlgWsSetGlobal: the general page of the workshop settings (template 349): dimension
// styles, DSTV options and the buttons that open the DSTV and DXF file naming and the formats
// on the working copy.

#include "workshop/CDlgGeneralSettingsChild.h"

class CSubDlgWsSetGlobal : public CDlgGeneralSettingsChild {
public:
    static constexpr UINT IDD = 349;
    static constexpr int kTemplateEdit = 2261;
    static constexpr int kAcadStyleEdit = 2263;
    static constexpr int kTfStyleEdit = 2265;
    static constexpr int kWeldpointsCheck = 2266;
    static constexpr int kStripsCheck = 2267;
    static constexpr int kDstvButton = 2269;
    static constexpr int kDxfButton = 2271;
    static constexpr int kFormatsButton = 2273;

    explicit CSubDlgWsSetGlobal(CWnd* parent = nullptr);

    Acad::ErrorStatus LoadFromSettings(int item) override;
    Acad::ErrorStatus SaveToSettings(int item) override;

private:
    void openNaming(const wchar_t* member);
    void openFormats();
};
