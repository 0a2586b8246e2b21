#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

// The named levels of a drawing, as the levels dialog edits them. Every level rests on a base:
// another level or the world coordinate system ("wcs", height 0). Its own value is its height
// above that base; its absolute height is the sum along the chain of bases down to "wcs".
// Names are unique without regard to case, and "wcs" is never a level's name. The chains never
// loop: a level cannot rest on itself or on a level that rests on it.
class TfLevelsDlgData {
public:
    static constexpr const wchar_t* kWorldBase = L"wcs";

    struct Level {
        Vdn_String name;
        Vdn_String baseName = kWorldBase;
        double value = 0.0; // height above the base
        friend bool operator==(const Level&, const Level&) = default;
    };

    TfLevelsDlgData() = default;
    TfLevelsDlgData(const TfLevelsDlgData&) = default;
    TfLevelsDlgData& operator=(const TfLevelsDlgData&) = default;
    virtual ~TfLevelsDlgData() = default;

    friend bool operator==(const TfLevelsDlgData&, const TfLevelsDlgData&) = default;

    // The level names in order.
    void getNames(Vdn_StringArray& names) const;
    // The level at index: its name, base, height above the base (value1) and absolute height
    // (value2). False, with the outputs untouched, for an invalid index.
    bool getLevelData(int index, Vdn_String& name, Vdn_String& baseName, double& value1,
                      double& value2) const;
    // Appends a level on "wcs" at height 0 and gives its index. False (nothing added, index
    // -1) for an empty name, "wcs" or a name in use, each compared without regard to case.
    bool addLevel(const Vdn_String& name, int& index);
    // False for an invalid index and for a level that others rest on (they would lose their
    // base); otherwise the level is gone and the later ones move up one place.
    bool deleteLevel(int index);
    // The height above the base; false for an invalid index or a value that is not finite.
    bool updateLevel(int index, double value);
    // The base; false (nothing changed) for an invalid index or a base that canRestOn refuses.
    bool updateLevel(int index, const Vdn_String& baseName);

    // Whether the level at index may rest on baseName: "wcs", or another level that does not
    // rest, directly or through others, on this one. Compared without regard to case.
    bool canRestOn(int index, const Vdn_String& baseName) const;
    // Whether name is "wcs" or the name of a level (without regard to case).
    bool isNameTaken(const Vdn_String& name) const;
    // The names of the levels whose base is the level at index.
    Vdn_StringArray levelsOn(int index) const;

private:
    // The index of the level with that name (without regard to case), or -1.
    int indexOf(const Vdn_String& name) const;

    Vdn_Array<Level> levels_;
};
