#include "apps/tessa/LoadedModule.h"

#include "module/ModuleEntry.h"
#include "platform/host/CommandLine.h"
#include "platform/host/HostWindows.h"
#include "spreadsheet/standards/MacroStandardsRun.h"

#include <cstdio>

namespace app {

namespace {

// The id by which the host names the module in its messages.
int applicationToken = 0;

} // namespace

LoadedModule::LoadedModule(std::FILE* echo) : echo_(echo) {
    host::CommandLine::instance().setEcho(echo);
    loaded_ = moduleAttach(frame::moduleInstanceHandle());
    if (loaded_)
        acrxEntryPoint(AcRx::kInitAppMsg, &applicationToken);
    // The core module hands the macros' standards evaluations to the spreadsheet subsystem.
    ss::installStandardsEvaluator();
}

LoadedModule::~LoadedModule() {
    if (loaded_) {
        acrxEntryPoint(AcRx::kUnloadAppMsg, &applicationToken);
        moduleDetach();
    }
    host::destroyMainWindow();
    host::CommandLine::instance().setEcho(nullptr);
    // Command-line texts start rather than end with a line end; end the last line.
    const std::wstring& text = host::CommandLine::instance().text();
    if (!text.empty() && text.back() != L'\n')
        std::fputc('\n', echo_);
}

} // namespace app
