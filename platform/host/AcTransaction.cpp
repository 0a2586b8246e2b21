#include "platform/host/AcTransaction.h"

Acad::ErrorStatus AcTransaction::open(AcDbObjectId id) {
    if (id.isNull() || mState != State::Active)
        return Acad::eInvalidInput;
    if (!mOpened.contains(id))
        mOpened.append(id);
    return Acad::eOk;
}

Acad::ErrorStatus AcTransaction::commit() {
    return end(State::Committed);
}

Acad::ErrorStatus AcTransaction::abort() {
    return end(State::Aborted);
}

Acad::ErrorStatus AcTransaction::end(State state) {
    if (mState != State::Active)
        return Acad::eInvalidInput;
    mState = state;
    return Acad::eOk;
}
