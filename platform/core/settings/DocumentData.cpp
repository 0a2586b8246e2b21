#include "platform/core/settings/DocumentData.h"

namespace core {

DocumentData& currentDocumentData() {
    static DocumentData data;
    return data;
}

} // namespace core
