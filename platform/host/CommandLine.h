#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace host {

// The host's command line: the text printed on it, the commands posted to it and how often
// the prompt was re-posted. The program echoes the text to a stream; tests read it back.
class CommandLine {
public:
    static CommandLine& instance();

    void print(const std::wstring& text);
    // Everything printed since the last clear.
    const std::wstring& text() const { return text_; }

    void postCommand(const std::wstring& command) { postedCommands_.push_back(command); }
    const std::vector<std::wstring>& postedCommands() const { return postedCommands_; }

    void postPrompt() { ++promptCount_; }
    int promptCount() const { return promptCount_; }

    // Forgets the text, the posted commands and the prompt count.
    void clear();

    // Also writes every printed text, UTF-8 encoded, to stream (null: none).
    void setEcho(std::FILE* stream) { echo_ = stream; }

private:
    std::wstring text_;
    std::vector<std::wstring> postedCommands_;
    int promptCount_ = 0;
    std::FILE* echo_ = nullptr;
};

} // namespace host
