#include "platform/grid/files/TfsReader.h"

#include "platform/grid/files/TextCodec.h"
#include "platform/grid/files/TfsSyntax.h"
#include "platform/grid/files/TfsWriter.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/values/ErrorCode.h"
#include "platform/grid/values/NumberText.h"

#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace grid {

namespace {

using Fields = std::vector<TfsSyntax::Field>;

// A reason for rejecting a line; thrown inside the reader only and turned into a Result.
struct Damage {
    std::wstring reason;
};

class Reader {
public:
    explicit Reader(SheetModel& model) : model_(model) {}

    void line(const Fields& fields) {
        const std::wstring& record = fields[0].text;
        fields_ = &fields;
        if (ended_)
            throw Damage{L"text after \"end\""};
        if (!sized_ && record != L"size")
            throw Damage{L"\"size\" must come first"};
        if (record == L"size")
            size();
        else if (record == L"refstyle")
            referenceStyle();
        else if (record == L"option")
            option();
        else if (record == L"gridlines")
            gridLines();
        else if (record == L"active")
            active();
        else if (record == L"selection")
            selection();
        else if (record == L"width")
            layout(true);
        else if (record == L"height")
            layout(false);
        else if (record == L"hidden")
            hidden();
        else if (record == L"span")
            span();
        else if (record == L"value")
            value();
        else if (record == L"formula")
            formula();
        else if (record == L"type")
            type();
        else if (record == L"lock")
            lock();
        else if (record == L"font")
            font();
        else if (record == L"colours")
            colours();
        else if (record == L"border")
            border();
        else if (record == L"tag")
            text(true);
        else if (record == L"note")
            text(false);
        else if (record == L"end")
            end();
        else
            throw Damage{L"unknown record \"" + record + L"\""};
    }

    bool ended() const { return ended_; }

private:
    const Fields& fields() const { return *fields_; }

    void count(std::size_t min, std::size_t max) const {
        if (fields().size() < min || fields().size() > max)
            throw Damage{L"wrong number of fields for \"" + fields()[0].text + L"\""};
    }

    const std::wstring& word(std::size_t i) const {
        if (fields()[i].quoted)
            throw Damage{L"field " + std::to_wstring(i + 1) + L" must not be quoted"};
        return fields()[i].text;
    }

    const std::wstring& quoted(std::size_t i) const {
        if (!fields()[i].quoted)
            throw Damage{L"field " + std::to_wstring(i + 1) + L" must be quoted text"};
        return fields()[i].text;
    }

    long long integer(std::size_t i, long long min, long long max) const {
        const auto value = TfsSyntax::integer(word(i));
        if (!value || *value < min || *value > max)
            throw Damage{L"bad number \"" + fields()[i].text + L"\""};
        return *value;
    }

    std::uint32_t hexWord(std::size_t i) const {
        const auto value = TfsSyntax::word(word(i));
        if (!value)
            throw Damage{L"bad number \"" + fields()[i].text + L"\""};
        return *value;
    }

    double real(std::size_t i) const {
        const std::wstring& text = word(i);
        const auto value = NumberText::parse(text);
        if (!value || text.find_first_of(L" \t") != std::wstring::npos)
            throw Damage{L"bad number \"" + text + L"\""};
        return *value;
    }

    int col(std::size_t i) const { return static_cast<int>(integer(i, 0, model_.maxCols)); }
    int row(std::size_t i) const { return static_cast<int>(integer(i, 0, model_.maxRows)); }
    CellRef cellAt(std::size_t i) const { return {col(i), row(i + 1)}; }

    // Value fields from position i: empty | number n | text "t" | true | false | error #X!.
    Value valueAt(std::size_t i) const {
        const std::wstring& kind = word(i);
        if (kind == L"empty" || kind == L"true" || kind == L"false") {
            count(i + 1, i + 1);
            if (kind == L"empty")
                return Value();
            return Value::boolean(kind == L"true");
        }
        count(i + 2, i + 2);
        if (kind == L"number")
            return Value::number(real(i + 1));
        if (kind == L"text")
            return Value::text(quoted(i + 1));
        if (kind == L"error") {
            const auto code = errorFromText(word(i + 1));
            if (!code)
                throw Damage{L"unknown error value \"" + fields()[i + 1].text + L"\""};
            return Value::error(*code);
        }
        throw Damage{L"unknown value kind \"" + kind + L"\""};
    }

