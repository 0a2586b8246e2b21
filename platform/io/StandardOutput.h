#pragma once

#include <optional>
#include <string>

// Standard output is one of a command's outputs: results printed to a full disk, a closed pipe
// or /dev/full are as lost as a file that could not be written, and the command must say so
// rather than exit 0.
namespace io {

// Makes a write to a closed pipe fail with EPIPE (seen by the check below) instead of ending
// the process without a word.
void watchStandardOutput();

// Flushes standard output (the C and the C++ streams) and gives the reason when anything
// written to it since the start was lost; nullopt when all of it arrived.
std::optional<std::string> finishStandardOutput();

} // namespace io
