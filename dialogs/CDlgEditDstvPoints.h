#pragma once
// CDlgEditDstvPoints: edits the points of one DSTV group ("DLG_DSTVPOINTS_EDIT"), one point at
// a time. A point is found either by the geometry's extent, measured from one side of each
// pair (ends 0 and 1, flanks 2 and 3), or by intersecting geometry from a start side; it may
// get a full hole, whose diameter can follow the plate's thickness only for intersecting
// geometry.
//
// The caller sets points_ (and shown_), runs DoModal and on OK writes points_; a value that is
// no number of 0 or more, or an empty name, keeps the dialog open on that point.

#include "platform/core/model/Vdn_DstvPointInfo.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/CDialog.h"

class CDlgEditDstvPoints : public CDialog {
public:
    static constexpr UINT IDD = 357;
    static constexpr int kPointCombo = 2460;
    static constexpr int kAddButton = 2461;
    static constexpr int kDeleteButton = 2462;
    static constexpr int kNameEdit = 2464;
    static constexpr int kGeomRadio = 2465;
    static constexpr int kSide1Combo = 2467;
    static constexpr int kSide2Combo = 2469;
    static constexpr int kIntersRadio = 2470;
    static constexpr int kStartSideCombo = 2472;
    static constexpr int kMiddleCheck = 2473;
    static constexpr int kViewCombo = 2475;
    static constexpr int kMarkCombo = 2477;
    static constexpr int kMinDistEdit = 2479;
    static constexpr int kFullHoleCheck = 2480;
    static constexpr int kThicknessCheck = 2481;
    static constexpr int kHoleLabel = 2482;
    static constexpr int kHoleEdit = 2483;
    static constexpr int kDecimals = 3;

    explicit CDlgEditDstvPoints(CWnd* parent = nullptr);

    Vdn_Array<Vdn_DstvPointInfo> points_;
    int shown_ = 0;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The other side after one side became `changed`: kept when it lies in the other pair,
    // otherwise the first entry of the other pair, so the two sides never share a pair.
    static TfDstvPointSideSelection otherSide(TfDstvPointSideSelection changed,
                                              TfDstvPointSideSelection other);

private:
    void fillPoints(int index);
    void showPoint(int index);
    // Writes the controls into the shown point; false, with a message, when a value is refused.
    bool storeShown();
    void choosePoint();
    void addPoint();
    void deletePoint();
    void pairSides(int changedCombo, int otherCombo);
    // Enables the controls that the radios and the full-hole box leave in use.
    void applyRules();
    void refuse(int id, int text);

    CButtonST addButton_;
    CButtonST deleteButton_;
};
