#pragma once
// ui::UserScope: installs a user as ui::User::current() for the scope; scopes nest.

#include "platform/ui/users/User.h"

namespace ui {

class UserScope {
public:
    explicit UserScope(User& user) : previous_(User::installed_) { User::installed_ = &user; }
    ~UserScope() { User::installed_ = previous_; }
    UserScope(const UserScope&) = delete;
    UserScope& operator=(const UserScope&) = delete;

private:
    User* previous_;
};

} // namespace ui
