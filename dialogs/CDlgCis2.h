#pragma once
// CDlgCis2: the options of a CIS/2 export (template 362, "DLG_CIS2"): the standard export or a
// custom one, and for a custom one which parts it holds and how profiles are named. Its button
// edits the translations of profile names (the library's CIS2ProfNames.dat). The caller sets
// data_, runs DoModal and on OK reads data_ back.

#include "module/TfDlgCis2Data.h"
#include "platform/ui/dialogs/CDialog.h"

class CDlgCis2 : public CDialog {
public:
    static constexpr UINT IDD = 362;
    static constexpr int kHeading = 2510;
    static constexpr int kStandardRadio = 2511;
    static constexpr int kCustomRadio = 2512;
    static constexpr int kFirstOptionCheck = 2513;
    static constexpr int kHiddenOptionCheck = 2514;
    static constexpr int kThirdOptionCheck = 2515;
    static constexpr int kModelNamesRadio = 2516;
    static constexpr int kTranslatedNamesRadio = 2517;
    static constexpr int kNamesButton = 2518;

    explicit CDlgCis2(CWnd* parent = nullptr);

    TfDlgCis2Data data_;

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    // The custom options take part only in a custom export.
    void enableOptions();
    void editNames();
};
