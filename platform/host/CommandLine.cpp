#include "platform/host/CommandLine.h"

#include "platform/core/text/Vdn_String.h"
#include "platform/host/CommandLineApi.h"

#include <cstdarg>

namespace host {

CommandLine& CommandLine::instance() {
    static CommandLine commandLine;
    return commandLine;
}

void CommandLine::print(const std::wstring& text) {
    text_ += text;
    if (echo_ != nullptr) {
        const std::string utf8 = Vdn_String(text).toUtf8();
        std::fwrite(utf8.data(), 1, utf8.size(), echo_);
        std::fflush(echo_);
    }
}

void CommandLine::clear() {
    text_.clear();
    postedCommands_.clear();
    promptCount_ = 0;
}

} // namespace host

int acutPrintf(const wchar_t* format, ...) {
    if (format == nullptr)
        return 0;
    va_list args;
    va_start(args, format);
    const Vdn_String text = Vdn_String::formatV(format, args);
    va_end(args);
    host::CommandLine::instance().print(text.str());
    return text.length();
}

void acedPostCommandPrompt() {
    host::CommandLine::instance().postPrompt();
}

Acad::ErrorStatus acedPostCommand(const wchar_t* command) {
    if (command == nullptr || *command == L'\0')
        return Acad::eInvalidInput;
    host::CommandLine::instance().postCommand(command);
    return Acad::eOk;
}
