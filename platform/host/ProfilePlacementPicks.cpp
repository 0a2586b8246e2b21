#include "platform/host/ProfilePlacementPicks.h"

#include "platform/core/model/CoordinateSystems.h"
#include "platform/core/model/ProfileOffsetTypes.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/DrawingPicks.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kSectionPointPrompt = 20913;
constexpr int kPlanePrompt = 20914;
constexpr int kCoordSysPrompt = 20915;
// Closer to the centre than this the point is the centre.
constexpr double kCentreTolerance = 1e-6;

Vdn_String pointText(const host::Point3d& point) {
    const auto number = [](double value) { return Vdn_String(value, 6, true); };
    return number(point[0]) + L"," + number(point[1]) + L"," + number(point[2]);
}

// The grid point (1 to 9, row by row from the top left) in the direction of (x, y).
int gridPointToward(double x, double y) {
    if (std::hypot(x, y) < kCentreTolerance)
        return 5;
    // Eight sectors of 45 degrees, the first centred on the positive x axis.
    const double angle = std::atan2(y, x);
    const int sector = static_cast<int>(std::lround(angle / (std::numbers::pi / 4.0)) + 8) % 8;
    // Right, top right, top, top left, left, bottom left, bottom, bottom right.
    constexpr int kPoints[8] = {6, 3, 2, 1, 4, 7, 8, 9};
    return kPoints[sector];
}

} // namespace

bool UserChooseSectionPoint(MacroProfData& data) {
    host::Point3d point{};
    if (!host::pickSectionPoint(dialString(kSectionPointPrompt), point))
        return false;
    data.offsetType = core::offsetTypeOfGridPoint(gridPointToward(point[0], point[1]));
    return true;
}

bool UserSelectPlane(MacroProfData& data) {
    host::Point3d origin{};
    host::Point3d normal{};
    if (!host::pickPlane(dialString(kPlanePrompt), origin, normal))
        return false;
    data.basePlane = pointText(origin) + L";" + pointText(normal);
    return true;
}

bool selectCoordSys(Vdn_String& name) {
    host::Point3d origin{};
    host::Point3d normal{};
    if (!host::pickPlane(dialString(kCoordSysPrompt), origin, normal))
        return false;
    const Vdn_StringArray known = getAllCoordSys();
    for (int number = 1;; ++number) {
        const Vdn_String candidate = Vdn_String(L"UCS") + Vdn_String(std::to_wstring(number));
        bool taken = false;
        for (const Vdn_String& existing : known)
            taken = taken || existing.equal(candidate, false);
        if (!taken && Vdn_Drawing::current().addCoordSys({candidate, origin, normal})) {
            name = candidate;
            return true;
        }
    }
}
