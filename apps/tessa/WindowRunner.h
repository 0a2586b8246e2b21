#pragma once
// app::WindowRunner: what a command needs to put dialogs before a person or a camera: the Qt
// application (on the offscreen platform for pictures, so no display is needed), the live view
// of the window tree, and the user who answers the dialogs.

#include "apps/tessa/DialogCatalog.h"

#include <QString>
#include <memory>

class QApplication;

namespace qtview {
class Desktop;
}
namespace ui {
class User;
class UserScope;
} // namespace ui

namespace app {

class WindowRunner : public DialogPresenter {
public:
    // screenshotPath empty: a person at a screen; else every dialog is pictured there.
    explicit WindowRunner(const QString& screenshotPath = QString());
    ~WindowRunner() override;

    // False when there is no screen to show windows on (and no picture was asked for).
    static bool canShowWindows();

    void presentModeless(CWnd& window) override;
    bool presentDocked(CWnd& frame) override;
    // The host's frame is shown inside the program's main window (tessa gui).
    void setFrameEmbedded(bool embedded) { frameEmbedded_ = embedded; }
    // For pictures: whether one was written.
    bool pictureSaved() const;
    qtview::Desktop& desktop() const { return *desktop_; }

private:
    QString screenshotPath_;
    bool modelessSaved_ = false;
    bool frameEmbedded_ = false;
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<qtview::Desktop> desktop_;
    std::unique_ptr<ui::User> user_;
    std::unique_ptr<ui::UserScope> scope_;
};

} // namespace app
