#pragma once

#include "platform/core/text/Vdn_StringArray.h"
#include "spreadsheet/standards/NameIndex.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ss {

// Whole-word replacement of names by values, built once for a list of names and used on many
// texts. The result is exactly that of replacing the names one after the other, in list order,
// each wherever it occurs as a whole word of the text as it stands by then:
//  - names compare without regard to case;
//  - an occurrence is a whole word when the characters on both sides of it (if any) are not
//    ASCII letters, ASCII digits or '_', nor a '.' between such characters: "Plate.Cut" is
//    one word, so a name "Plate" never replaces a part of it, whatever the order of the names;
//  - the search for a name goes on after the text it inserted, so a value is never searched
//    for the name that inserted it, but it is searched for the names after it in the list;
//  - with quoting, a value that is not a number is inserted between double quotes.
// An empty name is never a word (replacing it would insert its value at every place or loop).
//
// Instead of searching the text once per name, a text is scanned once: its words are looked up
// in a table of the names. Names that are not plain words (holding other characters, such as
// "Plate.Cut") are replaced one by one, but only those whose first word occurs in the text.
class WordReplacer {
public:
    // A replaced text longer than this is given up: the text stays as it was.
    static constexpr std::size_t kMaxTextLength = 1'000'000;

    WordReplacer() = default;
    // Names and values are paired up to the length of the shorter list.
    WordReplacer(const Vdn_StringArray& names, const Vdn_StringArray& values, bool quote);
    WordReplacer(WordReplacer&&) noexcept = default;
    WordReplacer& operator=(WordReplacer&&) noexcept = default;

    // Replaces the names in text; whether anything changed.
    bool replace(std::wstring& text) const;

    bool isEmpty() const { return names_.empty(); }
    // False when no name can occur in text (replace would leave it as it is).
    bool mayOccurIn(std::wstring_view text) const;

private:
    // A name and its value, as parts of text_.
    struct Name {
        std::size_t folded = 0; // the name in lower case
        std::size_t foldedLength = 0;
        std::size_t insert = 0; // the value as it is inserted (quoted where asked)
        std::size_t insertLength = 0;
        bool plainWord = false;
    };

    std::wstring_view folded(int name) const;
    std::wstring_view insert(int name) const;
    // The smallest index above `after` of a name whose first word is word; -1 when none.
    int nameAfter(std::wstring_view word, int after) const;
    bool replaceWords(std::wstring& text) const;
    bool replaceOneByOne(std::wstring& text) const;
    // One name replaced throughout text as it stands: 1 when it occurred, 0 when not, -1 when
    // the text grew beyond kMaxTextLength.
    int replaceName(std::wstring& text, int index) const;
    // The indexes above `after` of the names whose first word occurs in text.
    void addCandidates(std::wstring_view text, int after, std::vector<int>& heap) const;

    std::vector<wchar_t> text_;
    std::vector<Name> names_;
    // By first word (the first run of ASCII word characters) of each name.
    NameIndex firstWords_;
    // Names without any ASCII word character: candidates for every text.
    std::vector<int> wordless_;
    bool allPlainWords_ = true;
    // Cheap rejection of words that cannot be a first word.
    std::size_t shortest_ = 0;
    std::size_t longest_ = 0;
    unsigned long long firstCharMask_[2] = {0, 0};
};

} // namespace ss
