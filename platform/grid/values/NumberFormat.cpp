#include "platform/grid/values/NumberFormat.h"

#include "platform/grid/values/NumberText.h"
#include "platform/grid/values/Rounding.h"
#include "platform/grid/values/TextCase.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace grid {

namespace {

// More digit places than any number has digits make no sense; the limit also bounds the work.
constexpr int kMaxPlaces = 255;

// The largest denominator a fraction searches: its places are bounded so the search is short.
constexpr int kMaxDenominatorPlaces = 5;

// One piece of a section: a digit place, the decimal point, the exponent, literal text, the
// parts of a fraction, or the place of a text value ('@').
struct Piece {
    enum class Kind {
        Digit,
        Point,
        Exponent,
        Literal,
        Numerator,
        Slash,
        Denominator,
        TextValue
    } kind;
    wchar_t digit = L'0'; // '0', '#' or '?'
    bool exponentPlus = false;
    std::wstring literal;
};

// The condition of a section, [<=9999999].
struct Condition {
    enum class Op { Less, LessEqual, Greater, GreaterEqual, Equal, NotEqual } op = Op::Equal;
    double operand = 0;

    bool holds(double value) const {
        switch (op) {
        case Op::Less:
            return value < operand;
        case Op::LessEqual:
            return value <= operand;
        case Op::Greater:
            return value > operand;
        case Op::GreaterEqual:
            return value >= operand;
        case Op::Equal:
            return value == operand;
        case Op::NotEqual:
            return value != operand;
        }
        return false;
    }
    // Whether the section is meant for negative values, whose sign it then shows itself.
    bool coversOnlyNegatives() const {
        return (op == Op::Less && operand <= 0) || (op == Op::LessEqual && operand < 0);
    }
};

struct Section {
    std::vector<Piece> pieces;
    std::optional<Condition> condition;
    bool fraction = false;
    int numeratorPlaces = 0;
    int denominatorPlaces = 0;
    long long fixedDenominator = 0;
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

std::optional<Condition> parseCondition(std::wstring_view tag) {
    struct Spelling {
        std::wstring_view text;
        Condition::Op op;
    };
    static constexpr Spelling kSpellings[] = {
        {L"<=", Condition::Op::LessEqual}, {L">=", Condition::Op::GreaterEqual},
        {L"<>", Condition::Op::NotEqual},  {L"<", Condition::Op::Less},
        {L">", Condition::Op::Greater},    {L"=", Condition::Op::Equal},
    };
    for (const Spelling& spelling : kSpellings) {
        if (!tag.starts_with(spelling.text))
            continue;
        const auto number = NumberText::parse(tag.substr(spelling.text.size()));
        if (!number)
            return std::nullopt;
        return Condition{spelling.op, *number};
    }
    return std::nullopt;
}

// At the '/' of a fraction (text[i]): the digit places just before it become the numerator's,
// the places or digits after it the denominator's. i moves to the last character read.
bool startFraction(Section& section, std::wstring_view text, std::size_t& i) {
    for (auto it = section.pieces.rbegin();
         it != section.pieces.rend() && it->kind == Piece::Kind::Digit; ++it) {
        it->kind = Piece::Kind::Numerator;
        ++section.numeratorPlaces;
        --section.integerPlaces;
    }
    section.fraction = true;
    section.pieces.push_back({Piece::Kind::Slash, L'0', false, {}});
    std::size_t j = i + 1;
    if (j < text.size() && text[j] >= L'1' && text[j] <= L'9') {
        long long denominator = 0;
        while (j < text.size() && text[j] >= L'0' && text[j] <= L'9') {
            denominator = denominator * 10 + (text[j] - L'0');
            if (denominator > 99999999)
                return false;
            ++j;
        }
        section.fixedDenominator = denominator;
        i = j - 1;
        return true;
    }
    while (j < text.size() && (text[j] == L'0' || text[j] == L'#' || text[j] == L'?')) {
        section.pieces.push_back({Piece::Kind::Denominator, text[j], false, {}});
        ++section.denominatorPlaces;
        ++j;
    }
    i = j - 1;
    return section.denominatorPlaces > 0 && section.denominatorPlaces <= kMaxDenominatorPlaces;
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
            const std::wstring_view tag = text.substr(i + 1, end - i - 1);
            i = end;
            if (!tag.empty() && (tag[0] == L'<' || tag[0] == L'>' || tag[0] == L'=')) {
                if (section.condition || !section.pieces.empty())
                    return std::nullopt;
                section.condition = parseCondition(tag);
                if (!section.condition)
                    return std::nullopt;
            } else if (!tag.empty() && tag[0] == L'$') {
                // [$€-407]: a currency symbol and the locale it belongs to; the symbol shows.
                literal(std::wstring(tag.substr(1, tag.find(L'-') - 1)));
            }
            // Any other tag ([Red], [Color5]) is a colour: nothing to show in text.
        } else if (ch == L'/' && !section.fraction && !section.hasExponent && !afterPoint &&
                   !section.pieces.empty() && section.pieces.back().kind == Piece::Kind::Digit) {
            if (!startFraction(section, text, i))
                return std::nullopt;
        } else if (ch == L'@') {
            section.text = true;
            section.pieces.push_back({Piece::Kind::TextValue, L'0', false, {}});
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

// The closest fraction n/d to value (0 <= value) with d below 10^places, the smallest such d
// on ties.
void closestFraction(double value, int places, long long& numerator, long long& denominator) {
    long long limit = 1;
    for (int i = 0; i < places; ++i)
        limit *= 10;
    numerator = std::llround(value);
    denominator = 1;
    double best = std::fabs(value - static_cast<double>(numerator));
    for (long long d = 2; d < limit && best > 0; ++d) {
        const double n = std::round(value * static_cast<double>(d));
        const double error = std::fabs(value - n / static_cast<double>(d));
        if (error < best - 1e-15) {
            best = error;
            numerator = static_cast<long long>(n);
            denominator = d;
        }
    }
}

// Digits of n in `places` places of the kinds given: '0' pads with zeros, '?' with spaces on
// the padding side, '#' not at all.
std::wstring placed(long long n, const std::vector<wchar_t>& kinds, bool padLeft) {
    std::wstring digits = n == 0 ? L"" : std::to_wstring(n);
    std::wstring padding;
    for (std::size_t k = digits.size(); k < kinds.size(); ++k) {
        const wchar_t kind = padLeft ? kinds[kinds.size() - 1 - k] : kinds[k];
        if (kind == L'0')
            padding.push_back(L'0');
        else if (kind == L'?')
            padding.push_back(L' ');
    }
    if (n == 0 && padding.empty() && !kinds.empty())
        padding = L"0";
    return padLeft ? padding + digits : digits + padding;
}

std::wstring renderFraction(const Section& section, double value) {
    const bool hasWhole = section.integerPlaces > 0;
    double whole = hasWhole ? std::floor(value) : 0;
    const double part = value - whole;
    // Beyond 15 digits a fraction means nothing, and the search's integers would overflow.
    const double largestDenominator =
        section.fixedDenominator > 0 ? static_cast<double>(section.fixedDenominator) : 1e5;
    if (whole > 1e15 || part * largestDenominator > 1e15)
        return NumberText::general(value);
    long long numerator = 0;
    long long denominator = 1;
    if (section.fixedDenominator > 0) {
        denominator = section.fixedDenominator;
        numerator = std::llround(part * static_cast<double>(denominator));
    } else {
        closestFraction(part, section.denominatorPlaces, numerator, denominator);
    }
    if (hasWhole && numerator == denominator) {
        whole += 1;
        numerator = 0;
    }
    std::vector<wchar_t> integerKinds;
    std::vector<wchar_t> numeratorKinds;
    std::vector<wchar_t> denominatorKinds;
    for (const Piece& piece : section.pieces) {
        if (piece.kind == Piece::Kind::Digit)
            integerKinds.push_back(piece.digit);
        else if (piece.kind == Piece::Kind::Numerator)
            numeratorKinds.push_back(piece.digit);
        else if (piece.kind == Piece::Kind::Denominator)
            denominatorKinds.push_back(piece.digit);
    }
    const long long wholeNumber = static_cast<long long>(whole);
    std::wstring wholeText;
    if (hasWhole) {
        wholeText = wholeNumber == 0 ? L"" : std::to_wstring(wholeNumber);
        for (std::size_t k = wholeText.size(); k < integerKinds.size(); ++k) {
            if (integerKinds[integerKinds.size() - 1 - k] == L'0')
                wholeText.insert(0, 1, L'0');
        }
        if (wholeText.empty() && numerator == 0)
            wholeText = L"0";
        if (section.grouping) {
            for (std::size_t k = wholeText.size(); k > 3; k -= 3)
                wholeText.insert(k - 3, 1, L',');
        }
    }
    // Without a fraction the fraction's places become blanks; without a whole part the blanks
    // between it and the fraction go.
    const bool showFraction = numerator != 0 || !hasWhole;
    const std::wstring numeratorText = placed(numerator, numeratorKinds, true);
    const std::wstring denominatorText = section.fixedDenominator > 0
                                             ? std::to_wstring(denominator)
                                             : placed(denominator, denominatorKinds, false);
    std::wstring out;
    bool wholeDone = false;
    bool fractionStarted = false;
    for (const Piece& piece : section.pieces) {
        switch (piece.kind) {
        case Piece::Kind::Digit:
            if (!wholeDone)
                out += wholeText;
            wholeDone = true;
            break;
        case Piece::Kind::Numerator:
            if (!fractionStarted) {
                if (hasWhole && wholeText.empty()) {
                    while (!out.empty() && out.back() == L' ')
                        out.pop_back();
                }
                out += showFraction ? numeratorText : std::wstring(numeratorText.size(), L' ');
            }
            fractionStarted = true;
            break;
        case Piece::Kind::Slash:
            out += showFraction ? L"/" : L" ";
            break;
        case Piece::Kind::Denominator:
            break;
        case Piece::Kind::Literal:
            out += piece.literal;
            break;
        default:
            break;
        }
        if (piece.kind == Piece::Kind::Slash)
            out += showFraction ? denominatorText : std::wstring(denominatorText.size(), L' ');
    }
    return out;
}

std::wstring render(const Section& section, double value) {
    if (section.fraction) {
        for (int i = 0; i < section.percents; ++i)
            value *= 100;
        return renderFraction(section, value);
    }
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
        case Piece::Kind::Numerator:
        case Piece::Kind::Slash:
        case Piece::Kind::Denominator:
        case Piece::Kind::TextValue:
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

namespace {

std::optional<std::vector<Section>> parseSections(std::wstring_view format) {
    const std::vector<std::wstring_view> texts = splitSections(format);
    if (texts.size() > 4)
        return std::nullopt;
    std::vector<Section> sections;
    for (const std::wstring_view text : texts) {
        auto section = parseSection(text);
        if (!section)
            return std::nullopt;
        sections.push_back(std::move(*section));
    }
    return sections;
}

// The section for a number, and whether its minus sign is shown in front: sections with
// conditions are tried in order, the first without one takes the rest; otherwise the usual
// positive;negative;zero.
const Section* chooseSection(const std::vector<Section>& all, double value, bool& showMinus) {
    const std::size_t numeric = std::min<std::size_t>(all.size(), 3);
    const bool conditional = all[0].condition || (numeric > 1 && all[1].condition);
    showMinus = false;
    if (conditional) {
        for (std::size_t i = 0; i < numeric; ++i) {
            const Section& section = all[i];
            if (section.condition && !section.condition->holds(value))
                continue;
            showMinus =
                value < 0 && !(section.condition && section.condition->coversOnlyNegatives());
            return &section;
        }
        showMinus = value < 0;
        return &all[numeric - 1];
    }
    if (value < 0 && numeric >= 2)
        return &all[1];
    if (value == 0 && numeric >= 3)
        return &all[2];
    showMinus = value < 0;
    return &all[0];
}

} // namespace

std::optional<std::wstring> NumberFormat::format(double value, std::wstring_view format) {
    if (format.empty())
        return NumberText::general(value);
    const auto sections = parseSections(format);
    if (!sections)
        return std::nullopt;
    bool showMinus = false;
    const Section* chosen = chooseSection(*sections, value, showMinus);
    std::wstring text = render(*chosen, std::fabs(value));
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

std::optional<std::wstring> NumberFormat::formatText(std::wstring_view text,
                                                     std::wstring_view format) {
    const auto sections = parseSections(format);
    if (!sections)
        return std::nullopt;
    const Section* section = nullptr;
    if (sections->size() == 4)
        section = &(*sections)[3];
    else if (sections->size() == 1 && (*sections)[0].text)
        section = &(*sections)[0];
    if (!section)
        return std::wstring(text);
    std::wstring out;
    for (const Piece& piece : section->pieces) {
        if (piece.kind == Piece::Kind::Literal)
            out += piece.literal;
        else if (piece.kind == Piece::Kind::TextValue)
            out += text;
    }
    return out;
}

} // namespace grid
