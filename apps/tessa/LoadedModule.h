#pragma once

#include <cstdio>

namespace app {

// The module loaded as the host loads it, for the span of one command: library attach and the
// init message at construction, the unload message and library detach at destruction. The
// host's command line is echoed meanwhile: to stdout where it is the command's output, to
// stderr where the command prints results of its own.
class LoadedModule {
public:
    explicit LoadedModule(std::FILE* echo = stdout);
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    bool loaded() const { return loaded_; }

private:
    bool loaded_ = false;
    std::FILE* echo_;
};

} // namespace app
