#pragma once
// CSubDlgWsSetAssembly: the page of a group's assembly (workpiece) drawing (template 351):
// template, projection symbol, views of the web and sections, and the shortening of long
// parts (its style and sizes editable only while shortening is on).

#include "workshop/CDlgGeneralSettingsChild.h"

class CSubDlgWsSetAssembly : public CDlgGeneralSettingsChild {
public:
    static constexpr UINT IDD = 351;
    static constexpr int kTemplateCombo = 2261;
    static constexpr int kProjectionCombo = 2263;
    static constexpr int kOneWebViewCheck = 2264;
    static constexpr int kSectionArrowsCheck = 2265;
    static constexpr int kShorteningCheck = 2266;
    static constexpr int kStyleCombo = 2268;
    static constexpr int kOpeningEdit = 2270;
    static constexpr int kMinLengthEdit = 2272;
    static constexpr int kMarksButton = 2274;

    explicit CSubDlgWsSetAssembly(CWnd* parent = nullptr);

    Acad::ErrorStatus LoadFromSettings(int item) override;
    Acad::ErrorStatus SaveToSettings(int item) override;

private:
    void enableShortening();
};
