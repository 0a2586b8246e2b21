#pragma once
// qtview::ScreenshotUser: takes a picture of the first modal dialog that opens and then cancels
// it, as a person would who only looks. Message boxes before it get their default answer (and
// are printed on stderr), file dialogs and menus are dismissed.

#include "platform/ui/users/NonInteractiveUser.h"

#include <QString>

namespace qtview {

class ScreenshotUser : public ui::NonInteractiveUser {
public:
    explicit ScreenshotUser(QString path) : path_(std::move(path)) {}

    void runModal(CDialog& dialog) override;

    bool taken() const { return taken_; }
    bool saved() const { return saved_; }

private:
    QString path_;
    bool taken_ = false;
    bool saved_ = false;
};

} // namespace qtview