    CellFormat& formatOf(CellRef ref) {
        auto& format = formats_[ref];
        if (!format)
            format = std::make_shared<CellFormat>();
        return *format;
    }

    void size() {
        count(3, 3);
        if (sized_)
            throw Damage{L"\"size\" given twice"};
        model_.maxCols = static_cast<int>(integer(1, 0, kMaxColumns));
        model_.maxRows = static_cast<int>(integer(2, 0, kMaxRows));
        sized_ = true;
    }

    void referenceStyle() {
        count(2, 2);
        model_.referenceStyle = static_cast<ReferenceStyle>(integer(1, 0, 2));
    }

    void option() {
        count(3, 3);
        const auto index = static_cast<std::size_t>(integer(1, 0, SheetOption::kOptionCount - 1));
        const bool on = integer(2, 0, 1) == 1;
        // The changed flag tells of unsaved edits; it is no part of the file.
        if (index != static_cast<std::size_t>(SheetOption::kChanged))
            model_.options.set(index, on);
    }

    void gridLines() {
        count(3, 3);
        model_.gridType = static_cast<int>(integer(1, 0, 0xFFFF));
        model_.gridColour = hexWord(2);
    }

    void active() {
        count(3, 3);
        const CellRef ref = cellAt(1);
        if (ref.col < 1 || ref.row < 1)
            throw Damage{L"the active cell must lie in the sheet"};
        model_.activeCell = ref;
    }

    void selection() {
        count(5, 5);
        auto bound = [&](std::size_t i, int max) {
            const long long value = integer(i, -1, max);
            if (value == 0)
                throw Damage{L"bad selection bound"};
            return static_cast<int>(value);
        };
        model_.selection = CellRange{{bound(1, model_.maxCols), bound(2, model_.maxRows)},
                                     {bound(3, model_.maxCols), bound(4, model_.maxRows)}};
    }

    void layout(bool width) {
        count(3, 3);
        const int index = width ? col(1) : row(1);
        const int pixels = static_cast<int>(integer(2, 0, 100000));
        if (width)
            model_.layout.setColumnWidth(index, pixels);
        else
            model_.layout.setRowHeight(index, pixels);
    }

    void hidden() {
        count(2, 2);
        model_.layout.setRowHidden(static_cast<int>(integer(1, 1, model_.maxRows)), true);
    }

    void span() {
        count(5, 5);
        const CellRange block{cellAt(1), cellAt(3)};
        if (block.first.col > block.last.col || block.first.row > block.last.row ||
            !model_.spans.add(block))
            throw Damage{L"bad span (one cell, turned over, or overlapping another)"};
    }

    void value() {
        count(4, 5);
        const CellRef ref = cellAt(1);
        Cell& cell = model_.cells.at(ref);
        cell.value = valueAt(3);
        cell.formula.reset();
    }

    void formula() {
        count(4, 6);
        const CellRef ref = cellAt(1);
        if (ref.col < 1 || ref.row < 1)
            throw Damage{L"a header cell cannot hold a formula"};
        FormulaPtr parsed;
        const Result result = Formula::parse(quoted(3), ref, ReferenceStyle::A1, parsed);
        if (!result)
            throw Damage{L"formula does not parse at character " +
                         std::to_wstring(result.where().column) + L": " + result.message()};
        Cell& cell = model_.cells.at(ref);
        cell.formula = parsed;
        cell.value = fields().size() > 4 ? valueAt(4) : Value();
    }

    void type() {
        if (fields().size() < 5)
            throw Damage{L"wrong number of fields for \"type\""};
        const CellRef ref = cellAt(1);
        const std::wstring& kind = word(3);
        const std::uint32_t style = hexWord(4);
        CellType parsed;
        if (kind == L"general") {
            count(5, 5);
        } else if (kind == L"edit") {
            count(6, 6);
            parsed = CellType::edit(style, static_cast<int>(integer(5, 0, 1000000000)));
        } else if (kind == L"number") {
            count(8, 8);
            parsed = CellType::number(style, static_cast<int>(integer(5, 0, 15)), real(6), real(7));
        } else if (kind == L"combo") {
            count(6, fields().size());
            std::vector<std::wstring> items;
            for (std::size_t i = 6; i < fields().size(); ++i)
                items.push_back(quoted(i));
            parsed = CellType::combo(style, std::move(items), integer(5, 0, 1) == 1);
        } else if (kind == L"check") {
            count(8, 8);
            parsed = CellType::checkBox(style, quoted(5), quoted(6), quoted(7));
        } else if (kind == L"picturebutton") {
            count(6, 6);
            parsed = CellType::pictureButton(style, quoted(5));
        } else if (kind == L"button") {
            count(6, 6);
            parsed = CellType::textButton(style, quoted(5));
        } else if (kind == L"static") {
            count(5, 5);
            parsed = CellType::staticText(style);
        } else if (kind == L"picture") {
            count(6, 6);
            parsed = CellType::picture(style, quoted(5));
        } else {
            throw Damage{L"unknown cell type \"" + kind + L"\""};
        }
        formatOf(ref).type = std::move(parsed);
    }

