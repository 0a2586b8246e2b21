// libFuzzer program for one registered entry (TESSA_FUZZ_TARGET names it).
#include "fuzz/FuzzEntry.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::Entry entry = [] {
        const auto found = fuzz::entries().find(TESSA_FUZZ_TARGET);
        if (found == fuzz::entries().end()) {
            std::fprintf(stderr, "no fuzz entry named %s\n", TESSA_FUZZ_TARGET);
            std::abort();
        }
        return found->second;
    }();
    entry(data, size);
    return 0;
}
