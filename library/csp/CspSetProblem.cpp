#include "library/csp/CspSetProblem.h"

#include "library/csp/CuttingOptimizer.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace csp {

namespace {

std::string quoted(const Vdn_String& text) {
    return "\"" + text.toUtf8() + "\"";
}

bool blankRow(const Vdn_StringArray& row) {
    for (const Vdn_String& cell : row) {
        if (!cell.trim().isEmpty())
            return false;
    }
    return true;
}

Vdn_String cell(const Vdn_StringArray& row, int index) {
    return index < row.length() ? row[index].trim() : Vdn_String();
}

} // namespace

bool readCount(const Vdn_String& text, std::int64_t& count) {
    const std::string digits = text.trim().toUtf8();
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    std::int64_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    if (ec != std::errc() || ptr != end || value > CuttingOptimizer::kMaxPieces)
        return false;
    count = value;
    return true;
}

bool readLength(const Vdn_String& text, double& length) {
    // A decimal comma, as Dutch and French users type it, reads as a point.
    std::string number = text.trim().toUtf8();
    for (char& c : number) {
        if (c == ',')
            c = '.';
    }
    if (number.empty() || number.front() == '+')
        return false;
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [ptr, ec] = std::from_chars(number.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value) || value <= 0 ||
        value > CuttingOptimizer::kMaxLength)
        return false;
    length = value;
    return true;
}

bool problemFromTables(const CspSetTables& tables, CuttingProblem& problem,
                       std::vector<std::string>& problems) {
    CuttingProblem read;
    const std::size_t before = problems.size();
    const auto badLength = [&problems](const char* table, int row, const Vdn_String& text) {
        problems.push_back(std::string(table) + " row " + std::to_string(row + 1) +
                           ": the length " + quoted(text) + " is not a length in mm above 0");
    };
    const auto badCount = [&problems](const char* table, int row, const Vdn_String& text) {
        problems.push_back(std::string(table) + " row " + std::to_string(row + 1) +
                           ": the quantity " + quoted(text) +
                           " is not a whole number of 0 or more");
    };
    for (int row = 0; row < tables.parts.length(); ++row) {
        const Vdn_StringArray& cells = tables.parts[row];
        if (blankRow(cells))
            continue;
        CutPart part;
        part.mark = cell(cells, 0).toUtf8();
        if (!readLength(cell(cells, 1), part.length))
            badLength("parts", row, cell(cells, 1));
        else if (!readCount(cell(cells, 2), part.quantity))
            badCount("parts", row, cell(cells, 2));
        else
            read.parts.push_back(part);
    }
    for (int row = 0; row < tables.stock.length(); ++row) {
        const Vdn_StringArray& cells = tables.stock[row];
        if (blankRow(cells))
            continue;
        StockLength stock;
        std::int64_t quantity = 0;
        if (!readLength(cell(cells, 0), stock.length)) {
            badLength("stock", row, cell(cells, 0));
            continue;
        }
        if (!cell(cells, 1).isEmpty()) {
            if (!readCount(cell(cells, 1), quantity)) {
                badCount("stock", row, cell(cells, 1));
                continue;
            }
            stock.quantity = quantity;
        }
        read.stock.push_back(stock);
    }
    for (int row = 0; row < tables.buy.length(); ++row) {
        const Vdn_StringArray& cells = tables.buy[row];
        if (blankRow(cells))
            continue;
        StockLength stock;
        if (!readLength(cell(cells, 0), stock.length))
            badLength("buy", row, cell(cells, 0));
        else
            read.stock.push_back(stock);
    }
    if (problems.size() != before)
        return false;
    problem.parts = std::move(read.parts);
    problem.stock = std::move(read.stock);
    return true;
}

std::optional<std::string> tableRowsProblem(const Vdn_Array<Vdn_StringArray>& rows, bool stock) {
    const char* kind = stock ? "stock" : "buy";
    int used = 0;
    for (int r = 0; r < rows.length(); ++r) {
        const Vdn_StringArray& row = rows[r];
        int filled = 0;
        for (int c = 0; c < row.length(); ++c)
            filled = row[c].trim().isEmpty() ? filled : c + 1;
        if (filled == 0)
            continue;
        ++used;
        const std::string where = "row " + std::to_string(r + 1) + ": ";
        if (filled > 2)
            return where + std::to_string(filled) + " cells, where a " + kind +
                   " row has 2; this is not a cutting-stock table";
        // The dialog's tables keep rows a user has only begun (no length yet) as they are.
        if (row[0].trim().isEmpty())
            continue;
        double length = 0;
        if (!readLength(row[0], length))
            return where + "\"" + row[0].toUtf8() +
                   "\" is not a length in mm; this is not a cutting-stock table";
        std::int64_t count = 0;
        if (stock && row.length() > 1 && !row[1].trim().isEmpty() && !readCount(row[1], count))
            return where + "\"" + row[1].toUtf8() + "\" is not a quantity";
    }
    if (used == 0)
        return std::string("no rows; a ") + kind + " table holds at least one";
    return std::nullopt;
}

} // namespace csp
