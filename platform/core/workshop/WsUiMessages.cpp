#include "platform/core/workshop/WsUiMessages.h"

#include "platform/core/text/NumberedTexts.h"

namespace core {

Vdn_String wsUiNameInUseText() {
    return string(20300);
}

Vdn_String wsUiBaseGroupsText() {
    return string(20301);
}

} // namespace core
