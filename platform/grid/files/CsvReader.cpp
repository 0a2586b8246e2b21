#include "platform/grid/files/CsvReader.h"

#include "platform/grid/files/TextCodec.h"
#include "platform/grid/formula/Formula.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/values/NumberText.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace grid {

namespace {

struct Record {
    std::size_t line = 0; // where it starts, from 1
    std::vector<std::wstring> fields;
};

// Splits text into records. Stops after maxRecords (0: all). False with the line and reason on
// damage.
bool parseRecords(std::wstring_view text, wchar_t separator, std::size_t maxRecords,
                  std::vector<Record>& records, std::size_t& errorLine, std::wstring& reason) {
    std::size_t i = 0;
    std::size_t line = 1;
    while (i < text.size() && (maxRecords == 0 || records.size() < maxRecords)) {
        Record record;
        record.line = line;
        while (true) {
            std::wstring field;
            if (i < text.size() && text[i] == L'"') {
                const std::size_t openLine = line;
                ++i;
                while (true) {
                    if (i >= text.size()) {
                        errorLine = openLine;
                        reason = L"a quoted field is not closed";
                        return false;
                    }
                    const wchar_t ch = text[i++];
                    if (ch == L'"') {
                        if (i < text.size() && text[i] == L'"') {
                            field.push_back(L'"');
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (ch == L'\n')
                        ++line;
                    field.push_back(ch);
                }
                if (i < text.size() && text[i] != separator && text[i] != L'\n' &&
                    text[i] != L'\r') {
                    errorLine = line;
                    reason = L"text after the closing quote of a field";
                    return false;
                }
            } else {
                while (i < text.size() && text[i] != separator && text[i] != L'\n' &&
                       text[i] != L'\r')
                    field.push_back(text[i++]);
            }
            record.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == separator) {
                ++i;
                continue;
            }
            break;
        }
        // The line break: CRLF, LF or a lone CR.
        if (i < text.size() && text[i] == L'\r')
            ++i;
        if (i < text.size() && text[i] == L'\n')
            ++i;
        ++line;
        records.push_back(std::move(record));
    }
    return true;
}

} // namespace

wchar_t CsvReader::detectSeparator(std::wstring_view text) {
    constexpr std::array<wchar_t, 3> kCandidates = {L'\t', L';', L','};
    constexpr std::size_t kSample = 20;
    for (const wchar_t candidate : kCandidates) {
        std::vector<Record> records;
        std::size_t line = 0;
        std::wstring reason;
        if (!parseRecords(text, candidate, kSample, records, line, reason) || records.empty())
            continue;
        const std::size_t fields = records[0].fields.size();
        const bool consistent = std::all_of(records.begin(), records.end(), [&](const Record& r) {
            return r.fields.size() == fields;
        });
        if (consistent && fields > 1)
            return candidate;
    }
    // No candidate splits the lines evenly: take the one most frequent in the first line,
    // outside quoted fields.
    std::array<std::size_t, 3> counts{};
    bool quoted = false;
    for (const wchar_t ch : text) {
        if (ch == L'"')
            quoted = !quoted;
        else if (!quoted && (ch == L'\n' || ch == L'\r'))
            break;
        for (std::size_t c = 0; c < kCandidates.size() && !quoted; ++c)
            counts[c] += ch == kCandidates[c] ? 1 : 0;
    }
    wchar_t best = L',';
    std::size_t bestCount = 0;
    for (std::size_t c = 0; c < kCandidates.size(); ++c) {
        if (counts[c] > bestCount) {
            best = kCandidates[c];
            bestCount = counts[c];
        }
    }
    return best;
}

namespace {

// Text never holds a NUL character: decoded text with one is a binary file, or UTF-16 without
// its byte-order mark, and its cells would be garbage.
Result refuseBinary(std::wstring_view text) {
    const std::size_t nul = text.find(L'\0');
    if (nul == std::wstring_view::npos)
        return Result::success();
    const std::size_t line =
        1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + nul, L'\n'));
    return Result::failure(L"a NUL character: not CSV text (a binary file, or UTF-16 without "
                           L"byte-order mark)",
                           TextLocation::atLine(line));
}

} // namespace

Result CsvReader::readRows(std::string_view bytes, std::vector<std::vector<std::wstring>>& rows) {
    const std::wstring text = TextCodec::decodeAny(bytes);
    if (Result binary = refuseBinary(text); !binary)
        return binary;
    std::vector<Record> records;
    std::size_t errorLine = 0;
    std::wstring reason;
    if (!parseRecords(text, detectSeparator(text), 0, records, errorLine, reason))
        return Result::failure(reason, TextLocation::atLine(errorLine));
    std::vector<std::vector<std::wstring>> fields;
    fields.reserve(records.size());
    for (Record& record : records)
        fields.push_back(std::move(record.fields));
    rows = std::move(fields);
    return Result::success();
}

Result CsvReader::read(std::string_view bytes, SheetModel& model) {
    const std::wstring text = TextCodec::decodeAny(bytes);
    if (Result binary = refuseBinary(text); !binary)
        return binary;
    const wchar_t separator = detectSeparator(text);
    std::vector<Record> records;
    std::size_t errorLine = 0;
    std::wstring reason;
    if (!parseRecords(text, separator, 0, records, errorLine, reason))
        return Result::failure(reason, TextLocation::atLine(errorLine));
    if (records.size() > static_cast<std::size_t>(kMaxRows))
        return Result::failure(L"more rows than a sheet holds",
                               TextLocation::atLine(records.size()));

    SheetModel fresh;
    fresh.maxRows = static_cast<int>(records.size());
    for (std::size_t r = 0; r < records.size(); ++r) {
        const Record& record = records[r];
        if (record.fields.size() > static_cast<std::size_t>(kMaxColumns))
            return Result::failure(L"more fields than a sheet has columns",
                                   TextLocation::atLine(record.line));
        fresh.maxCols = std::max(fresh.maxCols, static_cast<int>(record.fields.size()));
        for (std::size_t c = 0; c < record.fields.size(); ++c) {
            const std::wstring& field = record.fields[c];
            if (field.empty())
                continue;
            const CellRef ref{static_cast<int>(c + 1), static_cast<int>(r + 1)};
            Cell& cell = fresh.cells.at(ref);
            if (field[0] == L'=') {
                const Result parsed = Formula::parse(field, ref, ReferenceStyle::A1, cell.formula);
                if (!parsed)
                    return Result::failure(L"field " + std::to_wstring(c + 1) +
                                               L": formula does not parse at character " +
                                               std::to_wstring(parsed.where().column) + L": " +
                                               parsed.message(),
                                           TextLocation::atLine(record.line));
            } else if (const auto number = NumberText::parse(field)) {
                cell.value = Value::number(*number);
            } else {
                cell.value = Value::text(field);
            }
        }
    }
    model = std::move(fresh);
    return Result::success();
}

} // namespace grid
