#include "platform/grid/sheet/CellType.h"

#include <algorithm>
#include <utility>

namespace grid {

CellType CellType::edit(std::uint32_t style, int maxLength) {
    CellType type;
    type.kind_ = Kind::Edit;
    type.style_ = style;
    type.maxLength_ = std::max(maxLength, 0);
    return type;
}

CellType CellType::number(std::uint32_t style, int decimals, double minimum, double maximum) {
    CellType type;
    type.kind_ = Kind::Number;
    type.style_ = style;
    type.decimals_ = std::clamp(decimals, 0, 15);
    type.minimum_ = std::min(minimum, maximum);
    type.maximum_ = std::max(minimum, maximum);
    return type;
}

CellType CellType::combo(std::uint32_t style, std::vector<std::wstring> items, bool editable) {
    CellType type;
    type.kind_ = Kind::Combo;
    type.style_ = style;
    type.items_ = std::move(items);
    type.editable_ = editable;
    return type;
}

CellType CellType::checkBox(std::uint32_t style, std::wstring text, std::wstring pictureUp,
                            std::wstring pictureDown) {
    CellType type;
    type.kind_ = Kind::CheckBox;
    type.style_ = style;
    type.text_ = std::move(text);
    type.picture_ = std::move(pictureUp);
    type.pictureDown_ = std::move(pictureDown);
    return type;
}

CellType CellType::pictureButton(std::uint32_t style, std::wstring picture) {
    CellType type;
    type.kind_ = Kind::PictureButton;
    type.style_ = style;
    type.picture_ = std::move(picture);
    return type;
}

CellType CellType::textButton(std::uint32_t style, std::wstring text) {
    CellType type;
    type.kind_ = Kind::TextButton;
    type.style_ = style;
    type.text_ = std::move(text);
    return type;
}

CellType CellType::staticText(std::uint32_t style) {
    CellType type;
    type.kind_ = Kind::Static;
    type.style_ = style;
    return type;
}

CellType CellType::picture(std::uint32_t style, std::wstring picture) {
    CellType type;
    type.kind_ = Kind::Picture;
    type.style_ = style;
    type.picture_ = std::move(picture);
    return type;
}

int CellType::code() const {
    switch (kind_) {
    case Kind::General:
        return kGeneralCode;
    case Kind::Edit:
        return kEditCode;
    case Kind::Number:
        return kNumberCode;
    case Kind::Combo:
        return kComboCode;
    case Kind::CheckBox:
        return kCheckBoxCode;
    case Kind::PictureButton:
        return kPictureButtonCode;
    case Kind::TextButton:
        return kTextButtonCode;
    case Kind::Static:
        return kStaticCode;
    case Kind::Picture:
        return kPictureCode;
    }
    return kGeneralCode;
}

} // namespace grid
