#include "spreadsheet/standards/WordReplacer.h"

#include "platform/core/text/CharCase.h"
#include "platform/core/text/StringHelpers.h"

#include <algorithm>
#include <functional>

namespace ss {

namespace {

// The most rounds the replacement of one name in one text takes.
constexpr long kMaxRounds = 99999999;

bool isWordChar(wchar_t ch) {
    return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') || (ch >= L'0' && ch <= L'9') ||
           ch == L'_';
}

// Lower case of a word character. No character outside ASCII folds into ASCII, so a word of a
// text matches a name's word exactly when their ASCII folds are equal.
wchar_t foldWordChar(wchar_t ch) {
    return (ch >= L'A' && ch <= L'Z') ? static_cast<wchar_t>(ch + 32) : ch;
}

// Whether the '.' at `at` joins the word characters on both sides of it into one dotted word
// ("Plate.Cut"): such a name is one word, never a shorter name followed by a suffix.
bool isJoiningDot(std::wstring_view text, std::size_t at) {
    return text[at] == L'.' && at > 0 && at + 1 < text.size() && isWordChar(text[at - 1]) &&
           isWordChar(text[at + 1]);
}

// The end of the word that starts at `at`, dots that join word characters included.
std::size_t wordEnd(std::wstring_view text, std::size_t at) {
    while (at < text.size() && (isWordChar(text[at]) || isJoiningDot(text, at)))
        ++at;
    return at;
}

// Whether the character at `at` continues a word: a word character or a joining dot.
bool continuesWord(std::wstring_view text, std::size_t at) {
    return isWordChar(text[at]) || isJoiningDot(text, at);
}

// The first run of word characters of a name, or empty.
std::wstring_view firstWord(std::wstring_view name) {
    std::size_t start = 0;
    while (start < name.size() && !isWordChar(name[start]))
        ++start;
    return name.substr(start, wordEnd(name, start) - start);
}

// Position of folded (already lower case) in text at or after from, without regard to case.
std::size_t findFolded(std::wstring_view text, std::wstring_view folded, std::size_t from) {
    if (folded.size() > text.size())
        return std::wstring_view::npos;
    const std::size_t last = text.size() - folded.size();
    for (std::size_t at = from; at <= last; ++at) {
        std::size_t k = 0;
        while (k < folded.size() && core::toLowerChar(text[at + k]) == folded[k])
            ++k;
        if (k == folded.size())
            return at;
    }
    return std::wstring_view::npos;
}

} // namespace

WordReplacer::WordReplacer(const Vdn_StringArray& names, const Vdn_StringArray& values,
                           bool quote) {
    const int count = std::min(names.length(), values.length());
    names_.resize(static_cast<std::size_t>(count));
    std::size_t total = 0;
    for (int i = 0; i < count; ++i)
        total += static_cast<std::size_t>(names[i].length() + values[i].length() + 2);
    text_.reserve(total);
    for (int i = 0; i < count; ++i) {
        Name& name = names_[static_cast<std::size_t>(i)];
        name.folded = text_.size();
        for (const wchar_t ch : names[i].str())
            text_.push_back(core::toLowerChar(ch));
        name.foldedLength = text_.size() - name.folded;
        const bool quoted = quote && !isNumber(values[i]);
        name.insert = text_.size();
        if (quoted)
            text_.push_back(L'"');
        text_.insert(text_.end(), values[i].str().begin(), values[i].str().end());
        if (quoted)
            text_.push_back(L'"');
        name.insertLength = text_.size() - name.insert;
    }
    std::vector<std::wstring_view> firstWords(names_.size());
    for (int i = 0; i < count; ++i) {
        Name& name = names_[static_cast<std::size_t>(i)];
        if (name.foldedLength == 0)
            continue;
        const std::wstring_view word = firstWord(folded(i));
        name.plainWord = word.size() == name.foldedLength;
        allPlainWords_ = allPlainWords_ && name.plainWord;
        if (word.empty()) {
            wordless_.push_back(i);
            continue;
        }
        firstWords[static_cast<std::size_t>(i)] = word;
        shortest_ = shortest_ == 0 ? word.size() : std::min(shortest_, word.size());
        longest_ = std::max(longest_, word.size());
        const unsigned first = static_cast<unsigned>(word[0]) & 127u;
        firstCharMask_[first / 64] |= 1ull << (first % 64);
    }
    firstWords_ = NameIndex(firstWords);
}

std::wstring_view WordReplacer::folded(int name) const {
    const Name& n = names_[static_cast<std::size_t>(name)];
    return std::wstring_view(text_.data() + n.folded, n.foldedLength);
}

std::wstring_view WordReplacer::insert(int name) const {
    const Name& n = names_[static_cast<std::size_t>(name)];
    return std::wstring_view(text_.data() + n.insert, n.insertLength);
}

int WordReplacer::nameAfter(std::wstring_view word, int after) const {
    if (word.size() < shortest_ || word.size() > longest_)
        return -1;
    const unsigned first = static_cast<unsigned>(foldWordChar(word[0])) & 127u;
    if ((firstCharMask_[first / 64] & (1ull << (first % 64))) == 0)
        return -1;
    return firstWords_.firstAfter(word, after);
}

bool WordReplacer::mayOccurIn(std::wstring_view text) const {
    if (!wordless_.empty())
        return true;
    std::size_t at = 0;
    while (at < text.size()) {
        if (!isWordChar(text[at])) {
            ++at;
            continue;
        }
        const std::size_t end = wordEnd(text, at);
        if (nameAfter(text.substr(at, end - at), -1) >= 0)
            return true;
        at = end;
    }
    return false;
}

bool WordReplacer::replace(std::wstring& text) const {
    if (names_.empty() || text.empty())
        return false;
    return allPlainWords_ ? replaceWords(text) : replaceOneByOne(text);
}

// Every name is a plain word, so a name occurs as a whole word exactly where a word of the text
// equals it. A word of the original text is replaced by the first name equal to it; the words
// of that name's value are then replaced by the first later names equal to them, and so on.
// Words never merge across a replacement (its neighbours are not word characters), so each word
// of the text is replaced on its own.
bool WordReplacer::replaceWords(std::wstring& text) const {
    struct Insertion {
        int name;
        std::size_t at; // the next character of the name's value to write
    };
    std::wstring out;
    std::vector<Insertion> pending;
    std::size_t copied = 0; // text before this position is in out
    std::size_t at = 0;
    while (at < text.size()) {
        if (!isWordChar(text[at])) {
            ++at;
            continue;
        }
        const std::size_t end = wordEnd(text, at);
        const int name = nameAfter(std::wstring_view(text).substr(at, end - at), -1);
        if (name >= 0) {
            out.append(text, copied, at - copied);
            copied = end;
            pending.push_back({name, 0});
            while (!pending.empty()) {
                const Insertion current = pending.back();
                const std::wstring_view value = insert(current.name);
                if (current.at >= value.size()) {
                    pending.pop_back();
                    continue;
                }
                if (!isWordChar(value[current.at])) {
                    out += value[current.at];
                    ++pending.back().at;
                    continue;
                }
                const std::size_t stop = wordEnd(value, current.at);
                pending.back().at = stop;
                const std::wstring_view word =
                    std::wstring_view(value).substr(current.at, stop - current.at);
                const int later = nameAfter(word, current.name);
                if (later >= 0)
                    pending.push_back({later, 0});
                else
                    out.append(word);
                if (out.size() > kMaxTextLength)
                    return false;
            }
        }
        at = end;
    }
    if (copied == 0 && out.empty())
        return false;
    out.append(text, copied, std::wstring::npos);
    text.swap(out);
    return true;
}

// Some names are not plain words. Each name is replaced in turn, as the rules say, but only
// the names that can occur: every run of word characters of a name stands as a whole word
// wherever the name occurs as a whole word, so a name whose first word is not a word of the
// text cannot occur in it. The candidates grow with the words of every inserted value.
bool WordReplacer::replaceOneByOne(std::wstring& text) const {
    std::vector<int> heap(wordless_);
    addCandidates(text, -1, heap);
    std::make_heap(heap.begin(), heap.end(), std::greater<>());
    std::wstring work = text;
    bool changed = false;
    int done = -1;
    while (!heap.empty()) {
        std::pop_heap(heap.begin(), heap.end(), std::greater<>());
        const int index = heap.back();
        heap.pop_back();
        if (index <= done)
            continue;
        done = index;
        const int result = replaceName(work, index);
        if (result < 0)
            return false;
        if (result == 0)
            continue;
        changed = true;
        const std::size_t before = heap.size();
        addCandidates(insert(index), index, heap);
        for (std::size_t i = before; i < heap.size(); ++i)
            std::push_heap(heap.begin(), heap.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                           std::greater<>());
    }
    if (changed)
        text.swap(work);
    return changed;
}

int WordReplacer::replaceName(std::wstring& text, int index) const {
    const std::wstring_view name = folded(index);
    const std::wstring_view value = insert(index);
    bool replaced = false;
    std::size_t pos = 0;
    for (long round = 0; round < kMaxRounds; ++round) {
        const std::size_t found = findFolded(text, name, pos);
        if (found == std::wstring::npos)
            break;
        const std::size_t end = found + name.size();
        pos = end;
        const bool wordStart = found == 0 || !continuesWord(text, found - 1);
        const bool wordStop = end == text.size() || !continuesWord(text, end);
        if (!wordStart || !wordStop)
            continue;
        text.replace(found, name.size(), value);
        pos = found + value.size();
        replaced = true;
        if (text.size() > kMaxTextLength)
            return -1;
    }
    return replaced ? 1 : 0;
}

void WordReplacer::addCandidates(std::wstring_view text, int after, std::vector<int>& heap) const {
    std::size_t at = 0;
    while (at < text.size()) {
        if (!isWordChar(text[at])) {
            ++at;
            continue;
        }
        const std::size_t end = wordEnd(text, at);
        const std::wstring_view word = text.substr(at, end - at);
        for (int name = nameAfter(word, after); name >= 0;) {
            heap.push_back(name);
            name = nameAfter(word, name);
        }
        at = end;
    }
}

} // namespace ss
