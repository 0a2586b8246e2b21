#pragma once

#include "platform/core/text/Vdn_StringArray.h"

// Preview pictures of library macros that have no picture of their own.
//
// A library macro "X.dwg" is pictured by "X.bmp" beside it, drawn by whoever made the macro.
// For a macro without one, CreatePreviewBMPs draws a generated preview into "X.<extension>"
// (the extension "abm" by custom): a 96 x 96 picture in the ".bmp" format showing the macro's
// modules as simple shapes, one cell each (a plate as a grey block, a profile as a blue I, a
// bolt module as bolt circles, any other module as an outline), up to nine of them. A preview
// is drawn again only when it is missing or older than its drawing. A drawing that cannot be
// read gets the preview of a macro without modules (an empty frame with a cross).
//
// Returns how many previews were written; one that cannot be written is skipped (the
// thumbnail then stays blank).
int CreatePreviewBMPs(const Vdn_StringArray& drawings, const Vdn_String& extension = L"abm");

// "c:\lib\Macros\X.dwg" with another extension: "c:\lib\Macros\X.bmp".
Vdn_String withExtension(const Vdn_String& path, const Vdn_String& extension);
