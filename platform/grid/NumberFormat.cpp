#include "platform/grid/NumberFormat.h"

#include "platform/grid/NumberText.h"
#include "platform/grid/Rounding.h"
#include "platform/grid/TextCase.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace grid {

namespace {

// More digit places than any number has digits make no sense; the limit also bounds the work.
constexpr int kMaxPlaces = 255;

// One piece of a section: a digit place, the decimal point, the exponent, or literal text.
struct Piece {
    enum class Kind { Digit, Point, Exponent, Literal } kind;
    wchar_t digit = L'0'; // '0', '#' or '?'
    bool exponentPlus = false;
    std::wstring literal;
};

struct Section {
    std::vector<Piece> pieces;
    bool general = false;
    bool text = false;
    bool grouping = false;
    int scaleThousands = 0;
    int percents = 0;
    int integerPlaces = 0;
    int decimalPlaces = 0;
    int exponentPlaces = 0;
    bool hasExponent = false;
};

std::vector<std::wstring_view> splitSections(std::wstring_view format) {
    std::vector<std::wstring_view> out;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const wchar_t ch = format[i];
        if (ch == L'"')
            quoted = !quoted;
        else if (!quoted && ch == L'\\')
            ++i;
        else if (!quoted && ch == L';') {
            out.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    out.push_back(format.substr(start));
    return out;
}

bool isDatePart(wchar_t ch) {
    const wchar_t c = TextCase::lowerChar(ch);
    return c == L'd' || c == L'm' || c == L'y' || c == L'h' || c == L's';
}

std::optional<Section> parseSection(std::wstring_view text) {
    Section section;
    if (TextCase::equalNoCase(text, L"General")) {
        section.general = true;
        return section;
    }
    auto literal = [&](std::wstring s) {
        if (!section.pieces.empty() && section.pieces.back().kind == Piece::Kind::Literal)
            section.pieces.back().literal += s;
        else
            section.pieces.push_back({Piece::Kind::Literal, L'0', false, std::move(s)});
    };
    bool afterPoint = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t ch = text[i];
        if (ch == L'0' || ch == L'#' || ch == L'?') {
            if (section.hasExponent)
                ++section.exponentPlaces;
            else if (afterPoint)
                ++section.decimalPlaces;
            else
                ++section.integerPlaces;
            section.pieces.push_back({Piece::Kind::Digit, ch, false, {}});
        } else if (ch == L'.' && !afterPoint && !section.hasExponent) {
            afterPoint = true;
            section.pieces.push_back({Piece::Kind::Point, L'0', false, {}});
        } else if (ch == L',' && !section.hasExponent) {
            // Between digit places it groups thousands; after the last digit place each comma
            // divides by 1000.
            const bool nextIsDigit =
                i + 1 < text.size() &&
                (text[i + 1] == L'0' || text[i + 1] == L'#' || text[i + 1] == L'?');
            if (!afterPoint && section.integerPlaces > 0 && nextIsDigit)
                section.grouping = true;
            else if (section.integerPlaces + section.decimalPlaces > 0 && !nextIsDigit)
                ++section.scaleThousands;
            else
                literal(L",");
        } else if ((ch == L'E' || ch == L'e') && i + 1 < text.size() &&
                   (text[i + 1] == L'+' || text[i + 1] == L'-') && !section.hasExponent) {
            section.hasExponent = true;
            section.pieces.push_back({Piece::Kind::Exponent, L'0', text[i + 1] == L'+', {}});
            ++i;
        } else if (ch == L'%') {
            ++section.percents;
            literal(L"%");
        } else if (ch == L'"') {
            const std::size_t end = text.find(L'"', i + 1);
            if (end == std::wstring_view::npos)
                return std::nullopt;
            literal(std::wstring(text.substr(i + 1, end - i - 1)));
            i = end;
        } else if (ch == L'\\') {
            if (i + 1 < text.size())
                literal(std::wstring(1, text[++i]));
        } else if (ch == L'_') {
            ++i; // the width of the next character: a space
            literal(L" ");
        } else if (ch == L'*') {
            ++i; // fill character: no width to fill here
        } else if (ch == L'[') {
            const std::size_t end = text.find(L']', i);
            if (end == std::wstring_view::npos)
                return std::nullopt;
            i = end;
        } else if (ch == L'@') {
            section.text = true;
        } else if (isDatePart(ch)) {
            return std::nullopt;
        } else {
            literal(std::wstring(1, ch));
        }
    }
    if (section.integerPlaces + section.decimalPlaces + section.exponentPlaces > kMaxPlaces)
        return std::nullopt;
    return section;
}

// Integer digits and decimal digits of a non-negative value rounded to `decimals`.
void splitNumber(double value, int decimals, std::wstring& whole, std::wstring& fraction) {
    const std::wstring fixed = NumberText::fixed(value, decimals);
    const std::size_t point = fixed.find(L'.');
    whole = fixed.substr(0, point);
    fraction = point == std::wstring::npos ? L"" : fixed.substr(point + 1);
    // Places beyond the precision fixed writes show zeros.
    fraction.resize(static_cast<std::size_t>(decimals), L'0');
    if (whole == L"0")
        whole.clear();
}

std::wstring render(const Section& section, double value) {
    if (section.general || (section.text && section.integerPlaces == 0))
        return NumberText::general(value);
    for (int i = 0; i < section.percents; ++i)
        value *= 100;
    for (int i = 0; i < section.scaleThousands; ++i)
        value /= 1000;

    int exponent = 0;
    if (section.hasExponent && value != 0) {
        const int places = section.integerPlaces > 0 ? section.integerPlaces : 1;
        exponent = static_cast<int>(std::floor(std::log10(value))) - (places - 1);
        double mantissa = value / std::pow(10.0, exponent);
        if (Rounding::round(mantissa, section.decimalPlaces) >= std::pow(10.0, places)) {
            ++exponent;
            mantissa = value / std::pow(10.0, exponent);
        }
        value = mantissa;
    }
    std::wstring whole;
    std::wstring fraction;
    splitNumber(value, section.decimalPlaces, whole, fraction);

    // Trailing zeros of the decimals drop out where their places are '#' or '?'.
    std::vector<wchar_t> decimalKinds;
    {
        bool inDecimals = false;
        for (const Piece& piece : section.pieces) {
            if (piece.kind == Piece::Kind::Point)
                inDecimals = true;
            else if (piece.kind == Piece::Kind::Exponent)
                break;
            else if (piece.kind == Piece::Kind::Digit && inDecimals)
                decimalKinds.push_back(piece.digit);
        }
    }
    std::size_t keptDecimals = decimalKinds.size();
    while (keptDecimals > 0 && decimalKinds[keptDecimals - 1] != L'0' &&
           fraction[keptDecimals - 1] == L'0')
        --keptDecimals;

    std::wstring out;
    int integerSeen = 0;
    int decimalSeen = 0;
    bool inDecimals = false;
    bool inExponent = false;
    std::wstring exponentDigits = std::to_wstring(exponent < 0 ? -exponent : exponent);
    int exponentSeen = 0;
    const int length = static_cast<int>(whole.size());
    auto emitIntegerDigit = [&](int positionFromRight, wchar_t digit) {
        out.push_back(digit);
        if (section.grouping && positionFromRight > 0 && positionFromRight % 3 == 0)
            out.push_back(L',');
    };
    for (const Piece& piece : section.pieces) {
        switch (piece.kind) {
        case Piece::Kind::Literal:
            out += piece.literal;
            break;
        case Piece::Kind::Point:
            inDecimals = true;
            out.push_back(L'.');
            break;
        case Piece::Kind::Exponent:
            inExponent = true;
            out.push_back(L'E');
            out.push_back(exponent < 0 ? L'-' : (piece.exponentPlus ? L'+' : L'\0'));
            if (out.back() == L'\0')
                out.pop_back();
            break;
        case Piece::Kind::Digit:
            if (inExponent) {
                const int remaining = section.exponentPlaces - exponentSeen;
                const int available = static_cast<int>(exponentDigits.size());
                if (exponentSeen == 0 && available > section.exponentPlaces)
                    out += exponentDigits.substr(
                        0, static_cast<std::size_t>(available - section.exponentPlaces));
                const int index = available - remaining;
                out.push_back(index >= 0 ? exponentDigits[static_cast<std::size_t>(index)] : L'0');
                ++exponentSeen;
            } else if (inDecimals) {
                if (static_cast<std::size_t>(decimalSeen) < keptDecimals)
                    out.push_back(fraction[static_cast<std::size_t>(decimalSeen)]);
                else if (piece.digit == L'?')
                    out.push_back(L' ');
                ++decimalSeen;
            } else {
                const int positionFromRight = section.integerPlaces - 1 - integerSeen;
                if (integerSeen == 0) {
                    for (int k = 0; k < length - section.integerPlaces; ++k)
                        emitIntegerDigit(length - 1 - k, whole[static_cast<std::size_t>(k)]);
                }
                const int index = length - 1 - positionFromRight;
                if (index >= 0)
                    emitIntegerDigit(positionFromRight, whole[static_cast<std::size_t>(index)]);
                else if (piece.digit == L'0')
                    emitIntegerDigit(positionFromRight, L'0');
                else if (piece.digit == L'?')
                    out.push_back(L' ');
                ++integerSeen;
            }
            break;
        }
    }
    if (section.integerPlaces == 0 && !whole.empty() && !section.hasExponent) {
        // No integer places at all (".00"): the integer digits still show before the point.
        const std::size_t point = out.find(L'.');
        out.insert(point == std::wstring::npos ? 0 : point, whole);
    }
    return out;
}

} // namespace

std::optional<std::wstring> NumberFormat::format(double value, std::wstring_view format) {
    if (format.empty())
        return NumberText::general(value);
    const std::vector<std::wstring_view> texts = splitSections(format);
    std::vector<Section> sections;
    for (std::size_t i = 0; i < texts.size() && i < 3; ++i) {
        auto section = parseSection(texts[i]);
        if (!section)
            return std::nullopt;
        sections.push_back(std::move(*section));
    }
    const Section* chosen = &sections[0];
    bool showMinus = false;
    if (value < 0 && sections.size() >= 2) {
        chosen = &sections[1];
    } else if (value == 0 && sections.size() >= 3) {
        chosen = &sections[2];
    } else if (value < 0) {
        showMinus = true;
    }
    const double magnitude = std::fabs(value);
    std::wstring text = render(*chosen, magnitude);
    if (showMinus) {
        // A value that rounds to zero shows no sign.
        bool anyDigit = false;
        for (const wchar_t ch : text)
            anyDigit = anyDigit || (ch >= L'1' && ch <= L'9');
        if (anyDigit)
            text.insert(text.begin(), L'-');
    }
    return text;
}

} // namespace grid
