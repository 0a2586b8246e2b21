#include "macro/editor/EditorEscapeGate.h"

#include "platform/ui/time/Clock.h"

void EditorEscapeGate::rowSelected() {
    selectedAt_ = ui::Clock::instance().now();
}

bool EditorEscapeGate::escapeCloses(bool withQuietTime) {
    if (passNext_) {
        passNext_ = false;
        return false;
    }
    if (withQuietTime && selectedAt_ && ui::Clock::instance().now() - *selectedAt_ < kQuietMs)
        return false;
    return true;
}
