#include "platform/core/model/Vdn_DstvPointInfo.h"

void Vdn_DstvPointInfo::setSelectGeomExtent(bool select, TfDstvPointSideSelection side1,
                                            TfDstvPointSideSelection side2) {
    selectGeomExtent_ = select;
    side1_ = side1;
    side2_ = side2;
}

void Vdn_DstvPointInfo::setSelectIntersGeom(bool select, bool middle,
                                            TfDstvPointSideSelection startSide) {
    selectIntersGeom_ = select;
    selectIntersMid_ = middle;
    intersStartDir_ = startSide;
}

void Vdn_DstvPointInfo::setPlateSelection(std::uint16_t view, std::uint16_t mark,
                                          double minDistance) {
    viewPlateSelection_ = view;
    markPlateSelection_ = mark;
    minPlateSideDist_ = minDistance;
}

void Vdn_DstvPointInfo::setDrillFullHole(bool full, bool thicknessBased, double radius) {
    drillFullHole_ = full;
    radiusThicknessBased_ = thicknessBased;
    drillRadius_ = radius;
}
