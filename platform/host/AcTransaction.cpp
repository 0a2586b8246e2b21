#include "platform/host/AcTransaction.h"

Acad::ErrorStatus AcTransaction::open(AcDbObjectId id) {
    if (id.isNull() || state_ != State::Active)
        return Acad::eInvalidInput;
    if (!opened_.contains(id))
        opened_.append(id);
    return Acad::eOk;
}

Acad::ErrorStatus AcTransaction::commit() {
    return end(State::Committed);
}

Acad::ErrorStatus AcTransaction::abort() {
    return end(State::Aborted);
}

Acad::ErrorStatus AcTransaction::end(State state) {
    if (state_ != State::Active)
        return Acad::eInvalidInput;
    state_ = state;
    return Acad::eOk;
}
