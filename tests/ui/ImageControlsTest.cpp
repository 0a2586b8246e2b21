// The image and picker controls: image buttons with icons, bitmaps and tooltips; icons as a
// resource kind (a broken file gives no picture, never a failure); the check-box and bitmap
// combos; thumbnails with their notifications.

#include "platform/core/files/PathBoundary.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/ui/controls/CBitmapPickerCombo.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/controls/CCheckComboBox.h"
#include "platform/ui/controls/CImageList.h"
#include "platform/ui/controls/CImageListCtrl.h"
#include "platform/ui/controls/CToolTipCtrl.h"
#include "platform/ui/graphics/BitmapTable.h"
#include "platform/ui/graphics/CBitmap.h"
#include "platform/ui/graphics/IconTable.h"
#include "platform/ui/graphics/WindowPainter.h"
#include "tests/ui/ui_test_support.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace {

namespace fs = std::filesystem;
using ui::Bitmap;
using uitest::command;
using uitest::LoggingDialog;
using uitest::Note;
using uitest::notify;

class ImageControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() / ("tessa-images-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder / "icons");
        fs::create_directories(folder / "bitmaps");
        fs::copy_file(fs::path(TESSA_SOURCE_ROOT) / "resources/icons/257.bmp",
                      folder / "icons/257.bmp");
        std::ofstream(folder / "icons/999.bmp") << "BM not really a picture";
        std::ofstream(folder / "bitmaps/998.bmp") << "BM";
        ASSERT_TRUE(dialog.Create(60000));
        dialog.ShowWindow(SW_SHOW);
        // Pictures from a folder of our own, with broken files in it.
        savedResources = gSettings.resourceDir();
        gSettings.setResourceDir(core::fromNativePath(folder));
    }
    void TearDown() override {
        dialog.DestroyWindow();
        gSettings.setResourceDir(savedResources);
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    Vdn_String file(const char* name) const { return core::fromNativePath(folder / name); }

    fs::path folder;
    Vdn_String savedResources;
    LoggingDialog dialog;
    ui::UserActions act{dialog};
};

TEST_F(ImageControlsTest, IconsLoadOnceWithWhiteTransparentAndBrokenFilesGiveNone) {
    const HICON icon = LoadIcon(nullptr, 257);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIcon(nullptr, 257), icon) << "shared, as LoadIcon's icons are";
    EXPECT_FALSE(DestroyIcon(icon)) << "a shared icon is not destroyed";
    const auto picture = ui::IconTable::find(icon);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 16);
    EXPECT_EQ(picture->pixel(0, 0), 0x00FFFFFFU) << "white is transparent";
    EXPECT_EQ(picture->pixel(7, 1) >> 24, 0xFFU) << "the arrow's tip is opaque";
    EXPECT_EQ(LoadIcon(nullptr, 999), nullptr) << "broken file";
    EXPECT_EQ(LoadIcon(nullptr, 4), nullptr) << "missing file";
}

