#pragma once

#include "platform/core/text/Vdn_String.h"

// Text-level helpers for Windows-style paths; they never touch the file system. Both '\' and
// '/' count as separators.

// The path without the extension of its last component ("a\b.c.tfs" -> "a\b.c"); a leading
// dot of a name ("a\.profile") is not an extension; a path without one is returned unchanged.
Vdn_String removeExtension(const Vdn_String& path);
// The path with a trailing '\' added unless it already ends in '\' or '/'. The empty text
// stays empty (it names the current folder, not the root).
Vdn_String ensureEndBSlash(const Vdn_String& path);
// The path without its leading separators.
Vdn_String ensureNoStartBSlash(const Vdn_String& path);
// The folder part of a path including its trailing separator ("c:\a\b.tfs" -> "c:\a\"); the
// empty text when the path has no separator.
Vdn_String getPath(const Vdn_String& path);
// Whether name holds a character Windows refuses in a file name: < > : " / \ | ? * or a
// control character (below U+0020).
bool hasInvalidFileNameChars(const Vdn_String& name);
