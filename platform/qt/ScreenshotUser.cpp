#include "platform/qt/ScreenshotUser.h"

#include "platform/qt/Screenshot.h"
#include "platform/ui/dialogs/CDialog.h"

namespace qtview {

void ScreenshotUser::runModal(CDialog& dialog) {
    if (!taken_) {
        taken_ = true;
        saved_ = Screenshot::save(dialog, path_);
    }
    ui::NonInteractiveUser::runModal(dialog);
}

} // namespace qtview
