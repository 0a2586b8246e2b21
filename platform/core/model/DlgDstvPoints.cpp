#include "platform/core/model/DlgDstvPoints.h"

#include "platform/core/files/FolderHelpers.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/JsonDocument.h"
#include "platform/core/text/TextCodec.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace {

using Json = core::JsonDocument::Json;

constexpr const char* kFormat = "tessa-dstv-points";
constexpr int kVersion = 1;
constexpr int kMaxNesting = 8;
constexpr double kMaxLength = 1'000'000.0;

// Reads the keys of one point; the first problem ends the reading.
class PointReader {
public:
    bool read(const Json& json, Vdn_DstvPointInfo& point) {
        if (!json.is_object())
            return fail("is not an object");
        if (!json.contains("name") || !json["name"].is_string())
            return fail("has no name");
        point.setName(Vdn_String::fromUtf8(json["name"].get<std::string>()));
        bool geom = point.selectGeomExtent();
        int side1 = point.sideSelection1();
        int side2 = point.sideSelection2();
        bool inters = point.selectIntersGeom();
        bool middle = point.selectIntersMid();
        int start = point.intersStartDir();
        int view = point.viewPlateSelection();
        int mark = point.markPlateSelection();
        double minDist = point.minPlateSideDist();
        bool full = point.drillFullHole();
        bool thickness = point.radiusThicknessBased();
        double radius = point.drillRadius();
        if (!flag(json, "selectGeomExtent", geom) || !side(json, "side1", side1) ||
            !side(json, "side2", side2) || !flag(json, "selectIntersGeom", inters) ||
            !flag(json, "intersMiddle", middle) || !side(json, "intersStartSide", start) ||
            !whole(json, "viewPlateSelection", 0, 0xFFFF, view) ||
            !whole(json, "markPlateSelection", 0, 0xFFFF, mark) ||
            !length(json, "minPlateSideDist", minDist) || !flag(json, "drillFullHole", full) ||
            !flag(json, "radiusThicknessBased", thickness) || !length(json, "drillRadius", radius))
            return false;
        if (Vdn_DstvPointInfo::sidePair(static_cast<TfDstvPointSideSelection>(side1)) ==
            Vdn_DstvPointInfo::sidePair(static_cast<TfDstvPointSideSelection>(side2)))
            return fail("takes both sides from one pair (0 and 1, or 2 and 3)");
        point.setSelectGeomExtent(geom, static_cast<TfDstvPointSideSelection>(side1),
                                  static_cast<TfDstvPointSideSelection>(side2));
        point.setSelectIntersGeom(inters, middle, static_cast<TfDstvPointSideSelection>(start));
        point.setPlateSelection(static_cast<std::uint16_t>(view), static_cast<std::uint16_t>(mark),
                                minDist);
        point.setDrillFullHole(full, thickness, radius);
        return true;
    }
    const std::string& error() const { return error_; }

private:
    bool fail(const std::string& what) {
        error_ = what;
        return false;
    }
    bool flag(const Json& json, const char* key, bool& value) {
        if (!json.contains(key))
            return true;
        if (!json[key].is_boolean())
            return fail(std::string("\"") + key + "\" is not true or false");
        value = json[key].get<bool>();
        return true;
    }
    bool whole(const Json& json, const char* key, int least, int most, int& value) {
        if (!json.contains(key))
            return true;
        const Json& item = json[key];
        if (!item.is_number_integer() || item.get<std::int64_t>() < least ||
            item.get<std::int64_t>() > most)
            return fail(std::string("\"") + key + "\" is not a whole number from " +
                        std::to_string(least) + " to " + std::to_string(most));
        value = static_cast<int>(item.get<std::int64_t>());
        return true;
    }
    bool side(const Json& json, const char* key, int& value) {
        return whole(json, key, 0, Vdn_DstvPointInfo::kSideCount - 1, value);
    }
    bool length(const Json& json, const char* key, double& value) {
        if (!json.contains(key))
            return true;
        const Json& item = json[key];
        if (!item.is_number() || !std::isfinite(item.get<double>()) || item.get<double>() < 0 ||
            item.get<double>() > kMaxLength)
            return fail(std::string("\"") + key + "\" is not a length from 0 to 1000000 mm");
        value = item.get<double>();
        return true;
    }

    std::string error_;
};

bool blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

} // namespace

DlgDstvPoints::DlgDstvPoints() : DlgDstvPoints(gSettings.libDir() + L"DSTV Points\\") {}

DlgDstvPoints::DlgDstvPoints(const Vdn_String& folder) : folder_(ensureEndBSlash(folder)) {}

Vdn_String DlgDstvPoints::pathOf(const Vdn_String& name) const {
    return folder_ + name + kExtension;
}

void DlgDstvPoints::getAllDstvPointsFiles(Vdn_StringArray& names) const {
    names = Vdn_StringArray();
    std::vector<Vdn_String> found;
    for (const std::filesystem::path& path : core::findMatching(folder_ + L"*" + kExtension)) {
        // The wildcard also matches longer extensions (".data"); only ".dat" names a group.
        Vdn_String file = Vdn_String::fromUtf8(path.filename().string());
        if (!file.toLower().str().ends_with(kExtension))
            continue;
        found.push_back(removeExtension(file));
    }
    std::sort(found.begin(), found.end(),
              [](const Vdn_String& a, const Vdn_String& b) { return a.toLower() < b.toLower(); });
    for (const Vdn_String& name : found)
        names.append(name);
}

