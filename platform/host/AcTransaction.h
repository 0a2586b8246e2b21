#pragma once

#include "platform/core/model/AcArray.h"
#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/settings/AcadErrorStatus.h"

// One host transaction: the objects opened in it and whether it is still running, committed
// or aborted. A transaction that has ended accepts nothing more.
class AcTransaction {
public:
    enum class State { Active, Committed, Aborted };

    // Records that id was opened in this transaction (once, however often it is opened).
    // eInvalidInput for a null id or a transaction that has ended.
    Acad::ErrorStatus open(AcDbObjectId id);
    bool isOpen(AcDbObjectId id) const { return opened_.contains(id); }
    const AcArray<AcDbObjectId>& openedIds() const { return opened_; }

    // Ends the transaction; eInvalidInput when it has already ended.
    Acad::ErrorStatus commit();
    Acad::ErrorStatus abort();
    State state() const { return state_; }

private:
    Acad::ErrorStatus end(State state);

    AcArray<AcDbObjectId> opened_;
    State state_ = State::Active;
};
