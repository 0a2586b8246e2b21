#include "platform/ui/controls/CResizer.h"
#include "platform/ui/windows/CWnd.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

namespace {

using Border = CResizer::CBorder;
using Info = CResizer::CBorderInfo;
constexpr auto eFixed = CResizer::eFixed;
constexpr auto eProportional = CResizer::eProportional;
constexpr auto eWidth = CResizer::eWidth;
constexpr auto eHeight = CResizer::eHeight;
constexpr auto eLeft = CResizer::eLeft;
constexpr auto eTop = CResizer::eTop;
constexpr auto eRight = CResizer::eRight;
constexpr auto eBottom = CResizer::eBottom;
constexpr UINT kDialog = CResizer::IDC_MAIN;

// A resizable dialog as the module's dialogs are: its size handler lets the resizer move the
// controls. It sits at a screen position with a sizing frame and a caption, so client and
// screen coordinates differ.
class ResizableDialog : public CWnd {
public:
    explicit ResizableDialog(int clientWidth, int clientHeight) {
        const DWORD style = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE;
        Create(nullptr, L"Dialog", style,
               CRect(200, 100, 200 + clientWidth + 8, 100 + clientHeight + 27), nullptr, 0);
    }
    ~ResizableDialog() override { DestroyWindow(); }

    CWnd& add(UINT id, const CRect& rect) {
        auto control = std::make_unique<CWnd>();
        control->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, rect, this, id);
        controls_.push_back(std::move(control));
        return *controls_.back();
    }
    void resizeClient(int width, int height) {
        CRect window, client;
        GetWindowRect(&window);
        GetClientRect(&client);
        SetWindowPos(nullptr, 0, 0, window.Width() - client.Width() + width,
                     window.Height() - client.Height() + height, SWP_NOMOVE | SWP_NOZORDER);
    }
    CRect rectOf(UINT id) const {
        CRect rect;
        GetDlgItem(static_cast<int>(id))->GetWindowRect(&rect);
        ScreenToClient(&rect);
        return rect;
    }

    CResizer resizer;

protected:
    void OnSize(UINT type, int cx, int cy) override {
        CWnd::OnSize(type, cx, cy);
        resizer.Move();
    }

private:
    std::vector<std::unique_ptr<CWnd>> controls_;
};

