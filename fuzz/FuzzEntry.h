#pragma once
// Fuzz entry points are ordinary functions registered by name, so that the libFuzzer programs
// and the corpus replay of the normal test run drive exactly the same code.
//
//     TESSA_FUZZ_ENTRY(core_text_table) {
//         ... parse data[0..size) ...
//     }
//
// The corpus of an entry lives in fuzz/corpus/<name>/.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

namespace fuzz {

using Entry = void (*)(const std::uint8_t* data, std::size_t size);

// Every entry registered in the program, by name.
std::map<std::string, Entry>& entries();

struct Registration {
    Registration(const char* name, Entry entry) { entries()[name] = entry; }
};

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A property that must hold for every input: failing it is a finding, so stop loudly.
inline void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace fuzz

#define TESSA_FUZZ_ENTRY(name)                                                                     \
    static void name(const std::uint8_t* data, std::size_t size);                                  \
    static const ::fuzz::Registration name##_registration(#name, &name);                           \
    static void name([[maybe_unused]] const std::uint8_t* data, [[maybe_unused]] std::size_t size)
