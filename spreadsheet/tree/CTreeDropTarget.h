#pragma once

#include "platform/ui/users/COleDropTarget.h"

class TfTreeSpread;

// The drop target of a tree spreadsheet: accepts what the tree takes and hands a drop to it.
class CTreeDropTarget : public COleDropTarget {
public:
    explicit CTreeDropTarget(TfTreeSpread& tree) : tree_(tree) {}

    DROPEFFECT OnDragEnter(CWnd* window, COleDataObject* data, DWORD keyState,
                           CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState,
                          CPoint point) override;
    BOOL OnDrop(CWnd* window, COleDataObject* data, DROPEFFECT effect, CPoint point) override;

private:
    TfTreeSpread& tree_;
};
