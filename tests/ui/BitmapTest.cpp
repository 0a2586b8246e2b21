#include "platform/ui/graphics/Bitmap.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/ui/graphics/BitmapTable.h"
#include "platform/ui/graphics/CBitmap.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace {

namespace fs = std::filesystem;
using ui::Bitmap;

class BitmapTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("tessa-bitmap-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        resourceDir_ = gSettings.resourceDir();
        gSettings.setResourceDir(Vdn_String::fromUtf8(TESSA_SOURCE_ROOT "/resources"));
    }
    void TearDown() override {
        gSettings.setResourceDir(resourceDir_);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    Vdn_String name(const char* file) const { return core::fromNativePath(folder_ / file); }

    fs::path folder_;
    Vdn_String resourceDir_;
};

TEST_F(BitmapTest, SavedPictureLoadsBackOpaque) {
    Bitmap picture(7, 4, 0xFF336699);
    picture.setPixel(0, 0, 0xFFFF0000);
    picture.setPixel(6, 3, 0x00FFFFFF); // alpha is not stored
    ASSERT_TRUE(picture.save(name("out.bmp")));
    EXPECT_FALSE(fs::exists(folder_ / "out.bmp.tmp"));

    const Bitmap::LoadResult loaded = Bitmap::load(name("OUT.BMP")); // names resolve in any case
    ASSERT_TRUE(loaded.ok()) << std::string(loaded.error.begin(), loaded.error.end());
    Bitmap expected = picture;
    expected.setPixel(6, 3, 0xFFFFFFFF);
    EXPECT_EQ(loaded.bitmap, expected);
}

TEST_F(BitmapTest, SaveRefusesEmptyPicturesAndMissingFolders) {
    EXPECT_FALSE(Bitmap().save(name("empty.bmp")));
    EXPECT_FALSE(Bitmap(0, 5, 0).save(name("empty.bmp")));
    EXPECT_FALSE(fs::exists(folder_ / "empty.bmp"));
    EXPECT_FALSE(Bitmap(2, 2, 0).save(name("no-such-folder/x.bmp")));
}

TEST_F(BitmapTest, LoadFailuresNameTheFile) {
    const Bitmap::LoadResult missing = Bitmap::load(name("missing.bmp"));
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.error.find(L"missing.bmp: the file does not exist"), std::wstring::npos);

    std::ofstream(folder_ / "text.bmp") << "not a picture at all";
    const Bitmap::LoadResult damaged = Bitmap::load(name("text.bmp"));
    EXPECT_FALSE(damaged.ok());
    EXPECT_TRUE(damaged.bitmap.isEmpty());
    EXPECT_NE(damaged.error.find(L"text.bmp: not a BMP file"), std::wstring::npos);

    EXPECT_FALSE(Bitmap::load(core::fromNativePath(folder_)).ok()); // a folder
}

TEST_F(BitmapTest, MaskMakesExactlyTheGivenColourTransparent) {
    Bitmap picture(10, 2, 0xFFFFFFFF);
    picture.setPixel(1, 0, 0xFFFEFFFF); // near white stays opaque
    picture.setPixel(2, 0, 0xFF000000);
    picture.setPixel(9, 1, 0x00FFFFFF); // alpha does not matter
    picture.setPixel(8, 1, 0xFF0000FF);

    const ui::BitmapMask white = picture.maskOf(RGB(255, 255, 255));
    ASSERT_EQ(white.width(), 10);
    ASSERT_EQ(white.height(), 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool opaque = (x == 1 || x == 2) && y == 0 ? true : x == 8 && y == 1;
            EXPECT_EQ(white.isTransparent(x, y), !opaque) << x << "," << y;
        }
    }
    EXPECT_FALSE(white.isTransparent(10, 0));
    EXPECT_FALSE(white.isTransparent(-1, 0));

    // COLORREF is 0x00BBGGRR: RGB(0, 0, 255) is the blue pixel, not a red one.
    const ui::BitmapMask blue = picture.maskOf(RGB(0, 0, 255));
    EXPECT_TRUE(blue.isTransparent(8, 1));
    EXPECT_FALSE(blue.isTransparent(0, 0));
    EXPECT_EQ(Bitmap::colorRefOf(0xFF0000FF), RGB(0, 0, 255));
    EXPECT_EQ(Bitmap::argbOf(RGB(1, 2, 3)), 0xFF010203u);
}

// The check-box pictures of the picture check-box cells: 8134 checked, 8136 unchecked.
TEST_F(BitmapTest, CheckBoxResourcesAreThirteenPixelBoxes) {
    CBitmap checked, unchecked;
    ASSERT_TRUE(checked.LoadBitmap(8134));
    ASSERT_TRUE(unchecked.LoadBitmap(8136));
    BITMAP info;
    ASSERT_EQ(checked.GetBitmap(&info), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(info.bmWidth, 13);
    EXPECT_EQ(info.bmHeight, 13);
    EXPECT_EQ(info.bmBitsPixel, 32);

    const auto on = checked.picture();
    const auto off = unchecked.picture();
    ASSERT_TRUE(on && off);
    EXPECT_EQ(off->width(), 13);
    int differing = 0;
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 13; ++x) {
            const bool inside = x >= 2 && x <= 10 && y >= 2 && y <= 10;
            if (!inside)
                EXPECT_EQ(on->pixel(x, y), off->pixel(x, y)) << "frame " << x << "," << y;
            else
                EXPECT_EQ(off->pixel(x, y), 0xFFFFFFFFu) << "unchecked inside " << x << "," << y;
            differing += on->pixel(x, y) != off->pixel(x, y);
        }
    }
    EXPECT_EQ(on->pixel(6, 8), 0xFF000000u); // the middle of the check mark
    EXPECT_EQ(differing, 21);                // seven columns, three pixels each
}

TEST_F(BitmapTest, CBitmapOwnsItsHandle) {
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(99999));
    EXPECT_EQ(missing.GetSafeHandle(), nullptr);
    BITMAP info;
    EXPECT_EQ(missing.GetBitmap(&info), 0);
    EXPECT_FALSE(missing.DeleteObject());

    HBITMAP handle = nullptr;
    {
        CBitmap file;
        ASSERT_TRUE(Bitmap(3, 2, 0xFF00FF00).save(name("g.bmp")));
        ASSERT_TRUE(file.loadFromFile(name("g.bmp")));
        EXPECT_FALSE(file.loadFromFile(name("g.bmp"))); // one bitmap per object
        handle = file;
        ASSERT_NE(handle, nullptr);
        const auto shared = ui::BitmapTable::find(handle);
        ASSERT_TRUE(shared);
        EXPECT_EQ(shared->pixel(2, 1), 0xFF00FF00u);
    }
    EXPECT_EQ(ui::BitmapTable::find(handle), nullptr); // released with its object

    CBitmap reused;
    ASSERT_TRUE(reused.LoadBitmap(8136));
    const HBITMAP first = reused;
    EXPECT_TRUE(reused.DeleteObject());
    EXPECT_EQ(ui::BitmapTable::find(first), nullptr);
    ASSERT_TRUE(reused.LoadBitmap(8136));
    EXPECT_NE(static_cast<HBITMAP>(reused), first); // handles are not reused
}

} // namespace
