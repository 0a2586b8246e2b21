#pragma once
// ui::ResourceLineReader: what the resource-file parsers (.dlg, .menu) share. Each line is split
// into tokens; an empty line is passed over, one starting with a string is refused, and any
// other goes to the parser's keyword(). Problems become diagnostics with file and line, and
// mark the template being read as damaged.

#include "platform/ui/dialogs/DialogTemplate.h"
#include "platform/ui/dialogs/ResourceLexer.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class ResourceLineReader {
public:
    ResourceLineReader(const std::wstring& fileName, std::vector<ResourceDiagnostic>& diagnostics)
        : fileName_(fileName), diagnostics_(diagnostics) {}
    virtual ~ResourceLineReader() = default;
    ResourceLineReader(const ResourceLineReader&) = delete;
    ResourceLineReader& operator=(const ResourceLineReader&) = delete;

    // Reads the file's lines, numbered from 1, then calls finish().
    void read(const std::vector<std::wstring>& lines);
    void line(const std::wstring& text, int number);

protected:
    // A line whose first token is the word; token(0) is that word.
    virtual void keyword(const std::wstring& word) = 0;
    // The end of the file: a template still open is reported here.
    virtual void finish() = 0;

    const std::wstring& fileName() const { return fileName_; }
    const ResourceToken& token(std::size_t i) const { return (*tokens_)[i]; }
    std::size_t count() const { return tokens_->size(); }

    void report(const std::wstring& reason);
    // A diagnostic on another line (a template's first line, for one left open).
    void reportAt(int line, const std::wstring& reason);
    // Reports when the keyword has fewer than minimum - 1 or more than maximum - 1 values.
    bool expectCount(std::size_t minimum, std::size_t maximum);
    // The number at position i, within low..high; reported otherwise.
    std::optional<long long> numberAt(std::size_t i, const wchar_t* what, long long low,
                                      long long high);

    int lineNumber_ = 0;
    bool damaged_ = false; // a problem was reported since the template began

private:
    const std::wstring& fileName_;
    std::vector<ResourceDiagnostic>& diagnostics_;
    const std::vector<ResourceToken>* tokens_ = nullptr;
};

} // namespace ui