    void lock() {
        count(3, 3);
        formatOf(cellAt(1)).locked = true;
    }

    void font() {
        count(6, 6);
        CellFont parsed{quoted(3), static_cast<int>(integer(4, 0, 100000)),
                        static_cast<int>(integer(5, 0, 1000))};
        formatOf(cellAt(1)).font = std::move(parsed);
    }

    void colours() {
        count(5, 5);
        CellFormat& format = formatOf(cellAt(1));
        format.background = hexWord(3);
        format.foreground = hexWord(4);
    }

    void border() {
        count(6, 6);
        formatOf(cellAt(1)).border =
            CellBorder{static_cast<int>(integer(3, 0, 1000000)),
                       static_cast<int>(integer(4, 0, 1000000)), hexWord(5)};
    }

    void text(bool tag) {
        count(4, 4);
        Cell& cell = model_.cells.at(cellAt(1));
        (tag ? cell.tag : cell.note) = quoted(3);
    }

    void end() {
        count(1, 1);
        ended_ = true;
        // Formats are shared by content, as the sheet shares them.
        std::vector<std::shared_ptr<const CellFormat>> distinct;
        for (auto& [ref, format] : formats_) {
            std::shared_ptr<const CellFormat> shared;
            for (const auto& known : distinct) {
                if (*known == *format) {
                    shared = known;
                    break;
                }
            }
            if (!shared && distinct.size() < 64) {
                shared = format;
                distinct.push_back(shared);
            }
            model_.cells.at(ref).format = shared ? shared : format;
        }
        formats_.clear();
    }

    SheetModel& model_;
    const Fields* fields_ = nullptr;
    std::unordered_map<CellRef, std::shared_ptr<CellFormat>> formats_;
    bool sized_ = false;
    bool ended_ = false;
};

} // namespace

Result TfsReader::read(std::string_view bytes, SheetModel& model) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::wstring text;
    std::size_t bad = 0;
    if (!TextCodec::decodeUtf8(bytes, text, bad))
        return Result::failure(L"not UTF-8 text (byte " + std::to_wstring(bad + 1) + L")");

    SheetModel fresh;
    Reader reader(fresh);
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    Fields fields;
    bool headerSeen = false;
    try {
        while (start < text.size()) {
            std::size_t end = text.find(L'\n', start);
            if (end == std::wstring::npos)
                end = text.size();
            std::wstring_view line(text.data() + start, end - start);
            start = end + 1;
            ++lineNumber;
            if (!line.empty() && line.back() == L'\r')
                line.remove_suffix(1);
            std::wstring reason;
            if (!TfsSyntax::split(line, fields, reason))
                throw Damage{reason};
            if (fields.empty())
                continue;
            if (!headerSeen) {
                if (fields.size() != 2 || fields[0].quoted || fields[0].text != L"tessa-sheet")
                    throw Damage{L"not a sheet file (it must start with \"tessa-sheet\")"};
                const auto version = TfsSyntax::integer(fields[1].text);
                if (!version || *version < 1)
                    throw Damage{L"bad version \"" + fields[1].text + L"\""};
                if (*version > TfsWriter::kVersion)
                    throw Damage{L"version " + fields[1].text +
                                 L" is newer than this program reads (" +
                                 std::to_wstring(TfsWriter::kVersion) + L")"};
                headerSeen = true;
                continue;
            }
            if (fields[0].quoted)
                throw Damage{L"a line must start with a record name"};
            reader.line(fields);
        }
    } catch (const Damage& damage) {
        return Result::failure(damage.reason, TextLocation::atLine(lineNumber));
    }
    if (!headerSeen)
        return Result::failure(L"empty file");
    if (!reader.ended())
        return Result::failure(L"the file is cut short (no \"end\")",
                               TextLocation::atLine(lineNumber));
    model = std::move(fresh);
    return Result::success();
}

} // namespace grid
