#pragma once

#include "platform/core/text/Vdn_String.h"

#include <cstdint>

// The sides of a part that a DSTV weld point is measured from. Entries 0 and 1 form one pair
// (the part's two ends) and 2 and 3 the other (its two flanks); a point takes one side of each
// pair.
enum TfDstvPointSideSelection {
    eDstvSideStart = 0,
    eDstvSideEnd = 1,
    eDstvSideTop = 2,
    eDstvSideBottom = 3
};

// One DSTV weld point of a group: where on a part it lies and whether a hole is drilled there.
class Vdn_DstvPointInfo {
public:
    static constexpr int kSideCount = 4;
    static constexpr double kDefaultMinPlateSideDist = 50.0;
    static constexpr double kDefaultDrillRadius = 16.0;

    Vdn_DstvPointInfo() = default;
    explicit Vdn_DstvPointInfo(const Vdn_String& name) : name_(name) {}
    Vdn_DstvPointInfo(const Vdn_DstvPointInfo&) = default;
    Vdn_DstvPointInfo& operator=(const Vdn_DstvPointInfo&) = default;
    virtual ~Vdn_DstvPointInfo() = default;
    friend bool operator==(const Vdn_DstvPointInfo&, const Vdn_DstvPointInfo&) = default;

    const Vdn_String& name() const { return name_; }
    void setName(const Vdn_String& name) { name_ = name; }

    bool selectGeomExtent() const { return selectGeomExtent_; }
    TfDstvPointSideSelection sideSelection1() const { return side1_; }
    TfDstvPointSideSelection sideSelection2() const { return side2_; }
    void setSelectGeomExtent(bool select, TfDstvPointSideSelection side1,
                             TfDstvPointSideSelection side2);

    bool selectIntersGeom() const { return selectIntersGeom_; }
    bool selectIntersMid() const { return selectIntersMid_; }
    TfDstvPointSideSelection intersStartDir() const { return intersStartDir_; }
    void setSelectIntersGeom(bool select, bool middle, TfDstvPointSideSelection startSide);

    std::uint16_t viewPlateSelection() const { return viewPlateSelection_; }
    std::uint16_t markPlateSelection() const { return markPlateSelection_; }
    double minPlateSideDist() const { return minPlateSideDist_; }
    void setPlateSelection(std::uint16_t view, std::uint16_t mark, double minDistance);

    bool drillFullHole() const { return drillFullHole_; }
    bool radiusThicknessBased() const { return radiusThicknessBased_; }
    double drillRadius() const { return drillRadius_; }
    void setDrillFullHole(bool full, bool thicknessBased, double radius);

    // Whether side is one of the four entries.
    static bool isSide(int side) { return side >= 0 && side < kSideCount; }
    // 0 for the ends (entries 0 and 1), 1 for the flanks (2 and 3).
    static int sidePair(TfDstvPointSideSelection side) { return side < eDstvSideTop ? 0 : 1; }

private:
    Vdn_String name_;
    bool selectGeomExtent_ = true;
    TfDstvPointSideSelection side1_ = eDstvSideStart;
    TfDstvPointSideSelection side2_ = eDstvSideTop;
    bool selectIntersGeom_ = false;
    bool selectIntersMid_ = true;
    TfDstvPointSideSelection intersStartDir_ = eDstvSideStart;
    std::uint16_t viewPlateSelection_ = 0;
    std::uint16_t markPlateSelection_ = 0;
    double minPlateSideDist_ = kDefaultMinPlateSideDist;
    bool drillFullHole_ = false;
    bool radiusThicknessBased_ = false;
    double drillRadius_ = kDefaultDrillRadius;
};
