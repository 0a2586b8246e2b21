// Every fuzz entry runs over its stored corpus and over a few hostile inputs, so the normal
// test run keeps what fuzzing once found.
#include "fuzz/FuzzEntry.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> hostileInputs() {
    return {"",
            std::string(1, '\0'),
            "\xEF\xBB\xBF",
            "\xFF\xFE",
            "\xFE\xFF\x00",
            std::string(100000, '\\'),
            std::string(4096, '\xA4'),
            "1\t\\\n[strings]\n\xC3\x28\n#\n2\t\\q\n",
            "key\xC2\xA4"
            "9\xC2\xA4x\xC2\xA4"};
}

class CorpusReplay : public testing::TestWithParam<std::string> {};

TEST_P(CorpusReplay, EveryStoredInputAndHostileInputRunsCleanly) {
    const fuzz::Entry entry = fuzz::entries().at(GetParam());
    const std::filesystem::path folder = std::filesystem::path(TESSA_FUZZ_CORPUS) / GetParam();
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << "no corpus at " << folder;
    int replayed = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        const std::vector<std::uint8_t> bytes = readBytes(file.path());
        entry(bytes.data(), bytes.size());
        ++replayed;
    }
    EXPECT_GT(replayed, 0) << "empty corpus at " << folder;
    for (const std::string& input : hostileInputs()) {
        entry(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    }
}

std::vector<std::string> entryNames() {
    std::vector<std::string> names;
    for (const auto& [name, entry] : fuzz::entries()) {
        names.push_back(name);
    }
    return names;
}

INSTANTIATE_TEST_SUITE_P(Entries, CorpusReplay, testing::ValuesIn(entryNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

} // namespace
