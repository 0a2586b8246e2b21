#include "platform/io/StandardOutput.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace io {

namespace {

// Output to a file or a pipe is kept until the end (or this much), so that the one flush that
// fails is the one that tells why (a failure inside printf leaves no errno to read later).
constexpr std::size_t kOutputBuffer = 1u << 20;

} // namespace

void watchStandardOutput() {
    std::signal(SIGPIPE, SIG_IGN);
    if (!::isatty(STDOUT_FILENO))
        std::setvbuf(stdout, nullptr, _IOFBF, kOutputBuffer);
}

std::optional<std::string> finishStandardOutput() {
    errno = 0;
    std::cout.flush();
    int error = errno;
    const bool flushed = std::fflush(stdout) == 0;
    if (error == 0)
        error = errno;
    if (flushed && !std::ferror(stdout) && !std::cout.bad())
        return std::nullopt;
    return error != 0 ? std::strerror(error)
                      : std::string("the output could not be written completely");
}

} // namespace io
