#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_StringArray.h"

// What the core module's bill engine feeds a bill to, row by row: onStartFeed, then onAddRow,
// onAddSubTotals, onNewPage and onAddSeperation in bill order, then onEndFeed. An output
// overrides what it writes; the page and separation calls do nothing unless overridden.
class Vdn_ListOutputCallback {
public:
    virtual ~Vdn_ListOutputCallback() = default;

    virtual Acad::ErrorStatus onStartFeed() = 0;
    virtual Acad::ErrorStatus onEndFeed() = 0;
    virtual Acad::ErrorStatus onNewPage() { return Acad::eOk; }
    virtual void onAddRow(const Vdn_StringArray& row) = 0;
    // row holds the subtotal texts, totals the running totals; isGrandTotal marks the bill's
    // last subtotal, level the grouping depth it closes.
    virtual void onAddSubTotals(const Vdn_StringArray& row, const Vdn_StringArray& totals,
                                bool isGrandTotal, int level) = 0;
    virtual void onAddSeperation() {}

protected:
    Vdn_ListOutputCallback() = default;
    Vdn_ListOutputCallback(const Vdn_ListOutputCallback&) = default;
    Vdn_ListOutputCallback& operator=(const Vdn_ListOutputCallback&) = default;
};
