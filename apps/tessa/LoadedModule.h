#pragma once

namespace app {

// The module loaded as the host loads it, for the span of one command: library attach and the
// init message at construction, the unload message and library detach at destruction. The
// command line is echoed to stdout meanwhile.
class LoadedModule {
public:
    LoadedModule();
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    bool loaded() const { return mLoaded; }

private:
    bool mLoaded = false;
};

} // namespace app
