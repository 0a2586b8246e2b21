#pragma once

#include <string>
#include <vector>

// The clipboard that spreadsheet controls copy to and paste from: one rectangular block of cell
// texts, row by row (a formula as "=" and its text). It is process-wide, as the system's
// clipboard is, so a block copied in one control pastes into another.
class SpreadClipboard {
public:
    static SpreadClipboard& instance();

    // Replaces the content; rows may differ in length.
    void set(std::vector<std::vector<std::wstring>> rows) { rows_ = std::move(rows); }
    const std::vector<std::vector<std::wstring>>& rows() const { return rows_; }
    bool isEmpty() const { return rows_.empty(); }
    void clear() { rows_.clear(); }

private:
    SpreadClipboard() = default;

    std::vector<std::vector<std::wstring>> rows_;
};
