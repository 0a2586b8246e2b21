#include "platform/grid/files/TfsWriter.h"

#include "platform/grid/files/TextCodec.h"
#include "platform/grid/files/TfsSyntax.h"
#include "platform/grid/values/NumberText.h"

#include <algorithm>
#include <vector>

namespace grid {

namespace {

std::wstring number(double value) {
    return NumberText::shortest(value);
}

std::wstring valueFields(const Value& value) {
    switch (value.type()) {
    case Value::Type::Empty:
        return L"empty";
    case Value::Type::Number:
        return L"number " + number(value.asNumber());
    case Value::Type::Text:
        return L"text " + TfsSyntax::quote(value.asText());
    case Value::Type::Boolean:
        return value.asBoolean() ? L"true" : L"false";
    case Value::Type::Error:
        return L"error " + std::wstring(errorText(value.asError()));
    }
    return L"empty";
}

std::wstring typeFields(const CellType& type) {
    const std::wstring style = L" " + TfsSyntax::hex(type.style());
    switch (type.kind()) {
    case CellType::Kind::General:
        return L"general" + style;
    case CellType::Kind::Edit:
        return L"edit" + style + L" " + std::to_wstring(type.maxLength());
    case CellType::Kind::Number:
        return L"number" + style + L" " + std::to_wstring(type.decimals()) + L" " +
               number(type.minimum()) + L" " + number(type.maximum());
    case CellType::Kind::Combo: {
        std::wstring out = L"combo" + style + (type.editable() ? L" 1" : L" 0");
        for (const std::wstring& item : type.items())
            out += L" " + TfsSyntax::quote(item);
        return out;
    }
    case CellType::Kind::CheckBox:
        return L"check" + style + L" " + TfsSyntax::quote(type.text()) + L" " +
               TfsSyntax::quote(type.picture()) + L" " + TfsSyntax::quote(type.pictureDown());
    case CellType::Kind::PictureButton:
        return L"picturebutton" + style + L" " + TfsSyntax::quote(type.picture());
    case CellType::Kind::TextButton:
        return L"button" + style + L" " + TfsSyntax::quote(type.text());
    case CellType::Kind::Static:
        return L"static" + style;
    case CellType::Kind::Picture:
        return L"picture" + style + L" " + TfsSyntax::quote(type.picture());
    }
    return L"general" + style;
}

class Lines {
public:
    void add(std::wstring_view record, std::initializer_list<int> numbers, std::wstring rest = {}) {
        std::wstring line(record);
        for (const int n : numbers)
            line += L" " + std::to_wstring(n);
        if (!rest.empty())
            line += L" " + rest;
        line += L'\n';
        out_ += TextCodec::encodeUtf8(line);
    }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

void writeCell(Lines& lines, CellRef ref, const Cell& cell, bool dataOnly) {
    const int col = ref.col;
    const int row = ref.row;
    if (cell.formula) {
        std::wstring rest = TfsSyntax::quote(cell.formula->text(ref, ReferenceStyle::A1));
        if (!cell.value.isEmpty())
            rest += L" " + valueFields(cell.value);
        lines.add(L"formula", {col, row}, rest);
    } else if (!cell.value.isEmpty()) {
        lines.add(L"value", {col, row}, valueFields(cell.value));
    }
    if (!dataOnly && cell.format) {
        const CellFormat& format = *cell.format;
        if (format.type.kind() != CellType::Kind::General || format.type.style() != 0)
            lines.add(L"type", {col, row}, typeFields(format.type));
        if (format.locked)
            lines.add(L"lock", {col, row});
        if (!(format.font == CellFont{}))
            lines.add(L"font", {col, row},
                      TfsSyntax::quote(format.font.face) + L" " +
                          std::to_wstring(format.font.height) + L" " +
                          std::to_wstring(format.font.weight));
        if (format.background != CellFormat::kDefaultColour ||
            format.foreground != CellFormat::kDefaultColour)
            lines.add(L"colours", {col, row},
                      TfsSyntax::hex(format.background) + L" " + TfsSyntax::hex(format.foreground));
        if (!(format.border == CellBorder{}))
            lines.add(L"border", {col, row},
                      std::to_wstring(format.border.type) + L" " +
                          std::to_wstring(format.border.style) + L" " +
                          TfsSyntax::hex(format.border.colour));
    }
    if (!cell.tag.empty())
        lines.add(L"tag", {col, row}, TfsSyntax::quote(cell.tag));
    if (!cell.note.empty())
        lines.add(L"note", {col, row}, TfsSyntax::quote(cell.note));
}

} // namespace

std::string TfsWriter::write(const SheetModel& model, bool dataOnly) {
    Lines lines;
    lines.add(L"tessa-sheet", {kVersion});
    lines.add(L"size", {model.maxCols, model.maxRows});
    if (!dataOnly) {
        lines.add(L"refstyle", {static_cast<int>(model.referenceStyle)});
        const auto defaults = SheetOption::defaults();
        for (int i = 0; i < SheetOption::kOptionCount; ++i) {
            const auto bit = static_cast<std::size_t>(i);
            if (i != SheetOption::kChanged && model.options.test(bit) != defaults.test(bit))
                lines.add(L"option", {i, model.options.test(bit) ? 1 : 0});
        }
        if (model.gridType != SheetModel::kDefaultGridType ||
            model.gridColour != SheetModel::kDefaultGridColour)
            lines.add(L"gridlines", {model.gridType}, TfsSyntax::hex(model.gridColour));
        if (model.activeCell)
            lines.add(L"active", {model.activeCell->col, model.activeCell->row});
        if (model.selection)
            lines.add(L"selection", {model.selection->first.col, model.selection->first.row,
                                     model.selection->last.col, model.selection->last.row});
        for (const auto& [col, width] : model.layout.columnWidths())
            lines.add(L"width", {col, width});
        for (const auto& [row, height] : model.layout.rowHeights())
            lines.add(L"height", {row, height});
        for (const int row : model.layout.hiddenRows())
            lines.add(L"hidden", {row});
        for (const CellRange& span : model.spans.all())
            lines.add(L"span", {span.first.col, span.first.row, span.last.col, span.last.row});
    }
    std::vector<CellRef> order;
    order.reserve(model.cells.size());
    for (const auto& [ref, cell] : model.cells.all())
        order.push_back(ref);
    std::sort(order.begin(), order.end(), readingOrderLess);
    for (const CellRef ref : order)
        writeCell(lines, ref, *model.cells.find(ref), dataOnly);
    lines.add(L"end", {});
    return lines.take();
}

} // namespace grid
