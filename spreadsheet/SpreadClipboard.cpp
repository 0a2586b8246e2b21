#include "spreadsheet/SpreadClipboard.h"

SpreadClipboard& SpreadClipboard::instance() {
    static SpreadClipboard clipboard;
    return clipboard;
}
