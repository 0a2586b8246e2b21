#include "platform/io/StandardOutput.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace io {

void watchStandardOutput() {
    std::signal(SIGPIPE, SIG_IGN);
}

std::optional<std::string> finishStandardOutput() {
    std::cout.flush();
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && !std::ferror(stdout) && !std::cout.bad())
        return std::nullopt;
    return error != 0 ? std::strerror(error) : std::string("the output could not be written");
}

} // namespace io
