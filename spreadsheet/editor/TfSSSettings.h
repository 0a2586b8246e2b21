#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

class TSpread;

// The print settings of one sheet. They travel in the sheet itself, as the tag of its corner
// cell (column and row header, so they are saved and loaded with the sheet's file), and can be
// kept as named settings files "<settings folder><name>.tfd" (ss::printSettingsFolder()).
//
// Both places hold the compact form of a property list (Vdn_PropertiesList): for every field its
// key, type and value, each followed by U+00A4 (the byte 0xA4 in the 8-bit Windows-1252 file).
// Reading starts from the defaults; a key that is missing, or holds another type, leaves its
// field at the default, and a damaged text reads as the defaults. The print variables are the
// keys varNames0, varNames1, ... and varValues0, ... read up to the first missing index; the
// longer of the two lists is then cut to the length of the shorter.
//
// Writing into a sheet or a file is refused until the settings were read from a sheet or a file.
class TfSSSettings {
public:
    static constexpr const wchar_t* kFileExtension = L".tfd";

    TfSSSettings() = default;
    virtual ~TfSSSettings();
    TfSSSettings(const TfSSSettings&) = default;
    TfSSSettings& operator=(const TfSSSettings&) = default;

    // Every field back to its default; valid and the sheet stay.
    void reset();

    // Defaults, then what the sheet's corner tag holds; the settings become valid and remember
    // the sheet. False when the tag is there but damaged (the defaults stay).
    bool readFromSheet(const TSpread& sheet);
    // Serialises the settings into the sheet's corner tag. False, and the tag unchanged, while
    // the settings are not valid or when a text holds U+00A4, which the form cannot carry.
    bool writeToSheet(TSpread& sheet) const;

    // Defaults, then the settings file of that name; the settings become valid either way.
    // False when the name is empty or no plain file name, or the file cannot be read or is
    // damaged (the defaults stay).
    bool loadFile(const Vdn_String& name);
    // Writes the settings file of that name. False while not valid, for a name refused as by
    // loadFile, when a text holds U+00A4 or a character Windows-1252 lacks (nothing is then
    // written, so an existing file stays as it was), or when the file cannot be written.
    bool saveFile(const Vdn_String& name) const;
    // "<settings folder><name>.tfd".
    static Vdn_String settingsFilePath(const Vdn_String& name);

    // The compact form of the fields. False (text empty) when a text holds U+00A4.
    bool toText(Vdn_String& text) const;
    // Defaults, then the fields found in text; false when the text is damaged.
    bool fromText(const Vdn_String& text);

    // The header and footer file resolved against a base folder (ss::resolvePrintFile).
    Vdn_String getHeaderFile(const Vdn_String& baseFolder) const;
    Vdn_String getFooterFile(const Vdn_String& baseFolder) const;
    // Stores the name relative to the base folder or the settings folder (ss::storedPrintFile).
    void setHeaderFile(const Vdn_String& name, const Vdn_String& baseFolder);
    void setFooterFile(const Vdn_String& name, const Vdn_String& baseFolder);

    bool isValid() const { return valid_; }
    // The sheet read last, or null; not owned.
    const TSpread* window() const { return window_; }

    Vdn_String headerFile;
    Vdn_String footerFile;
    Vdn_String defaultFont = L"Tahoma";
    int defaultTextHeight = 13;
    int marginLeft = 9;
    int marginRight = 5;
    int marginTop = 5;
    int marginBottom = 5;
    bool smartPrint = true;
    bool colors = true;
    bool colHeader = true;
    bool rowHeader = true;
    bool cellSeperators = true;
    bool border = true;
    Vdn_StringArray varNames;
    Vdn_StringArray varValues;

private:
    const TSpread* window_ = nullptr;
    bool valid_ = false;
};
