#include "apps/tessa/MacroOutput.h"

#include "apps/tessa/OutputFile.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/model/Vdn_Drawing.h"

namespace app {

std::optional<std::string> writeMacroOutput(AcDbObjectId id, const std::string& out) {
    if (out.empty())
        return std::nullopt;
    return OutputFile(out).write([id](const std::filesystem::path& path) {
        return Vdn_Drawing::current().saveMacro(id, core::fromNativePath(path));
    });
}

} // namespace app
