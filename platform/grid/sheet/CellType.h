#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace grid {

// What a cell is for and how it shows and accepts its value, with the settings of its kind.
// The style is the control's style word, kept as given (its bits only matter to a renderer).
// Pictures are named by whatever the caller loads them from (a resource id, a file).
class CellType {
public:
    enum class Kind {
        General,
        Edit,
        Number,
        Combo,
        CheckBox,
        PictureButton,
        TextButton,
        Static,
        Picture
    };

    // The control's cell-type codes, as cellTypeCode reports them.
    static constexpr int kGeneralCode = 0;
    static constexpr int kEditCode = 1;
    static constexpr int kStaticCode = 5;
    static constexpr int kTextButtonCode = 7;
    static constexpr int kPictureCode = 8;
    static constexpr int kComboCode = 9;
    static constexpr int kPictureButtonCode = 11;
    static constexpr int kCheckBoxCode = 12;
    static constexpr int kNumberCode = 14;

    // No type set: text that reads as a number is stored as a number.
    CellType() = default;
    // Text; longer text is cut to maxLength (0: no limit).
    static CellType edit(std::uint32_t style, int maxLength);
    // A number shown with `decimals` decimals; values outside minimum..maximum are refused.
    static CellType number(std::uint32_t style, int decimals, double minimum, double maximum);
    static CellType combo(std::uint32_t style, std::vector<std::wstring> items, bool editable);
    // Holds "1" (checked) or "0".
    static CellType checkBox(std::uint32_t style, std::wstring text, std::wstring pictureUp,
                             std::wstring pictureDown);
    static CellType pictureButton(std::uint32_t style, std::wstring picture);
    static CellType textButton(std::uint32_t style, std::wstring text);
    // Shows its text, as titles and headers do.
    static CellType staticText(std::uint32_t style);
    static CellType picture(std::uint32_t style, std::wstring picture);

    Kind kind() const { return kind_; }
    int code() const;
    std::uint32_t style() const { return style_; }
    int maxLength() const { return maxLength_; }
    int decimals() const { return decimals_; }
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    const std::vector<std::wstring>& items() const { return items_; }
    bool editable() const { return editable_; }
    // Check-box label or button caption.
    const std::wstring& text() const { return text_; }
    // The picture; for a check box the unchecked ("up") one.
    const std::wstring& picture() const { return picture_; }
    // The checked ("down") picture of a check box.
    const std::wstring& pictureDown() const { return pictureDown_; }

    friend bool operator==(const CellType&, const CellType&) = default;

private:
    Kind kind_ = Kind::General;
    std::uint32_t style_ = 0;
    int maxLength_ = 0;
    int decimals_ = 0;
    double minimum_ = 0;
    double maximum_ = 0;
    std::vector<std::wstring> items_;
    bool editable_ = false;
    std::wstring text_;
    std::wstring picture_;
    std::wstring pictureDown_;
};

} // namespace grid
