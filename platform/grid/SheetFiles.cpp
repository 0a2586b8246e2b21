#include "platform/grid/CsvReader.h"
#include "platform/grid/CsvWriter.h"
#include "platform/grid/Sheet.h"
#include "platform/grid/TfsReader.h"
#include "platform/grid/TfsWriter.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

// Loading and saving. Input is read into a fresh model first; only a complete, valid model
// replaces the sheet.

namespace grid {

namespace {

constexpr std::uintmax_t kMaxFileBytes = 512u * 1024u * 1024u;

Result readFile(const std::filesystem::path& path, std::string& bytes) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return Result::failure(L"cannot read " + path.wstring());
    if (size > kMaxFileBytes)
        return Result::failure(L"file too large: " + path.wstring());
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Result::failure(L"cannot open " + path.wstring());
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return Result::failure(L"cannot read " + path.wstring());
    return Result::success();
}

// Writes through a temporary file beside the target, so a failed save leaves the old file.
bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
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

bool Sheet::saveTfs(const std::filesystem::path& path, bool dataOnly) const {
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

bool Sheet::exportCsv(const std::filesystem::path& path, wchar_t separator) const {
    if (separator != L',' && separator != L';' && separator != L'\t')
        return false;
    return writeFile(path, writeCsv(separator));
}

} // namespace grid
