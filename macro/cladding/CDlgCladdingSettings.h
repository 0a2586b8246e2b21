#pragma once
// CDlgCladdingSettings: the placement of cladding rails (template 252,
// "DLG_CLADDING_SETTINGS"): the rail section, the connection at each rail end, the side of
// the columns the rails sit on, how they are spread and the sag-rod option. The caller sets
// data_, runs DoModal and on OK reads data_ back.
//
// The connection lists offer only the types that suit the chosen section; choosing another
// section offers them again, and a type that no longer suits falls back to none (0). The
// spacing is typed in millimetres; a text that is no number above 0 keeps the record's value.

#include "platform/core/model/TfCladdingDlgData.h"
#include "platform/ui/dialogs/CDialog.h"

class CComboBox;

class CDlgCladdingSettings : public CDialog {
public:
    static constexpr UINT IDD = 252;
    static constexpr int kSectionCombo = 1250;
    static constexpr int kChooseSection = 1251;
    static constexpr int kSideCombo = 1252;
    static constexpr int kSpacingCombo = 1253;
    static constexpr int kStartCombo = 1254;
    static constexpr int kEndCombo = 1255;
    static constexpr int kSpacingEdit = 1410;
    static constexpr int kSagRodsCheck = 1411;
    // Labels and frames.
    static constexpr int kSectionLabel = 2650;
    static constexpr int kStartLabel = 2651;
    static constexpr int kEndLabel = 2652;
    static constexpr int kSideLabel = 2653;
    static constexpr int kSpacingModeLabel = 2654;
    static constexpr int kSpacingLabel = 2655;
    static constexpr int kRailFrame = 2656;
    static constexpr int kLayoutFrame = 2657;

    explicit CDlgCladdingSettings(CWnd* parent = nullptr);

    TfCladdingDlgData data_;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The caption of connection type 0 to 4 in the work language.
    static Vdn_String connectionCaption(int type);
    // The type whose caption this is; 0 for a caption of none of them.
    static int connectionTypeOf(const Vdn_String& caption);

private:
    void fillSections();
    void fillConnections();
    void fillConnection(CComboBox& combo, int type);
    // The controls into data_.
    void storeControls();
    void updateEnabled();
    void chooseSection();
    void sectionChanged();
    CComboBox* combo(int id);
};
