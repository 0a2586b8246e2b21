#pragma once

#include "tests/host/TempRegistry.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>

// What one run of the program gave.
struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

// Runs the built program as a user would, in a scratch folder of its own.
class ProgramTest : public ::testing::Test {
protected:
    // Runs the program with the arguments (already quoted for the shell).
    ProgramRun run(const std::string& arguments) const {
        ProgramRun result;
        const std::filesystem::path errFile = scratch_.path() / "stderr.txt";
        const std::string command = "cd " + quoted(scratch_.path()) + " && '" + TESSA_PROGRAM +
                                    "' " + arguments + " 2>" + quoted(errFile);
        std::FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr)
            return result;
        std::array<char, 4096> buffer;
        std::size_t read = 0;
        while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            result.out.append(buffer.data(), read);
        const int status = pclose(pipe);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = readFile(errFile);
        return result;
    }

    // Writes a file into the scratch folder and gives its path.
    std::filesystem::path scratchFile(const std::string& name, const std::string& content) const {
        const std::filesystem::path path = scratch_.path() / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    TempFolder scratch_;
};