bool DlgDstvPoints::exists(const Vdn_String& name) const {
    Vdn_StringArray names;
    getAllDstvPointsFiles(names);
    return names.contains(name, false);
}

Vdn_String DlgDstvPoints::getStandardDstvPointsFile() const {
    Vdn_StringArray lines;
    if (!ObjectExportReadFile(folder_ + kStandardFile, lines) || lines.isEmpty())
        return {};
    const Vdn_String name = lines[0].trim();
    return name.isEmpty() ? Vdn_String() : pathOf(name);
}

bool DlgDstvPoints::setStandardDstvPointsFile(const Vdn_String& name) {
    if (!core::createFolder(folder_))
        return false;
    Vdn_StringArray lines;
    lines.append(name);
    return ObjectExportWriteFile(folder_ + kStandardFile, lines);
}

bool DlgDstvPoints::readFromFile(const Vdn_String& name, Vdn_Array<Vdn_DstvPointInfo>& points) {
    const Vdn_String path = pathOf(name);
    std::error_code error;
    const auto resolved = core::resolveExistingFile(path);
    if (!resolved || std::filesystem::file_size(*resolved, error) > kMaxFileBytes || error) {
        lastError_ = "cannot read the DSTV point group " + core::shownPath(path).toUtf8();
        return false;
    }
    const std::optional<std::wstring> text = core::readTextFile(path);
    if (!text) {
        lastError_ = "cannot read the DSTV point group " + core::shownPath(path).toUtf8();
        return false;
    }
    std::string problem;
    if (!parse(core::TextCodec::encodeUtf8(*text), points, problem)) {
        lastError_ = core::shownPath(path).toUtf8() + ": " + problem;
        return false;
    }
    lastError_.clear();
    return true;
}

bool DlgDstvPoints::writeToFile(const Vdn_String& name,
                                const Vdn_Array<Vdn_DstvPointInfo>& points) {
    if (!core::createFolder(folder_) ||
        !core::writeTextFile(pathOf(name), Vdn_String::fromUtf8(toText(points)).str(),
                             core::TextEncoding::Utf8)) {
        lastError_ = "cannot write the DSTV point group " + core::shownPath(pathOf(name)).toUtf8();
        return false;
    }
    lastError_.clear();
    return true;
}

bool DlgDstvPoints::deleteFile(const Vdn_String& name) {
    const auto resolved = core::resolveExistingFile(pathOf(name));
    std::error_code error;
    return resolved && std::filesystem::remove(*resolved, error);
}

std::string DlgDstvPoints::toText(const Vdn_Array<Vdn_DstvPointInfo>& points) {
    Json list = Json::array();
    for (const Vdn_DstvPointInfo& point : points) {
        list.push_back({{"name", point.name().toUtf8()},
                        {"selectGeomExtent", point.selectGeomExtent()},
                        {"side1", static_cast<int>(point.sideSelection1())},
                        {"side2", static_cast<int>(point.sideSelection2())},
                        {"selectIntersGeom", point.selectIntersGeom()},
                        {"intersMiddle", point.selectIntersMid()},
                        {"intersStartSide", static_cast<int>(point.intersStartDir())},
                        {"viewPlateSelection", point.viewPlateSelection()},
                        {"markPlateSelection", point.markPlateSelection()},
                        {"minPlateSideDist", point.minPlateSideDist()},
                        {"drillFullHole", point.drillFullHole()},
                        {"radiusThicknessBased", point.radiusThicknessBased()},
                        {"drillRadius", point.drillRadius()}});
    }
    const Json root = {{"format", kFormat}, {"version", kVersion}, {"points", std::move(list)}};
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool DlgDstvPoints::parse(std::string_view utf8Text, Vdn_Array<Vdn_DstvPointInfo>& points,
                          std::string& problem) {
    Vdn_Array<Vdn_DstvPointInfo> read;
    if (blank(utf8Text)) {
        points = read;
        return true;
    }
    Json root;
    if (const auto failure = core::JsonDocument::parse(utf8Text, kMaxNesting, root)) {
        problem = *failure;
        return false;
    }
    if (!root.is_object() || !root.contains("format") || root["format"] != kFormat) {
        problem = std::string("not a DSTV point group (\"format\" is not \"") + kFormat + "\")";
        return false;
    }
    if (!root.contains("version") || !root["version"].is_number_integer() ||
        root["version"].get<std::int64_t>() < 1 || root["version"].get<std::int64_t>() > kVersion) {
        problem = "a version this program does not know (it reads version 1)";
        return false;
    }
    if (!root.contains("points") || !root["points"].is_array()) {
        problem = "\"points\" is not a list";
        return false;
    }
    PointReader reader;
    for (std::size_t i = 0; i < root["points"].size(); ++i) {
        Vdn_DstvPointInfo point;
        if (!reader.read(root["points"][i], point)) {
            problem = "point " + std::to_string(i + 1) + " " + reader.error();
            return false;
        }
        read.append(point);
    }
    points = std::move(read);
    return true;
}
