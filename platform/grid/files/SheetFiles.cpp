#include "platform/grid/files/CsvReader.h"
#include "platform/grid/files/CsvWriter.h"
#include "platform/grid/files/TextCodec.h"
#include "platform/grid/files/TfsReader.h"
#include "platform/grid/files/TfsWriter.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/io/AtomicWrite.h"
#include "platform/io/InputLog.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

// Loading and saving. Input is read into a fresh model first; only a complete, valid model
// replaces the sheet.

namespace grid {

namespace {

// The path for a message: its native name is UTF-8 (a wide conversion depends on a locale and
// throws on names outside it).
std::wstring shown(const std::filesystem::path& path) {
    std::wstring text;
    std::size_t bad = 0;
    if (!TextCodec::decodeUtf8(path.native(), text, bad))
        text = TextCodec::decodeAny(path.native());
    return text;
}

Result readFile(const std::filesystem::path& path, std::string& bytes) {
    // Only a regular file has a size to check before reading: a device or a FIFO would be read
    // without end, or hang.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status))
        return Result::failure(L"cannot read " + shown(path));
    if (!std::filesystem::is_regular_file(status))
        return Result::failure(L"not a regular file: " + shown(path));
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return Result::failure(L"cannot read " + shown(path));
    if (size > Sheet::kMaxFileBytes)
        return Result::failure(L"file too large: " + shown(path) + L" holds " +
                               std::to_wstring(size / (1024 * 1024)) + L" MB, a sheet at most " +
                               std::to_wstring(Sheet::kMaxFileBytes / (1024 * 1024)) + L" MB");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Result::failure(L"cannot open " + shown(path));
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return Result::failure(L"cannot read " + shown(path));
    io::InputLog::note(path);
    return Result::success();
}

// Every save goes through the one atomic, checked write: a failed save leaves the old file.
// A file this control could not load again is not written at all.
Result writeFile(const std::filesystem::path& path, const std::string& bytes) {
    if (bytes.size() > Sheet::kMaxFileBytes) {
        const std::wstring reason = shown(path) + L": the sheet would take " +
                                    std::to_wstring(bytes.size() / (1024 * 1024)) +
                                    L" MB, more than the " +
                                    std::to_wstring(Sheet::kMaxFileBytes / (1024 * 1024)) +
                                    L" MB a sheet file may hold; nothing was written";
        io::noteWriteFailure(TextCodec::encodeUtf8(reason));
        return Result::failure(reason);
    }
    const io::WriteResult written = io::writeFileAtomically(path, bytes);
    if (!written)
        return Result::failure(TextCodec::decodeAny(written.reason()));
    return Result::success();
}

} // namespace

void Sheet::adopt(SheetModel model) {
    model_ = std::move(model);
    rebuildGraph();
    // Formulas that arrive without a result (CSV, or .tfs written by hand) are computed now.
    std::vector<CellRef> uncomputed;
    for (const auto& [ref, cell] : model_.cells.all()) {
        if (cell.formula && cell.value.isEmpty())
            uncomputed.push_back(ref);
    }
    std::sort(uncomputed.begin(), uncomputed.end(), readingOrderLess);
    if (!uncomputed.empty())
        recalc(std::move(uncomputed), true);
}

Result Sheet::readTfs(std::string_view bytes) {
    if (structureLocked())
        return Result::failure(L"the sheet is being calculated");
    SheetModel model;
    Result result = TfsReader::read(bytes, model);
    if (result)
        adopt(std::move(model));
    return result;
}

Result Sheet::loadTfs(const std::filesystem::path& path) {
    std::string bytes;
    if (Result read = readFile(path, bytes); !read)
        return read;
    return readTfs(bytes);
}

Result Sheet::restore(const SheetModel& snapshot) {
    if (structureLocked())
        return Result::failure(L"the sheet is being calculated");
    adopt(snapshot);
    return Result::success();
}

std::string Sheet::writeTfs(bool dataOnly) const {
    return TfsWriter::write(model_, dataOnly);
}

Result Sheet::saveTfs(const std::filesystem::path& path, bool dataOnly) const {
    return writeFile(path, writeTfs(dataOnly));
}

Result Sheet::readCsv(std::string_view bytes) {
    if (structureLocked())
        return Result::failure(L"the sheet is being calculated");
    SheetModel model;
    Result result = CsvReader::read(bytes, model);
    if (result)
        adopt(std::move(model));
    return result;
}

Result Sheet::importCsv(const std::filesystem::path& path) {
    std::string bytes;
    if (Result read = readFile(path, bytes); !read)
        return read;
    return readCsv(bytes);
}

std::string Sheet::writeCsv(wchar_t separator) const {
    return CsvWriter::write(model_, separator);
}

Result Sheet::exportCsv(const std::filesystem::path& path, wchar_t separator) const {
    if (separator != L',' && separator != L';' && separator != L'\t')
        return Result::failure(L"a CSV separator is a comma, a semicolon or a tab");
    return writeFile(path, writeCsv(separator));
}

} // namespace grid
