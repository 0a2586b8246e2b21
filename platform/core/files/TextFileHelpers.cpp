#include "platform/core/files/TextFileHelpers.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/io/AtomicWrite.h"
#include "platform/io/InputLog.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Text files (macros, mappings, size lists, tables) are read whole: only a regular file has a
// size to check first, so a device or a FIFO (read without end, or hanging) is refused, as is
// a file beyond kMaxTextFileBytes.
std::optional<std::string> readBytes(const fs::path& path,
                                     std::uintmax_t maxBytes = core::kMaxTextFileBytes) {
    std::error_code error;
    if (!fs::is_regular_file(path, error) || error)
        return std::nullopt;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > maxBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return std::nullopt;
    io::InputLog::note(path);
    return bytes;
}

bool writeBytes(const fs::path& target, const std::string& bytes) {
    return io::writeFileAtomically(target, bytes).ok();
}

} // namespace

bool ObjectExportReadFile(const Vdn_String& path, Vdn_StringArray& lines) {
    const std::optional<std::wstring> text = core::readTextFile(path);
    if (!text)
        return false;
    lines = core::splitLines(*text);
    return true;
}

bool ObjectExportWriteFile(const Vdn_String& path, const Vdn_StringArray& lines) {
    return core::writeTextFile(path, core::joinLines(lines), core::TextEncoding::Utf8);
}

bool ObjectExportWriteFileAnsi(const Vdn_String& path, const Vdn_StringArray& lines,
                               bool* lossless) {
    return core::writeTextFile(path, core::joinLines(lines), core::TextEncoding::Windows1252,
                               lossless);
}

namespace core {

std::optional<std::string> readFileBytes(const Vdn_String& path, std::uintmax_t maxBytes) {
    const std::optional<fs::path> resolved = resolveExisting(path);
    if (!resolved)
        return std::nullopt;
    return readBytes(*resolved, maxBytes);
}

std::optional<std::wstring> readTextFile(const Vdn_String& path, TextEncoding* detected) {
    const std::optional<fs::path> resolved = resolveExisting(path);
    if (!resolved)
        return std::nullopt;
    const std::optional<std::string> bytes = readBytes(*resolved);
    if (!bytes)
        return std::nullopt;
    return TextCodec::decode(*bytes, detected);
}

bool writeTextFile(const Vdn_String& path, std::wstring_view text, TextEncoding encoding,
                   bool* lossless) {
    bool complete = true;
    const std::string bytes = TextCodec::encode(text, encoding, &complete);
    if (lossless)
        *lossless = complete;
    if (hasWildcards(path))
        return false;
    return writeBytes(resolveForWriting(path), bytes);
}

Vdn_StringArray splitLines(std::wstring_view text) {
    Vdn_StringArray lines;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const wchar_t ch = text[pos];
        if (ch != L'\n' && ch != L'\r') {
            ++pos;
            continue;
        }
        lines.append(Vdn_String(text.substr(start, pos - start)));
        pos += (ch == L'\r' && pos + 1 < text.size() && text[pos + 1] == L'\n') ? 2 : 1;
        start = pos;
    }
    if (start < text.size())
        lines.append(Vdn_String(text.substr(start)));
    return lines;
}

std::wstring joinLines(const Vdn_StringArray& lines) {
    std::wstring text;
    for (const Vdn_String& line : lines) {
        text += line.str();
        text += L'\n';
    }
    return text;
}

} // namespace core
