#pragma once
// CDlgEditLibSimple: adds one size to one value table (template 226, "DLG_EDITLIBSIMPLE"). The
// size to start from gives the values shown; the new size is named by the user or
// automatically from its values (SimpleSizeAdder has the rules). The caller sets table_ and
// startName_, runs DoModal and on OK takes table_ (with the new size) and index_ (its position
// among the active sizes) back.

#include "library/SimpleSizeAdder.h"
#include "library/Vdn_ProfValuesTable.h"
#include "platform/ui/dialogs/CDialog.h"

#include <memory>

class CDlgEditLibSimple : public CDialog {
public:
    static constexpr UINT IDD = 226;
    static constexpr const wchar_t* kSizeKey = L"DLG_EDITLIBSIMPLE";
    static constexpr int kActiveCheck = 2350;
    static constexpr int kAutomaticOption = 2351;
    static constexpr int kNameOption = 2352;
    static constexpr int kNameEdit = 2353;
    static constexpr int kFirstLabel = 2360;
    static constexpr int kFirstField = 2371;
    static constexpr int kPicture = 2382;

    explicit CDlgEditLibSimple(CWnd* parent = nullptr);

    Vdn_ProfValuesTable table_;
    Vdn_String startName_;
    int index_ = -1;

    BOOL OnInitDialog() override;
    // Checks the new size before inserting it; a refused size keeps the dialog open and the
    // table unchanged. The size is inserted once, however often OK is pressed.
    void OnOK() override;

protected:
    void OnDestroy() override;

private:
    void warn(const Vdn_String& text);

    std::unique_ptr<SimpleSizeAdder> adder_;
    bool added_ = false;
};