std::string show(const CRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// The general-variables dialog's layout: two frames sharing the height, grids inside them,
// button columns at the right, OK and Cancel at the bottom left.
TEST(CResizer, GeneralVariablesLayoutFollowsTheDialog) {
    ResizableDialog dialog(400, 300);
    const std::map<UINT, CRect> initial = {
        {1437, {5, 5, 395, 140}},     {1445, {5, 150, 395, 260}},   {1434, {10, 20, 300, 130}},
        {1444, {10, 165, 300, 250}},  {1435, {310, 110, 390, 130}}, {1436, {310, 85, 390, 105}},
        {1443, {310, 220, 390, 240}}, {1442, {310, 195, 390, 215}}, {1438, {310, 20, 340, 40}},
        {1439, {350, 20, 380, 40}},   {1440, {310, 165, 340, 185}}, {1441, {350, 165, 380, 185}},
        {1, {5, 270, 85, 295}},       {2, {95, 270, 175, 295}},
    };
    for (const auto& [id, rect] : initial)
        dialog.add(id, rect);
    const Info layout[] = {
        {1437,
         {eFixed, kDialog, eLeft},
         {eFixed, kDialog, eTop},
         {eFixed, kDialog, eRight},
         {eProportional, kDialog, eBottom}},
        {1445,
         {eFixed, kDialog, eLeft},
         {eFixed, 1437, eBottom},
         {eFixed, kDialog, eRight},
         {eFixed, kDialog, eBottom}},
        {1434,
         {eFixed, 1437, eLeft},
         {eFixed, 1437, eTop},
         {eFixed, 1437, eRight},
         {eFixed, 1437, eBottom}},
        {1444,
         {eFixed, 1445, eLeft},
         {eFixed, 1445, eTop},
         {eFixed, 1445, eRight},
         {eFixed, 1445, eBottom}},
        {1435, {eFixed, kDialog, eRight}, {eFixed, 1437, eBottom}, {eWidth}, {eHeight}},
        {1436, {eFixed, kDialog, eRight}, {eFixed, 1437, eBottom}, {eWidth}, {eHeight}},
        {1443, {eFixed, kDialog, eRight}, {eFixed, 1444, eBottom}, {eWidth}, {eHeight}},
        {1442, {eFixed, kDialog, eRight}, {eFixed, 1444, eBottom}, {eWidth}, {eHeight}},
        {1438, {eFixed, kDialog, eRight}, {eProportional, 1437, eTop}, {eWidth}, {eHeight}},
        {1439, {eFixed, kDialog, eRight}, {eProportional, 1437, eTop}, {eWidth}, {eHeight}},
        {1440, {eFixed, kDialog, eRight}, {eProportional, 1444, eTop}, {eWidth}, {eHeight}},
        {1441, {eFixed, kDialog, eRight}, {eProportional, 1444, eTop}, {eWidth}, {eHeight}},
        {1, {eFixed, kDialog, eLeft}, {eFixed, kDialog, eBottom}, {eWidth}, {eHeight}},
        {2, {eFixed, kDialog, eLeft}, {eFixed, kDialog, eBottom}, {eWidth}, {eHeight}},
    };
    ASSERT_TRUE(dialog.resizer.Init(&dialog, nullptr, layout));

    dialog.resizeClient(600, 500);
    // Worked out by hand from the rules in CResizer.h (width 400 -> 600, height 300 -> 500).
    const std::map<UINT, CRect> grown = {
        {1437, {5, 5, 595, 233}},   // bottom: 500 + round(-160 * 500 / 300) = 500 - 267
        {1445, {5, 243, 595, 460}}, // top 10 below 1437's new bottom
        {1434, {10, 20, 500, 223}},   {1444, {10, 258, 500, 450}},  {1435, {510, 203, 590, 223}},
        {1436, {510, 178, 590, 198}}, {1443, {510, 420, 590, 440}}, {1442, {510, 395, 590, 415}},
        {1438, {510, 30, 540, 50}}, // top: 5 + round(15 * 500 / 300)
        {1439, {550, 30, 580, 50}},   {1440, {510, 258, 540, 278}}, {1441, {550, 258, 580, 278}},
        {1, {5, 470, 85, 495}},       {2, {95, 470, 175, 495}},
    };
    for (const auto& [id, rect] : grown)
        EXPECT_EQ(show(dialog.rectOf(id)), show(rect)) << "control " << id;

    // Back to the first size gives back the first layout exactly.
    dialog.resizeClient(400, 300);
    for (const auto& [id, rect] : initial)
        EXPECT_EQ(show(dialog.rectOf(id)), show(rect)) << "control " << id;
}

// One rule per row: how one control with one layout entry lands after a resize.
TEST(CResizer, EachEdgeRule) {
    struct Case {
        const char* label;
        CRect control;
        Info entry;
        int width, height; // new client size (from 300 x 200)
        CRect expected;
    };
    const Case cases[] = {
        {"stretched to all sides",
         {10, 10, 110, 60},
         {7,
          {eFixed},
          {eFixed, kDialog, eTop},
          {eFixed, kDialog, eRight},
          {eFixed, kDialog, eBottom}},
         400,
         260,
         {10, 10, 210, 120}},
        {"kept at the bottom right",
         {220, 160, 290, 185},
         {7, {eFixed, kDialog, eRight}, {eFixed, kDialog, eBottom}, {eWidth}, {eHeight}},
         250,
         150,
         {170, 110, 240, 135}},
        {"kept size on the left and top edges",
         {220, 160, 290, 185},
         {7, {eWidth}, {eHeight}, {eFixed, kDialog, eRight}, {eFixed, kDialog, eBottom}},
         400,
         260,
         {320, 220, 390, 245}},
        {"untouched when attached to the top left",
         {20, 30, 60, 50},
         {7, {eFixed}, {eFixed, kDialog, eTop}, {eWidth}, {eHeight}},
         900,
         700,
         {20, 30, 60, 50}},
        {"proportional left edge and width",
         {100, 10, 150, 30},
         {7, {eProportional}, {eFixed, kDialog, eTop}, {eProportional, kDialog, eRight}, {eHeight}},
         600,
         200,
         {200, 10, 300, 30}},
        {"proportional rounds half away from zero",
         {10, 10, 290, 100},
         {7,
          {eFixed},
          {eFixed, kDialog, eTop},
          {eFixed, kDialog, eRight},
          {eProportional, kDialog, eBottom}},
         300,
         301,
         {10, 10, 290, 150}}, // 301 + round(-100 * 301 / 200) = 301 - 151
        {"proportional upwards",
         {10, 10, 290, 101},
         {7,
          {eFixed},
          {eFixed, kDialog, eTop},
          {eFixed, kDialog, eRight},
          {eProportional, kDialog, eTop}},
         300,
         301,
         {10, 10, 290, 152}}, // 0 + round(101 * 301 / 200) = round(152.005)
        {"shrunk past its opposite edge",
         {10, 10, 290, 190},
         {7,
          {eFixed},
          {eFixed, kDialog, eTop},
          {eFixed, kDialog, eRight},
          {eFixed, kDialog, eBottom}},
         5,
         5,
         {10, 10, 10, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ResizableDialog dialog(300, 200);
        dialog.add(7, c.control);
        const Info entries[] = {c.entry};
        ASSERT_TRUE(dialog.resizer.Init(&dialog, nullptr, entries));
        dialog.resizeClient(c.width, c.height);
        EXPECT_EQ(show(dialog.rectOf(7)), show(c.expected));
    }
}

TEST(CResizer, ControlsWithoutAnEntryStayAndOthersFollowThem) {
    ResizableDialog dialog(300, 200);
    CWnd& label = dialog.add(50, {10, 10, 60, 30});
    dialog.add(60, {70, 10, 290, 30});
    const Info entries[] = {
        {60, {eFixed, 50, eRight}, {eFixed, 50, eTop}, {eFixed, kDialog, eRight}, {eHeight}},
    };
    ASSERT_TRUE(dialog.resizer.Init(&dialog, nullptr, entries));
    dialog.resizeClient(400, 200);
    EXPECT_EQ(show(dialog.rectOf(50)), show({10, 10, 60, 30}));
    EXPECT_EQ(show(dialog.rectOf(60)), show({70, 10, 390, 30}));

    label.MoveWindow(20, 40, 50, 20); // the dialog moves the label itself
    dialog.resizer.Move();
    EXPECT_EQ(show(dialog.rectOf(60)), show({80, 40, 390, 60}));
}

// The rectangle given to Init is the client size the controls were placed for; the sheets
// manager passes its stored size that way.
TEST(CResizer, InitialRectangleGivenByTheCaller) {
    ResizableDialog panel(300, 200);
    panel.add(1, {10, 10, 290, 190});
    const Info entries[] = {{1,
                             {eFixed},
                             {eFixed, kDialog, eTop},
                             {eFixed, kDialog, eRight},
                             {eFixed, kDialog, eBottom}}};
    const CRect stored(0, 0, 500, 400);
    ASSERT_TRUE(panel.resizer.Init(&panel, &stored, entries));
    panel.resizer.Move();
    EXPECT_EQ(show(panel.rectOf(1)), show({10, 10, 90, 10})); // bottom would be -10: clamped
    panel.resizeClient(500, 400);
    EXPECT_EQ(show(panel.rectOf(1)), show({10, 10, 290, 190}));
}

TEST(CResizer, RefusesTablesThatCannotBeLaidOutInOrder) {
    ResizableDialog dialog(300, 200);
    dialog.add(1, {10, 10, 50, 30});
    dialog.add(2, {60, 10, 100, 30});
    CWnd orphan;
    orphan.Create(nullptr, L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 9);
    const Border top{eFixed, kDialog, eTop};
    struct Case {
        const char* label;
        std::vector<Info> entries;
    };
    const Case cases[] = {
        {"related to a later entry",
         {{1, {eFixed, 2, eRight}, top, {eWidth}, {eHeight}},
          {2, {eFixed}, top, {eWidth}, {eHeight}}}},
        {"related to itself", {{1, {eFixed, 1, eRight}, top, {eWidth}, {eHeight}}}},
        {"left edge keeping the height", {{1, {eHeight}, top, {eFixed}, {eHeight}}}},
        {"top edge keeping the width", {{1, {eFixed}, {eWidth}, {eWidth}, {eHeight}}}},
        {"left edge on a top side", {{1, {eFixed, kDialog, eTop}, top, {eWidth}, {eHeight}}}},
        {"bottom edge on a right side", {{1, {eFixed}, top, {eWidth}, {eFixed, 2, eRight}}}},
        {"width kept twice", {{1, {eWidth}, top, {eWidth}, {eHeight}}}},
        {"height kept twice", {{1, {eFixed}, {eHeight}, {eWidth}, {eHeight}}}},
        {"control that is not a child", {{3, {eFixed}, top, {eWidth}, {eHeight}}}},
        {"related window that is not a child",
         {{1, {eFixed, 9, eRight}, top, {eWidth}, {eHeight}}}},
        {"the dialog as a control", {{0, {eFixed}, top, {eWidth}, {eHeight}}}},
        {"one control twice",
         {{1, {eFixed}, top, {eWidth}, {eHeight}}, {1, {eFixed}, top, {eWidth}, {eHeight}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        CResizer resizer;
        EXPECT_FALSE(resizer.Init(&dialog, nullptr, c.entries));
    }

    // A refused table leaves a working layout as it was.
    const Info good[] = {{1, {eFixed, kDialog, eRight}, top, {eWidth}, {eHeight}}};
    ASSERT_TRUE(dialog.resizer.Init(&dialog, nullptr, good));
    const Info bad[] = {{1, {eFixed, 1, eRight}, top, {eWidth}, {eHeight}}};
    EXPECT_FALSE(dialog.resizer.Init(&dialog, nullptr, bad));
    dialog.resizeClient(400, 200);
    EXPECT_EQ(show(dialog.rectOf(1)), show({110, 10, 150, 30}));

    CResizer unused;
    EXPECT_FALSE(unused.Init(nullptr, nullptr, good));
    EXPECT_TRUE(unused.Init(&orphan, nullptr, {})); // an empty table is fine...
    orphan.DestroyWindow();
    EXPECT_FALSE(unused.Init(&orphan, nullptr, {})); // ...a window that is gone is not
}

TEST(CResizer, MoveBeforeInitChangesNothing) {
    ResizableDialog dialog(300, 200);
    dialog.add(1, {10, 10, 50, 30});
    dialog.resizeClient(500, 500);
    EXPECT_EQ(show(dialog.rectOf(1)), show({10, 10, 50, 30}));
}

} // namespace
