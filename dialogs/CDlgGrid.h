#pragma once
// CDlgGrid: sets up a construction grid of two line directions (template 341, "DLG_GRID"): per
// direction the number of lines, the spacing text and the label of the first line, and the
// option flag. The caller sets data_, runs DoModal and on OK reads data_ back.

#include "module/TfGridDlgData.h"
#include "platform/ui/dialogs/CDialog.h"

class CDlgGrid : public CDialog {
public:
    static constexpr UINT IDD = 341;
    // Per direction: frame, then label and edit of count, spacing and first label.
    static constexpr int kFirstFrame = 2000;
    static constexpr int kFirstCount = 2002;
    static constexpr int kFirstSpacing = 2004;
    static constexpr int kFirstLabel = 2006;
    static constexpr int kSecondFrame = 2010;
    static constexpr int kSecondCount = 2012;
    static constexpr int kSecondSpacing = 2014;
    static constexpr int kSecondLabel = 2016;
    static constexpr int kOptionCheck = 2020;
    // A count is a whole number of lines in this range.
    static constexpr int kMaxCount = 1000;

    explicit CDlgGrid(CWnd* parent = nullptr);

    TfGridDlgData data_;

    BOOL OnInitDialog() override;
    // Refuses a count that is no whole number from 0 to kMaxCount: says which, puts the focus
    // on it and stays open. Texts are taken as typed.
    void OnOK() override;

private:
    bool readCount(int editId, int frameId, int& count);
};
