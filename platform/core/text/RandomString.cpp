#include "platform/core/text/RandomString.h"

#include <random>

namespace {

std::mt19937& generator() {
    static std::mt19937 engine(std::mt19937::default_seed);
    return engine;
}

} // namespace

Vdn_String generateRandomString(int length) {
    static constexpr wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(kAlphabet)) - 2);
    std::wstring text;
    for (int i = 0; i < length; ++i)
        text += kAlphabet[pick(generator())];
    return Vdn_String(text);
}

void setRandomStringSeed(std::uint32_t seed) {
    generator().seed(seed);
}
