#pragma once
// The 24 standard section templates: per template the names of its value columns and the
// order in which values make an automatic size name ("200x10" for a strip 200 wide and 10
// thick). They come from the library's data file prof\StandardTemplates.txt
// (docs/section-library.md); the display names are numbered interface texts.

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

struct SectionTemplate {
    int number = 0;
    Vdn_StringArray valueNames;
    // Value positions (from 0) in the order they form an automatic name.
    Vdn_Array<int> nameOrder;
};

class StandardTemplates {
public:
    static constexpr int kCount = 24;

    // "<" + the template's name + ">" for 1 to kCount, else the empty text.
    static Vdn_String displayName(int number);
    // The number of a template as stored in a table ("10"), 0 when the text is no standard
    // template number.
    static int numberOf(const Vdn_String& templateName);

    // Reads the data file; false, with the templates unchanged and problem saying why, for a
    // file that cannot be read or has a damaged line.
    bool read(const Vdn_String& path, Vdn_String& problem);
    // The same from the file's lines; problem then starts with the line ("line 3: ...").
    bool readLines(const Vdn_StringArray& lines, Vdn_String& problem);
    // gSettings.libDir() + "prof\StandardTemplates.txt".
    static Vdn_String libraryPath();
    // The templates of the current library; none when its file cannot be read.
    static StandardTemplates ofLibrary();

    // The template of that number, or null when the file does not define it.
    const SectionTemplate* find(int number) const;

private:
    Vdn_Array<SectionTemplate> templates_;
};
