#include "apps/tessa/ExampleMacro.h"

#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/host/CommandLineApi.h"

namespace app {

std::optional<MacroData> exampleMacroRecord(const wchar_t* relativeFile) {
    AcDbObjectId id;
    Vdn_String message;
    if (!Vdn_Drawing::current().openMacro(gSettings.libDir() + relativeFile, id, message)) {
        acutPrintf(L"%s\n", message.c_str());
        return std::nullopt;
    }
    AcArray<AcDbObjectId> ids;
    ids.append(id);
    MacroData data;
    if (!getMacroDataOf(ids, data))
        return std::nullopt;
    return data;
}

} // namespace app
