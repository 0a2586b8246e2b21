#pragma once

#include "platform/core/model/Vdn_DstvPointInfo.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <string>
#include <string_view>

// The DSTV point groups of the library: one file "<group>.dat" a group in the points folder
// (the library's "DSTV Points\" unless another folder is given), and the name of the group in
// use kept in that folder's "standard.txt". The file format is in docs/dstv-points-file.md.
class DlgDstvPoints {
public:
    static constexpr const wchar_t* kExtension = L".dat";
    static constexpr const wchar_t* kStandardFile = L"standard.txt";
    // Files larger than this are refused (a group holds tens of points).
    static constexpr std::size_t kMaxFileBytes = 4u * 1024u * 1024u;

    DlgDstvPoints();
    explicit DlgDstvPoints(const Vdn_String& folder);

    // The group names (file names without extension) in name order, without regard to case.
    void getAllDstvPointsFiles(Vdn_StringArray& names) const;
    // The folder, ending with '\'.
    Vdn_String getDstvPointsFolder() const { return folder_; }
    // The path of the group in use ("<folder><name>.dat"); empty when none is set.
    Vdn_String getStandardDstvPointsFile() const;
    bool setStandardDstvPointsFile(const Vdn_String& name);
    // Reads a group; false (points untouched, the reason in lastError) when the file is missing
    // or damaged. An empty file is a group without points.
    bool readFromFile(const Vdn_String& name, Vdn_Array<Vdn_DstvPointInfo>& points);
    // Writes a group, creating the folder when needed; false when it cannot be written.
    bool writeToFile(const Vdn_String& name, const Vdn_Array<Vdn_DstvPointInfo>& points);
    bool deleteFile(const Vdn_String& name);
    // Whether a group of that name exists, without regard to case.
    bool exists(const Vdn_String& name) const;
    const std::string& lastError() const { return lastError_; }

    Vdn_String pathOf(const Vdn_String& name) const;

    // The text of a group file, and back. parse gives false with the reason in problem.
    static std::string toText(const Vdn_Array<Vdn_DstvPointInfo>& points);
    static bool parse(std::string_view utf8Text, Vdn_Array<Vdn_DstvPointInfo>& points,
                      std::string& problem);

private:
    Vdn_String folder_;
    std::string lastError_;
};
