#include "apps/tessa/WindowRunner.h"

#include "platform/qt/Desktop.h"
#include "platform/qt/DialogMetrics.h"
#include "platform/qt/PersonInput.h"
#include "platform/qt/QtUser.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/ScreenshotUser.h"
#include "platform/ui/users/UserScope.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WinConstants.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdlib>

namespace app {

namespace {

int gArgc = 1;
char gProgramName[] = "tessa";
char* gArgv[] = {gProgramName, nullptr};

constexpr int kDockedFrameWidth = 760;
constexpr int kDockedFrameHeight = 560;

} // namespace

bool WindowRunner::canShowWindows() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

WindowRunner::WindowRunner(const QString& screenshotPath) : screenshotPath_(screenshotPath) {
    if (!screenshotPath_.isEmpty()) {
        // Pictures need no display, and look the same on every machine.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    application_ = std::make_unique<QApplication>(gArgc, gArgv);
    QApplication::setFont(qtview::DialogMetrics::dialogFont());
    desktop_ = std::make_unique<qtview::Desktop>();
    if (screenshotPath_.isEmpty()) {
        user_ = std::make_unique<qtview::QtUser>();
    } else {
        user_ = std::make_unique<qtview::ScreenshotUser>(screenshotPath_);
    }
    scope_ = std::make_unique<ui::UserScope>(*user_);
}

WindowRunner::~WindowRunner() {
    scope_.reset();
    user_.reset();
    desktop_.reset();
    application_.reset();
}

void WindowRunner::presentModeless(CWnd& window) {
    if (!screenshotPath_.isEmpty()) {
        modelessSaved_ = qtview::Screenshot::save(window, screenshotPath_);
        return;
    }
    desktop_->viewOf(window);
    QEventLoop loop;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (!qtview::PersonInput::isAlive(&window) || !window.IsWindowVisible()) {
            loop.quit();
        }
    });
    watch.start(20);
    loop.exec();
}

bool WindowRunner::presentDocked(CWnd& frame) {
    if (frameEmbedded_)
        return true;
    // The host's frame at the size of a small main window, so the docked bar is the subject.
    frame.SetWindowPos(nullptr, 0, 0, kDockedFrameWidth, kDockedFrameHeight,
                       SWP_NOMOVE | SWP_NOZORDER);
    presentModeless(frame);
    return false;
}

bool WindowRunner::pictureSaved() const {
    if (modelessSaved_) {
        return true;
    }
    const auto* camera = dynamic_cast<const qtview::ScreenshotUser*>(user_.get());
    return camera != nullptr && camera->saved();
}

} // namespace app
