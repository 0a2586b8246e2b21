#pragma once
// CDlgEditProfCuts: the cuts of one profile (template 365): the chosen cut is previewed in the
// drawing while previews are on; Remove takes it out of the profile; another profile can be
// picked in the drawing. The caller sets data_ and previewOption_ (the option the module keeps
// between runs); on OK previewOption_ holds the preview check box.

#include "platform/core/model/DlgProfCutsData.h"
#include "platform/host/CAdUiBaseDialog.h"

class CDlgEditProfCuts : public CAdUiBaseDialog {
public:
    static constexpr UINT IDD = 365;
    static constexpr int kCutLabel = 2620;
    static constexpr int kCutCombo = 2621;
    static constexpr int kRemoveButton = 2622;
    static constexpr int kOtherProfileButton = 2623;
    static constexpr int kPreviewCheck = 1340;

    explicit CDlgEditProfCuts(CWnd* parent = nullptr);

    DlgProfCutsData data_;
    bool previewOption_ = true;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The cut whose preview is shown; -1 for none.
    int previewedCut() const { return previewed_; }

protected:
    void OnDestroy() override;

private:
    void fillCuts(int select);
    void cutChosen();
    void removeCut();
    void selectOtherProfile();
    void previewClicked();
    void preview(int index);
    bool previewsOn() const;

    int previewed_ = -1;
};
