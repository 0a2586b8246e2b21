#include "platform/ui/users/NonInteractiveUser.h"

#include "platform/core/text/TextCodec.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/windows/MessageQueue.h"

#include <cstdio>

namespace ui {

void NonInteractiveUser::runModal(CDialog& dialog) {
    MessageQueue::instance().pump();
    if (dialog.GetSafeHwnd() != nullptr && !dialog.hasEnded()) {
        dialog.OnCancel();
    }
    if (dialog.GetSafeHwnd() != nullptr && !dialog.hasEnded()) {
        dialog.EndDialog(IDCANCEL);
    }
}

int NonInteractiveUser::messageBox(const MessageBoxRecord& record) {
    const std::string caption = core::TextCodec::encodeUtf8(record.caption);
    const std::string text = core::TextCodec::encodeUtf8(record.text);
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    return record.defaultAnswer();
}

bool NonInteractiveUser::fileDialog(FileDialogRecord& record) {
    record.chosenPaths.clear();
    record.accepted = false;
    return false;
}

UINT NonInteractiveUser::trackPopupMenu(const PopupMenuRecord&) {
    return 0;
}

} // namespace ui