TEST_F(ImageControlsTest, ImageButtonShowsItsPictureAndTooltipAndClicksAsAButton) {
    CButtonST up;
    ASSERT_TRUE(
        up.Create(L"Up", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(5, 5, 30, 30), &dialog, 501));
    EXPECT_EQ(up.SetIcon(257u), CButtonST::BTNST_OK);
    ASSERT_TRUE(up.picture());
    EXPECT_EQ(up.GetIcon(), LoadIcon(nullptr, 257));
    up.SetTooltipText(L"Move up");
    EXPECT_EQ(up.GetTooltipText(), L"Move up");
    EXPECT_EQ(CToolTipCtrl::textFor(&up), L"Move up");
    up.ActivateTooltip(FALSE);
    EXPECT_EQ(CToolTipCtrl::textFor(&up), L"") << "an inactive tip shows nothing";

    dialog.clearNotes();
    ASSERT_TRUE(act.click(501));
    EXPECT_EQ(dialog.notes, (std::vector<Note>{command(501, BN_CLICKED)}));

    // Missing and broken pictures leave the button without one.
    EXPECT_EQ(up.SetIcon(999u), CButtonST::BTNST_INVALIDRESOURCE);
    EXPECT_FALSE(up.picture());
    EXPECT_EQ(up.SetBitmaps(998u, RGB(255, 255, 255)), CButtonST::BTNST_INVALIDRESOURCE);
    EXPECT_EQ(up.SetBitmaps(4711u, RGB(255, 255, 255)), CButtonST::BTNST_INVALIDRESOURCE);
    EXPECT_FALSE(up.picture());

    Bitmap art(2, 1, 0xFFFF00FF); // magenta is the transparent colour here
    art.setPixel(1, 0, 0xFF000000);
    const HBITMAP handle = ui::BitmapTable::add(art);
    EXPECT_EQ(up.SetBitmaps(handle, RGB(255, 0, 255)), CButtonST::BTNST_OK);
    ASSERT_TRUE(up.picture());
    EXPECT_EQ(up.picture()->pixel(0, 0) >> 24, 0U);
    EXPECT_EQ(up.picture()->pixel(1, 0), 0xFF000000U);
    ui::BitmapTable::remove(handle);
    EXPECT_TRUE(up.picture()) << "the button keeps its own copy";

    // Painted: the picture in the middle of the face.
    const Bitmap& face = ui::WindowPainter::instance().paint(up);
    EXPECT_EQ(face.pixel(12, 12), 0xFF000000U);
}

TEST_F(ImageControlsTest, CheckComboTogglesItemsAsAUserAndKeepsChecksWithTheirItems) {
    CCheckComboBox groups;
    ASSERT_TRUE(groups.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(5, 40, 100, 140),
                              &dialog, 502));
    groups.AddString(L"Beams");
    groups.AddString(L"Columns");
    EXPECT_EQ(groups.SetCheck(1, TRUE), 0);
    groups.InsertString(0, L"Angles");
    EXPECT_EQ(groups.GetCheck(2), 1) << "the check moved with its item";
    EXPECT_EQ(groups.GetCheck(0), 0);
    EXPECT_EQ(groups.SetCheck(3, TRUE), CB_ERR);
    EXPECT_EQ(groups.GetCheck(-1), CB_ERR);

    dialog.clearNotes();
    ASSERT_TRUE(act.toggleComboCheck(502, 0));
    EXPECT_EQ(dialog.notes,
              (std::vector<Note>{command(502, CBN_SETFOCUS), command(502, CBN_DROPDOWN),
                                 command(502, CBN_SELCHANGE), command(502, CBN_CLOSEUP)}));
    EXPECT_EQ(groups.checkedText(), L"Angles;Columns");
    ASSERT_TRUE(act.toggleComboCheck(502, 2));
    EXPECT_EQ(groups.checkedText(), L"Angles");
    EXPECT_FALSE(act.toggleComboCheck(502, 3));
    groups.SelectAll();
    EXPECT_EQ(groups.checkedText(), L"Angles;Beams;Columns");
}

TEST_F(ImageControlsTest, BitmapPickerKeepsAPicturePerItem) {
    CBitmapPickerCombo images;
    ASSERT_TRUE(images.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(5, 40, 100, 140),
                              &dialog, 503));
    CBitmap first;
    ASSERT_TRUE(first.CreateCompatibleBitmap(nullptr, 8, 8));
    EXPECT_EQ(images.AddBitmap(&first, L"plate"), 0);
    EXPECT_EQ(images.AddBitmap(nullptr, L"none"), 1);
    EXPECT_EQ(images.InsertBitmap(0, &first, L"first"), 0);
    EXPECT_EQ(images.bitmapOf(0), first.GetSafeHandle());
    EXPECT_EQ(images.bitmapOf(2), nullptr);
    EXPECT_EQ(images.bitmapOf(5), nullptr);
    dialog.clearNotes();
    ASSERT_TRUE(act.selectComboText(503, L"plate"));
    EXPECT_EQ(images.GetCurSel(), 1);
    EXPECT_EQ(dialog.notes.back(), command(503, CBN_SELCHANGE));
}

