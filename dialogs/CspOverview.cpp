#include "dialogs/CspOverview.h"

#include "library/csp/BarRun.h"
#include "library/csp/CspSetProblem.h"
#include "library/csp/CuttingOptimizer.h"
#include "library/csp/LengthText.h"
#include "platform/core/files/FolderHelpers.h"
#include "platform/core/text/NumberedTexts.h"

#include <chrono>
#include <ctime>

namespace {

constexpr int kTitle = 633;
constexpr int kStockFile = 634;
constexpr int kBuyFile = 635;
constexpr int kNoFile = 636;
constexpr int kChangedOn = 637;
constexpr int kSetText = 638;
constexpr int kBarsText = 20520;
constexpr int kAtLeastText = 20521;
constexpr int kNeededText = 20522;
constexpr int kWasteText = 20523;
constexpr int kNoPlanText = 20524;
constexpr int kNoPartsText = 20525;
constexpr int kDashes = 60;

Vdn_String mm(double length) {
    return Vdn_String::fromUtf8(csp::lengthText(length) + " mm");
}

Vdn_String fileLine(int label, const Vdn_String& pattern) {
    const auto newest = core::newestFile(pattern);
    if (!newest)
        return dialString(label) + L": " + dialString(kNoFile);
    return dialString(label) + L": " + newest->name + L", " + dialString(kChangedOn) + L" " +
           cspFileTime(newest->written);
}

void planLines(const csp::CuttingPlan& plan, Vdn_StringArray& lines) {
    lines.append(dialString(kBarsText) + L": " + Vdn_String(static_cast<int>(plan.bars.size())) +
                 L" (" + dialString(kAtLeastText) + L" " +
                 Vdn_String(static_cast<int>(plan.lowerBound)) + L")");
    Vdn_String needed;
    for (const csp::StockPurchase& purchase : plan.buy) {
        needed += (needed.isEmpty() ? L"" : L", ") + Vdn_String(static_cast<int>(purchase.count)) +
                  L" \u00D7 " + mm(purchase.length);
    }
    lines.append(dialString(kNeededText) + L": " + needed);
    lines.append(dialString(kWasteText) + L": " + mm(plan.waste));
    for (const csp::BarRun& run : csp::barRuns(plan)) {
        lines.append(L"  " + Vdn_String(static_cast<int>(run.count)) + L" \u00D7 " +
                     mm(run.bar->stock) + L": " + Vdn_String::fromUtf8(run.cutsText()));
    }
}

} // namespace

Vdn_String cspFileTime(std::chrono::system_clock::time_point time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[64] = {};
    std::strftime(text, sizeof text, "%d %B, %Y (%H:%M)", &local);
    return Vdn_String::fromUtf8(text);
}

Vdn_StringArray cspOverview(const DlgCSP2Data& data, int setId, const Vdn_String& folder) {
    Vdn_StringArray lines;
    const Vdn_String dashes(std::wstring(kDashes, L'-'));
    lines.append(dashes);
    lines.append(dialString(kTitle));
    const int set = data.indexOfSet(setId);
    if (set >= 0 && set < data.setNames.length())
        lines.append(dialString(kSetText) + L": " + data.setNames[set]);
    lines.append(fileLine(kStockFile, folder + L"*.shp"));
    lines.append(fileLine(kBuyFile, folder + L"*.buy"));
    if (set >= 0) {
        csp::CspSetTables tables{data.rowsOf(DlgCSP2Data::kParts, setId),
                                 data.rowsOf(DlgCSP2Data::kStock, setId),
                                 data.rowsOf(DlgCSP2Data::kBuy, setId)};
        csp::CuttingProblem problem;
        std::vector<std::string> problems;
        if (!csp::problemFromTables(tables, problem, problems)) {
            for (const std::string& bad : problems)
                lines.append(dialString(kNoPlanText) + L": " + Vdn_String::fromUtf8(bad));
        } else if (problem.parts.empty()) {
            lines.append(dialString(kNoPartsText));
        } else {
            const csp::CuttingResult result = csp::CuttingOptimizer().solve(problem);
            if (result)
                planLines(result.plan(), lines);
            else
                lines.append(dialString(kNoPlanText) + L": " +
                             Vdn_String::fromUtf8(result.reason()));
        }
    }
    lines.append(dashes);
    return lines;
}
