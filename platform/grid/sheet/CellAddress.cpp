#include "platform/grid/sheet/CellAddress.h"

#include "platform/grid/sheet/Limits.h"

namespace grid {

std::wstring CellAddress::columnLetters(int col) {
    std::wstring letters;
    while (col > 0) {
        const int digit = (col - 1) % 26;
        letters.insert(letters.begin(), static_cast<wchar_t>(L'A' + digit));
        col = (col - 1) / 26;
    }
    return letters;
}

std::optional<int> CellAddress::columnFromLetters(std::wstring_view letters) {
    if (letters.empty() || letters.size() > 3)
        return std::nullopt;
    int col = 0;
    for (const wchar_t ch : letters) {
        int digit = 0;
        if (ch >= L'A' && ch <= L'Z')
            digit = ch - L'A' + 1;
        else if (ch >= L'a' && ch <= L'z')
            digit = ch - L'a' + 1;
        else
            return std::nullopt;
        col = col * 26 + digit;
    }
    if (col > kMaxColumns)
        return std::nullopt;
    return col;
}

std::wstring CellAddress::a1(CellRef ref) {
    return columnLetters(ref.col) + std::to_wstring(ref.row);
}

} // namespace grid
