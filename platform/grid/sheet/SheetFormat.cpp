#include "platform/grid/sheet/Sheet.h"

#include <map>
#include <memory>
#include <vector>

// Formats, spans, layout, options and the editing state.

namespace grid {

bool Sheet::changeFormat(const CellRange& block, const std::function<void(CellFormat&)>& change) {
    if (!blockInSheet(block))
        return false;
    static const CellFormat kDefault;
    if (block.first == block.last) {
        // One cell: its own changed copy, without the bookkeeping of shared formats.
        Cell* existing = model_.cells.find(block.first);
        CellFormat format = existing && existing->format ? *existing->format : kDefault;
        change(format);
        std::shared_ptr<const CellFormat> shared;
        if (!(format == kDefault)) {
            // Cells formatted one by one alike (a list of number cells) share one format.
            for (const auto& recent : recentFormats_) {
                if (recent && *recent == format) {
                    shared = recent;
                    break;
                }
            }
            if (!shared) {
                shared = std::make_shared<const CellFormat>(std::move(format));
                recentFormats_[nextRecentFormat_] = shared;
                nextRecentFormat_ = (nextRecentFormat_ + 1) % recentFormats_.size();
            }
        }
        if (!existing && !shared)
            return true;
        model_.cells.at(block.first).format = std::move(shared);
        model_.cells.eraseIfBlank(block.first);
        return true;
    }
    // Cells that shared a format keep sharing its changed copy.
    std::map<const CellFormat*, std::shared_ptr<const CellFormat>> changed;
    // Old formats stay alive until the end, so no address in `changed` is reused meanwhile.
    std::vector<std::shared_ptr<const CellFormat>> keepAlive;
    for (int row = block.first.row; row <= block.last.row; ++row) {
        for (int col = block.first.col; col <= block.last.col; ++col) {
            const CellRef ref{col, row};
            Cell* existing = model_.cells.find(ref);
            const CellFormat* old = existing && existing->format ? existing->format.get() : nullptr;
            auto it = changed.find(old);
            if (it == changed.end()) {
                CellFormat format = old ? *old : kDefault;
                change(format);
                std::shared_ptr<const CellFormat> shared;
                if (!(format == kDefault))
                    shared = std::make_shared<const CellFormat>(std::move(format));
                it = changed.emplace(old, std::move(shared)).first;
            }
            if (!existing && !it->second)
                continue;
            if (existing && existing->format)
                keepAlive.push_back(existing->format);
            model_.cells.at(ref).format = it->second;
            model_.cells.eraseIfBlank(ref);
        }
    }
    return true;
}

bool Sheet::setCellType(const CellRange& block, const CellType& type) {
    // A cell given the type it has keeps its format as it is: nothing to share or copy.
    if (block.first == block.last && blockInSheet(block)) {
        const Cell* cell = model_.cells.find(block.first);
        static const CellType kGeneral;
        if ((cell ? cell->formatOrDefault().type : kGeneral) == type)
            return true;
    }
    return changeFormat(block, [&](CellFormat& format) { format.type = type; });
}

std::optional<CellType> Sheet::cellType(CellRef ref) const {
    if (!inSheet(ref))
        return std::nullopt;
    const Cell* cell = model_.cells.find(ref);
    return cell ? cell->formatOrDefault().type : CellType();
}

int Sheet::cellTypeCode(CellRef ref) const {
    const auto type = cellType(ref);
    return type ? type->code() : -1;
}

bool Sheet::setLocked(const CellRange& block, bool locked) {
    return changeFormat(block, [&](CellFormat& format) { format.locked = locked; });
}

bool Sheet::isLocked(CellRef ref) const {
    const auto current = format(ref);
    return current && current->locked;
}

bool Sheet::setFont(const CellRange& block, const CellFont& font) {
    return changeFormat(block, [&](CellFormat& format) { format.font = font; });
}

bool Sheet::setColours(const CellRange& block, std::uint32_t background, std::uint32_t foreground) {
    return changeFormat(block, [&](CellFormat& format) {
        format.background = background;
        format.foreground = foreground;
    });
}

bool Sheet::setBorder(const CellRange& block, const CellBorder& border) {
    return changeFormat(block, [&](CellFormat& format) { format.border = border; });
}

std::optional<CellFormat> Sheet::format(CellRef ref) const {
    if (!inSheet(ref))
        return std::nullopt;
    const Cell* cell = model_.cells.find(ref);
    return cell ? cell->formatOrDefault() : CellFormat();
}

bool Sheet::addSpan(const CellRange& block) {
    return blockInSheet(block) && model_.spans.add(block);
}

bool Sheet::removeSpan(CellRef anchor) {
    return inSheet(anchor) && model_.spans.remove(anchor);
}

std::optional<CellRange> Sheet::spanAt(CellRef ref) const {
    if (!inSheet(ref))
        return std::nullopt;
    return model_.spans.find(ref);
}

bool Sheet::setColumnWidth(int col, int pixels) {
    if (col < 0 || col > model_.maxCols || pixels < 0)
        return false;
    model_.layout.setColumnWidth(col, pixels);
    return true;
}

int Sheet::columnWidth(int col) const {
    if (col < 0 || col > model_.maxCols)
        return -1;
    return model_.layout.columnWidth(col);
}

bool Sheet::setRowHeight(int row, int pixels) {
    if (row < 0 || row > model_.maxRows || pixels < 0)
        return false;
    model_.layout.setRowHeight(row, pixels);
    return true;
}

int Sheet::rowHeight(int row) const {
    if (row < 0 || row > model_.maxRows)
        return -1;
    return model_.layout.rowHeight(row);
}

bool Sheet::setRowHidden(int row, bool hidden) {
    if (row < 1 || row > model_.maxRows)
        return false;
    model_.layout.setRowHidden(row, hidden);
    return true;
}

bool Sheet::isRowHidden(int row) const {
    return row >= 1 && row <= model_.maxRows && model_.layout.isRowHidden(row);
}

bool Sheet::setOption(int index, bool on) {
    if (index < 0 || index >= SheetOption::kOptionCount)
        return false;
    const bool wasAuto = autoCalculate();
    model_.options.set(static_cast<std::size_t>(index), on);
    // Switching automatic calculation back on catches up with what changed meanwhile.
    if (index == SheetOption::kAutoCalculate && on && !wasAuto)
        recalcAll();
    return true;
}

bool Sheet::option(int index) const {
    return index >= 0 && index < SheetOption::kOptionCount &&
           model_.options.test(static_cast<std::size_t>(index));
}

bool Sheet::setActiveCell(CellRef ref) {
    if (!inBody(ref))
        return false;
    if (model_.activeCell != ref) {
        model_.editMode = false;
        model_.editSelectionStart = model_.editSelectionLength = 0;
    }
    model_.activeCell = ref;
    return true;
}

bool Sheet::setSelection(const CellRange& block) {
    auto fits = [](int value, int max) { return value == -1 || (value >= 1 && value <= max); };
    if (!fits(block.first.col, model_.maxCols) || !fits(block.last.col, model_.maxCols) ||
        !fits(block.first.row, model_.maxRows) || !fits(block.last.row, model_.maxRows))
        return false;
    model_.selection = block;
    return true;
}

bool Sheet::setEditMode(bool on) {
    if (on && !model_.activeCell)
        return false;
    model_.editMode = on;
    if (!on)
        model_.editSelectionStart = model_.editSelectionLength = 0;
    return true;
}

bool Sheet::setEditSelection(int start, int length) {
    if (!model_.editMode || start < 0 || length < 0)
        return false;
    model_.editSelectionStart = start;
    model_.editSelectionLength = length;
    return true;
}

} // namespace grid
