#include "spreadsheet/RedrawPause.h"
#include "spreadsheet/Vdn_Spread.h"

#include <algorithm>

// Rows and columns as lists, names, and clearing rows.

bool Vdn_Spread::setColumnTexts(const int& col, const Vdn_StringArray& texts, bool asValue) {
    if (!validCol(col))
        return false;
    RedrawPause pause(*this);
    const int count = std::min(texts.length(), SSGetMaxRows());
    for (int i = 0; i < count; ++i) {
        if (asValue)
            SSSetValue(col, i + 1, texts[i].str());
        else
            SSSetData(col, i + 1, texts[i].str());
    }
    return true;
}

bool Vdn_Spread::setRowTexts(const int& row, const Vdn_StringArray& texts, bool asValue) {
    if (!validRow(row))
        return false;
    RedrawPause pause(*this);
    const int count = std::min(texts.length(), SSGetMaxCols());
    for (int i = 0; i < count; ++i) {
        if (asValue)
            SSSetValue(i + 1, row, texts[i].str());
        else
            SSSetData(i + 1, row, texts[i].str());
    }
    return true;
}

bool Vdn_Spread::getColumnTexts(const int& col, Vdn_StringArray& texts, const int& kind) const {
    texts.clear();
    if (!validCol(col))
        return false;
    for (int row = 1; row <= SSGetMaxRows(); ++row) {
        Vdn_String text;
        getCellText(col, row, text, kind);
        texts.append(std::move(text));
    }
    return true;
}

bool Vdn_Spread::rowTexts(int row, Vdn_StringArray& texts, int kind) const {
    texts.clear();
    if (!validRow(row))
        return false;
    for (int col = 1; col <= SSGetMaxCols(); ++col) {
        Vdn_String text;
        getCellText(col, row, text, kind);
        texts.append(std::move(text));
    }
    return true;
}

bool Vdn_Spread::getRowTexts(const int& row, Vdn_StringArray& texts) const {
    return rowTexts(row, texts, 3);
}

bool Vdn_Spread::getColumnInts(const int& col, Vdn_Array<int>& values) const {
    values.clear();
    Vdn_StringArray texts;
    if (!getColumnTexts(col, texts))
        return false;
    for (const Vdn_String& text : texts)
        values.append(text.toInt());
    return true;
}

bool Vdn_Spread::getColumnDoubles(const int& col, Vdn_Array<double>& values) const {
    values.clear();
    Vdn_StringArray texts;
    if (!getColumnTexts(col, texts))
        return false;
    for (const Vdn_String& text : texts)
        values.append(text.toDouble());
    return true;
}

bool Vdn_Spread::getColumnBools(const int& col, Vdn_Array<bool>& values) const {
    values.clear();
    Vdn_StringArray texts;
    if (!getColumnTexts(col, texts))
        return false;
    for (const Vdn_String& text : texts)
        values.append(text == L"1");
    return true;
}

bool Vdn_Spread::setColumnInts(const int& col, const Vdn_Array<int>& values) {
    Vdn_StringArray texts;
    for (const int value : values)
        texts.append(Vdn_String(value));
    return setColumnTexts(col, texts, true);
}

bool Vdn_Spread::setColumnDoubles(const int& col, const Vdn_Array<double>& values) {
    Vdn_StringArray texts;
    for (const double value : values)
        texts.append(Vdn_String(value, 2));
    return setColumnTexts(col, texts, true);
}

bool Vdn_Spread::setColumnBools(const int& col, const Vdn_Array<bool>& values) {
    Vdn_StringArray texts;
    for (const bool value : values)
        texts.append(value ? L"1" : L"0");
    return setColumnTexts(col, texts, true);
}

bool Vdn_Spread::getAllRows(Vdn_Array<Vdn_StringArray>& rows) const {
    rows.clear();
    if (!attached)
        return false;
    for (int row = 1; row <= SSGetMaxRows(); ++row) {
        Vdn_StringArray texts;
        getRowTexts(row, texts);
        rows.append(std::move(texts));
    }
    return true;
}

bool Vdn_Spread::setRowNames(const Vdn_StringArray& names) {
    return setColumnTexts(kHeader, names);
}

bool Vdn_Spread::getRowNames(Vdn_StringArray& names) const {
    return getColumnTexts(kHeader, names, 0);
}

bool Vdn_Spread::setColumnNames(const Vdn_StringArray& names) {
    return setRowTexts(kHeader, names);
}

bool Vdn_Spread::getColumnNames(Vdn_StringArray& names) const {
    return rowTexts(kHeader, names, 0);
}

bool Vdn_Spread::clearRow(const int& row) {
    if (!attached || row < 1 || row > SSGetMaxRows())
        return false;
    RedrawPause pause(*this);
    for (int col = 1; col <= SSGetMaxCols(); ++col)
        SSSetValue(col, row, L"");
    return true;
}

bool Vdn_Spread::clearRows(const int& from, const int& to) {
    if (!attached || from < 1 || to > SSGetMaxRows() || from > to)
        return false;
    RedrawPause pause(*this);
    for (int row = from; row <= to; ++row)
        clearRow(row);
    return true;
}
