#include "platform/host/Editor.h"

namespace host {

Editor& Editor::instance() {
    static Editor editor;
    return editor;
}

} // namespace host
