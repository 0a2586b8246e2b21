#pragma once

#include "platform/core/text/Vdn_StringArray.h"

// The core module's numbered texts in the work language (gSettings.workLanguage()), from
// <resourceDir>/texts/<nl|en|fr>.txt. The dialog table ([dialog]) holds the interface texts of
// dialogs, the string table ([strings]) the other texts. Each language file is read once,
// on first use. A number without text gives the visible placeholder "#<number>" ("#1150");
// an unreadable or damaged file gives placeholders for what it lacks and a diagnostic.

// The dialog text with the given number in the work language.
Vdn_String dialString(int number);
// The string-table text with the given number in the work language.
Vdn_String string(int number);
// The dialog text with the given number in every language, in language order (nl, en, fr).
Vdn_StringArray dialStringAllLangs(int number);

namespace core {

// Problems found in the text files of every language ("<file>: cannot be read",
// "<file>:12: line without a tab between number and text"); files not read yet are read
// first. Files appear in the order they were read, problems in line order.
Vdn_StringArray numberedTextDiagnostics();
// Forgets the texts read so far, so that the next lookup reads the files again (after the
// resource folder changed).
void reloadNumberedTexts();

} // namespace core
