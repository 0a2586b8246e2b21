#include "platform/ui/users/MessageBoxRecord.h"

#include <algorithm>

namespace ui {

MessageBoxRecord MessageBoxRecord::fromType(const std::wstring& text, const std::wstring& caption,
                                            UINT type) {
    MessageBoxRecord record;
    record.caption = caption;
    record.text = text;
    record.type = type;
    record.buttons = type & MB_TYPEMASK;
    record.icon = type & MB_ICONMASK;
    record.defaultButton = static_cast<int>((type & MB_DEFMASK) >> 8);
    return record;
}

std::vector<int> MessageBoxRecord::buttonIds() const {
    switch (buttons) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    case MB_CANCELTRYCONTINUE:
        return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default:
        return {IDOK};
    }
}

int MessageBoxRecord::defaultAnswer() const {
    const std::vector<int> ids = buttonIds();
    if (defaultButton >= 0 && defaultButton < static_cast<int>(ids.size())) {
        return ids[static_cast<std::size_t>(defaultButton)];
    }
    return ids.front();
}

int MessageBoxRecord::cancelAnswer() const {
    const std::vector<int> ids = buttonIds();
    if (std::find(ids.begin(), ids.end(), IDCANCEL) != ids.end()) {
        return IDCANCEL;
    }
    // A box with only an OK button closes with OK on Escape; others have no way out but a
    // button, so the default one stands in.
    return defaultAnswer();
}

} // namespace ui
