#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

// Text and list helpers of the core module. Each has one behaviour; "blanks" are spaces and
// tabs. Case-insensitive comparisons fold case as core::CharCase does.

// Splits text at every separator. Empty fields are kept ("a;;b" -> a, "", b); the empty text
// gives the empty list; nothing is trimmed. strToArr(arrToStr(list, s), s) == list for every
// list whose items do not contain s, except the list holding one empty text.
Vdn_StringArray strToArr(const Vdn_String& text, wchar_t separator);
// Joins the items with the separator between them (no separator at the end).
Vdn_String arrToStr(const Vdn_StringArray& items, wchar_t separator);
// Every line split with strToArr: one row of fields per line (an empty line gives an empty
// row).
Vdn_Array<Vdn_StringArray> arrToArrArr(const Vdn_StringArray& lines, wchar_t separator);

// Splits text at the first occurrence of symbol into left and right (symbol in neither).
// With trimBlanks, blanks around both parts are removed. Returns whether symbol occurs; when
// it does not, left and right are both emptied.
bool splitStringAtSymbol(const Vdn_String& text, wchar_t symbol, Vdn_String& left,
                         Vdn_String& right, bool trimBlanks);
// Splits text at every occurrence of symbol into parts. With trimBlanks, blanks around each
// part are removed and parts that are then empty are dropped (so repeated separators count as
// one); without it every part is kept as it stands. Returns whether symbol occurs in text.
bool splitStringAtSymbol(const Vdn_String& text, wchar_t symbol, Vdn_StringArray& parts,
                         bool trimBlanks);

// A decimal number: blanks around it are ignored; an optional sign, digits with at most one
// '.', at least one digit, then optionally e or E, an optional sign and at least one digit.
// No thousands separators, no hexadecimal, no "inf"/"nan".
bool isNumber(const Vdn_String& text);

// Whether a name occurs more than once; duplicates receives each such name once, spelled as
// its first occurrence, in the order of first occurrence.
bool hasDuplicates(const Vdn_StringArray& names, bool caseSensitive, Vdn_StringArray& duplicates);
bool hasDuplicates(const Vdn_StringArray& names, bool caseSensitive);
// The indexes of every repeated occurrence (the first occurrence of each name is not
// reported), in DESCENDING order, so that removing them one by one in the order reported keeps
// the remaining indexes valid and leaves the first occurrence of each name.
Vdn_Array<int> getDuplicates(const Vdn_StringArray& names, bool caseSensitive);

// Sorts in natural order: runs of ASCII digits compare by numeric value ("a2" < "a10"), other
// characters one by one, case-insensitively unless caseSensitive. Items that compare equal so
// are put in ordinal order, so the result does not depend on the input order.
void sortArray(Vdn_StringArray& items, bool caseSensitive);
// Where name joins names kept in that natural order (case-insensitive): before the first entry
// that sorts after it, names.length() when none does.
int ObjectExportAddToSorted(const Vdn_StringArray& names, const Vdn_String& name);

// text without the runs of symbol at its start (atStart) and at its end (atEnd).
Vdn_String stripSymbols(const Vdn_String& text, wchar_t symbol, bool atStart, bool atEnd);
// The part of text after the first occurrence of separator; the empty text when separator
// does not occur (or is empty).
Vdn_String getSubstrAfter(const Vdn_String& text, const Vdn_String& separator, bool caseSensitive);
// Position of the first occurrence of sub in text at or after start, or -1.
int findFirstFrom(const Vdn_String& text, const Vdn_String& sub, int start, bool caseSensitive);
bool hasSubString(const Vdn_String& text, const Vdn_String& sub, bool caseSensitive);
// Whether any of subs occurs in text; found receives the first entry of subs (in list order)
// that occurs, as spelled in subs. Empty entries are skipped.
bool hasASubstr(const Vdn_String& text, const Vdn_StringArray& subs, Vdn_String& found,
                bool caseSensitive);

// A name based on base that names does not hold (compared without regard to case): base itself
// when it is free; else base with its trailing number counted up, keeping its width ("200" ->
// "201", "Groep2" -> "Groep3", "07" -> "08"), or, when base ends in no digits (or in more than
// 18), base followed by 1, 2, ... ("Groep" -> "Groep1").
Vdn_String findNonExistingString(const Vdn_StringArray& names, const Vdn_String& base);
// The first run of ASCII digits in text: before receives the text in front of it ("HEA" of
// "HEA200A"), numbers the run ("200"). False, with both emptied, when text holds no digit.
bool findFirstNumbers(const Vdn_String& text, Vdn_String& before, Vdn_String& numbers);

// Spreadsheet column letters of a column counted from 1: 1 -> A, 26 -> Z, 27 -> AA,
// 702 -> ZZ, 703 -> AAA. Columns below 1 give the empty text.
Vdn_String getAlfabet(int column);

// Removes every "/*" ... "*/" comment; an unterminated one runs to the end of the line.
// Trailing blanks of the result are removed.
Vdn_String removeComments(const Vdn_String& line);
// Cuts the line at its first "//"; trailing blanks of what is left are removed.
Vdn_String removeLineComment(const Vdn_String& line);
