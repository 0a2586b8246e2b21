#pragma once

#include "platform/core/text/Vdn_String.h"

// The core module's settings: folders and the work language. Constructed with the built-in
// defaults; loadFromEnvironment() applies the TESSA_* variables; the setters let the program
// apply its command line afterwards.
//
// Folder settings are native paths. libDir() always ends with a separator, because callers
// append sub-folders to it ("Connection Standards\"); the other folders never do.
class Vdn_Settings {
public:
    // Work languages, in the order of every language list (texts, dialString AllLangs).
    enum Language { Dutch = 0, English = 1, French = 2 };
    static constexpr int kLanguageCount = 3;

    Vdn_Settings();

    // Resets every setting to its default, then applies the environment:
    //   TESSA_DIR        vdnDir        default: the user folder (below)
    //   TESSA_LIBRARY    libDir        default: <source>/examples/library/
    //   TESSA_ROOT       rootDir       default: <user folder>/root
    //   TESSA_RESOURCES  resourceDir   default: <source>/resources
    //   TESSA_REGISTRY   registryDir   default: <user folder>/registry
    //   TESSA_LANGUAGE   workLanguage  "nl", "en", "fr" or 0, 1, 2; default 0 (Dutch)
    // The user folder is $HOME/.tessa, or /tmp/tessa-<user id> when HOME is not set. Empty
    // variables count as unset. Returns false (and keeps the default) when TESSA_LANGUAGE
    // holds anything else.
    bool loadFromEnvironment();

    // The product folder (print-settings files live here).
    const Vdn_String& vdnDir() const { return vdnDir_; }
    // The library folder, ending with a separator.
    const Vdn_String& libDir() const { return libDir_; }
    int workLanguage() const { return workLanguage_; }
    // The folder below which drive-letter paths map: c:\a\b -> <rootDir>/c/a/b.
    const Vdn_String& rootDir() const { return rootDir_; }
    // The folder holding texts/, dialogs/, menus/, bitmaps/.
    const Vdn_String& resourceDir() const { return resourceDir_; }
    // The folder of the file-backed registry.
    const Vdn_String& registryDir() const { return registryDir_; }

    void setVdnDir(const Vdn_String& dir);
    void setLibDir(const Vdn_String& dir); // a trailing separator is added when missing
    // False (and unchanged) for a language outside 0..kLanguageCount-1.
    bool setWorkLanguage(int language);
    void setRootDir(const Vdn_String& dir);
    void setResourceDir(const Vdn_String& dir);
    void setRegistryDir(const Vdn_String& dir);

    // The short code of a language ("nl", "en", "fr"); the empty text for others.
    static Vdn_String languageCode(int language);
    // The language of a code or digit ("EN", "fr", "2"); -1 when none.
    static int languageFromCode(const Vdn_String& code);

private:
    void resetToDefaults();

    Vdn_String vdnDir_;
    Vdn_String libDir_;
    int workLanguage_ = Dutch;
    Vdn_String rootDir_;
    Vdn_String resourceDir_;
    Vdn_String registryDir_;
};

extern Vdn_Settings gSettings;