TEST_F(ImageControlsTest, ThumbnailsScaleToFitAndBrokenPicturesStayEmpty) {
    Bitmap wide(192, 48, 0xFF0000FF);
    ASSERT_TRUE(wide.save(file("wide.bmp")));
    Bitmap small(10, 10, 0xFF00FF00);
    ASSERT_TRUE(small.save(file("small.bmp")));
    std::ofstream(folder / "broken.bmp") << "BM\x01";

    CImageListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(5, 5, 200, 200), &dialog, 504));
    list.setImages({{file("wide.bmp").str(), L"Wide"},
                    {file("broken.bmp").str(), L"Broken"},
                    {file("missing.bmp").str(), L"Missing"},
                    {file("small.bmp").str(), L"Small"}});
    list.drawThumbnails();
    const CImageList& images = list.imageList();
    ASSERT_EQ(images.GetImageCount(), 4) << "every thumbnail keeps its place";
    const Bitmap& scaled = *images.picture(0);
    EXPECT_EQ(scaled.width(), CImageListCtrl::kThumbnailSize);
    // 192 x 48 halves to 96 x 24, centred vertically.
    EXPECT_EQ(scaled.pixel(0, 35), 0U);
    EXPECT_EQ(scaled.pixel(0, 36), 0xFF0000FFU);
    EXPECT_EQ(scaled.pixel(95, 59), 0xFF0000FFU);
    EXPECT_EQ(scaled.pixel(95, 60), 0U);
    EXPECT_EQ(*images.picture(1), Bitmap(96, 96, 0)) << "broken: empty";
    EXPECT_EQ(*images.picture(2), Bitmap(96, 96, 0)) << "missing: empty";
    EXPECT_EQ(images.picture(3)->pixel(48, 48), 0xFF00FF00U) << "small pictures are not enlarged";
    EXPECT_EQ(images.picture(3)->pixel(40, 40), 0U);
}

TEST_F(ImageControlsTest, ThumbnailClicksNotifyAndSelect) {
    CImageListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(5, 5, 200, 200), &dialog, 505));
    list.setImages({{L"a.bmp", L"First"}, {L"b.bmp", L"Second"}});
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(list.selectedName(), L"");
    constexpr UINT kItemChanged = static_cast<UINT>(-101);
    dialog.clearNotes();
    ASSERT_TRUE(act.selectImage(505, 1));
    EXPECT_EQ(dialog.notes, (std::vector<Note>{notify(505, kItemChanged), notify(505, NM_CLICK)}));
    EXPECT_EQ(list.selectedName(), L"Second");
    dialog.clearNotes();
    ASSERT_TRUE(act.doubleClickImage(505, 1));
    EXPECT_EQ(dialog.notes, (std::vector<Note>{notify(505, NM_CLICK), notify(505, NM_DBLCLK)}))
        << "no change notice for the same item";
    EXPECT_FALSE(act.selectImage(505, 2));
    EXPECT_FALSE(act.toggleComboCheck(505, 0)) << "not a check-box combo";
    EXPECT_TRUE(list.setSelectedIndex(-1));
    EXPECT_FALSE(list.setSelectedIndex(2));
}

TEST(ImageListTest, MaskColourBecomesTransparent) {
    CImageList images;
    EXPECT_EQ(images.Add(static_cast<const CBitmap*>(nullptr), 0), -1) << "not created";
    ASSERT_TRUE(images.Create(4, 4, 0, 1, 1));
    EXPECT_FALSE(images.Create(4, 4, 0, 1, 1));
    CBitmap black;
    ASSERT_TRUE(black.CreateCompatibleBitmap(nullptr, 4, 4));
    EXPECT_EQ(images.Add(&black, RGB(0, 0, 0)), 0);
    EXPECT_EQ(images.picture(0)->pixel(1, 1), 0U);
    EXPECT_EQ(images.Add(&black, RGB(255, 255, 255)), 1);
    EXPECT_EQ(images.picture(1)->pixel(1, 1), 0xFF000000U);
    EXPECT_EQ(images.picture(2), nullptr);
}

} // namespace
