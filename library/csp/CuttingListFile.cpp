#include "library/csp/CuttingListFile.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/TextBytes.h"
#include "platform/core/text/TextCodec.h"
#include "platform/core/text/Vdn_String.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <optional>
#include <system_error>

namespace csp {

namespace {

using Fields = std::vector<std::string>;

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

char separatorOf(std::string_view line) {
    if (line.find('\t') != std::string_view::npos)
        return '\t';
    if (line.find(';') != std::string_view::npos && line.find(',') == std::string_view::npos)
        return ';';
    return ',';
}

// The fields of a line; a field in double quotes may hold the separator, and "" is a quote.
Fields splitFields(std::string_view line, char separator) {
    Fields fields;
    std::size_t at = 0;
    while (true) {
        std::string field;
        std::size_t next = at;
        while (next < line.size() && (line[next] == ' ' || line[next] == '\t') &&
               line[next] != separator)
            ++next;
        if (next < line.size() && line[next] == '"') {
            for (++next; next < line.size(); ++next) {
                if (line[next] != '"') {
                    field += line[next];
                } else if (next + 1 < line.size() && line[next + 1] == '"') {
                    field += '"';
                    ++next;
                } else {
                    ++next;
                    break;
                }
            }
            const std::size_t end = line.find(separator, next);
            field += trimmed(line.substr(next, end == std::string_view::npos ? end : end - next));
            at = end;
        } else {
            const std::size_t end = line.find(separator, at);
            field = trimmed(line.substr(at, end == std::string_view::npos ? end : end - at));
            at = end;
        }
        fields.push_back(std::move(field));
        if (at == std::string_view::npos)
            return fields;
        ++at;
    }
}

std::optional<double> number(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const char* begin = text.data() + (!text.empty() && text.front() == '+' ? 1 : 0);
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> count(const std::string& text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const char* begin = text.data() + (!text.empty() && text.front() == '+' ? 1 : 0);
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// Checks one row's fields; the reason when bad, else empty.
using RowReader = std::function<std::string(const Fields&)>;

bool readRows(std::wstring_view text, const std::string& name, std::size_t lengthField,
              std::size_t fieldCount, const RowReader& readRow,
              std::vector<std::string>& problems) {
    const Vdn_StringArray lines = core::splitLines(text);
    const std::size_t problemsBefore = problems.size();
    char separator = 0;
    for (int index = 0; index < lines.length(); ++index) {
        std::string line = lines[index].toUtf8();
        if (index == 0 && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        if (trimmed(line).empty())
            continue;
        const bool first = separator == 0;
        if (first)
            separator = separatorOf(line);
        Fields fields = splitFields(line, separator);
        while (fields.size() > fieldCount && fields.back().empty())
            fields.pop_back();
        if (first && (fields.size() <= lengthField || !number(fields[lengthField])))
            continue; // a header
        const std::string where = name + ":" + std::to_string(index + 1) + ": ";
        if (fields.size() > fieldCount)
            problems.push_back(where + "expected " + std::to_string(fieldCount) +
                               " fields, found " + std::to_string(fields.size()));
        else if (std::string why = readRow(fields); !why.empty())
            problems.push_back(where + why);
    }
    return problems.size() == problemsBefore;
}

std::string lengthProblem(const Fields& fields, std::size_t field, double& length) {
    const std::string text = field < fields.size() ? fields[field] : std::string();
    if (text.empty())
        return "the length is missing";
    const std::optional<double> value = number(text);
    if (!value)
        return "the length \"" + text + "\" is not a number";
    if (*value <= 0)
        return "the length must be more than 0 mm, not " + text;
    length = *value;
    return {};
}

std::string quantityProblem(const std::string& text, std::int64_t& quantity) {
    const std::optional<std::int64_t> value = count(text);
    if (!value)
        return "the quantity \"" + text + "\" is not a whole number";
    if (*value <= 0)
        return "the quantity must be at least 1, not " + text;
    quantity = *value;
    return {};
}

// Parts and stock are tables of text: bytes that are no text (a NUL, a sequence that is not
// UTF-8) are a binary or damaged file, refused with their line rather than read as marks.
bool readFile(const std::string& path, std::wstring& text, std::vector<std::string>& problems) {
    const std::optional<std::string> bytes =
        core::readFileBytes(Vdn_String::fromUtf8(path), core::kMaxCsvFileBytes);
    if (!bytes) {
        problems.push_back(path + ": cannot be read (missing, not a regular file, or larger than " +
                           std::to_string(core::kMaxCsvFileBytes / (1024 * 1024)) + " MB)");
        return false;
    }
    if (const auto notText = core::findNotText(*bytes)) {
        problems.push_back(path + ":" + std::to_string(notText->line) + ": " + notText->what +
                           "; this is not a CSV text file");
        return false;
    }
    text = core::TextCodec::decode(*bytes);
    return true;
}

} // namespace

bool CuttingListFile::parseParts(std::wstring_view text, const std::string& name,
                                 std::vector<CutPart>& parts, std::vector<std::string>& problems) {
    std::vector<CutPart> read;
    const auto row = [&read](const Fields& fields) -> std::string {
        CutPart part;
        part.mark = fields[0];
        if (part.mark.empty())
            return "the mark is missing";
        if (std::string why = lengthProblem(fields, 1, part.length); !why.empty())
            return why;
        if (fields.size() < 3 || fields[2].empty())
            return "the quantity is missing";
        if (std::string why = quantityProblem(fields[2], part.quantity); !why.empty())
            return why;
        read.push_back(std::move(part));
        return {};
    };
    if (!readRows(text, name, 1, 3, row, problems))
        return false;
    if (read.empty()) {
        problems.push_back(name + ": no parts (rows of mark, length, quantity)");
        return false;
    }
    parts = std::move(read);
    return true;
}

bool CuttingListFile::parseStock(std::wstring_view text, const std::string& name,
                                 std::vector<StockLength>& stock,
                                 std::vector<std::string>& problems) {
    std::vector<StockLength> read;
    const auto row = [&read](const Fields& fields) -> std::string {
        StockLength length;
        if (std::string why = lengthProblem(fields, 0, length.length); !why.empty())
            return why;
        if (fields.size() >= 2 && !fields[1].empty()) {
            std::int64_t quantity = 0;
            if (std::string why = quantityProblem(fields[1], quantity); !why.empty())
                return why;
            length.quantity = quantity;
        }
        read.push_back(length);
        return {};
    };
    if (!readRows(text, name, 0, 2, row, problems))
        return false;
    if (read.empty()) {
        problems.push_back(name + ": no stock (rows of length, quantity)");
        return false;
    }
    stock = std::move(read);
    return true;
}

bool CuttingListFile::readParts(const std::string& path, std::vector<CutPart>& parts,
                                std::vector<std::string>& problems) {
    std::wstring text;
    return readFile(path, text, problems) && parseParts(text, path, parts, problems);
}

bool CuttingListFile::readStock(const std::string& path, std::vector<StockLength>& stock,
                                std::vector<std::string>& problems) {
    std::wstring text;
    return readFile(path, text, problems) && parseStock(text, path, stock, problems);
}

} // namespace csp
