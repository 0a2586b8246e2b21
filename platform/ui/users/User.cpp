#include "platform/ui/users/User.h"

#include "platform/ui/users/NonInteractiveUser.h"

namespace ui {

bool User::pick(PickRecord& record) {
    record.chosenIds.clear();
    record.accepted = false;
    return false;
}

User* User::installed_ = nullptr;

User& User::current() {
    if (installed_ != nullptr) {
        return *installed_;
    }
    static NonInteractiveUser fallback;
    return fallback;
}

} // namespace ui
