#include "platform/core/model/BillPictures.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/text/Base64.h"
#include "platform/host/AcTransaction.h"
#include "platform/ui/graphics/Bitmap.h"
#include "spreadsheet/bill/EmbeddedPicture.h"
#include "tests/core/TempFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(Base64Test, EncodesAndDecodesEveryPaddingCase) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    const std::vector<Case> cases = {{"", ""},
                                     {"f", "Zg=="},
                                     {"fo", "Zm8="},
                                     {"foo", "Zm9v"},
                                     {"foob", "Zm9vYg=="},
                                     {"fooba", "Zm9vYmE="},
                                     {"foobar", "Zm9vYmFy"},
                                     {std::string("\xff\xfe\x00", 3), "//4A"}};
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> bytes(c.bytes.begin(), c.bytes.end());
        EXPECT_EQ(core::base64Encode(bytes), c.text) << c.text;
        std::vector<std::uint8_t> decoded;
        ASSERT_TRUE(core::base64Decode(c.text, decoded)) << c.text;
        EXPECT_EQ(decoded, bytes) << c.text;
    }
}

TEST(Base64Test, RefusesDamagedText) {
    for (const std::string text :
         {"Zg=", "Zg=a", "Z===", "Zm9v!A==", "Zg==Zg==", "=Zg=", "Zh==", "Zm9=", "Zg9vYo=="}) {
        std::vector<std::uint8_t> decoded{1, 2};
        EXPECT_FALSE(core::base64Decode(text, decoded)) << text;
        EXPECT_TRUE(decoded.empty()) << text;
    }
}

class BillPicturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::resetBillPictureSurface();
        bill.items.append({L"P1", L"HEA-200", 3000});
        bill.items.append({L"P2", L"IPE-200", 1500});
    }
    void TearDown() override { core::resetBillPictureSurface(); }

    bool picture(const Vdn_StringArray& row, Vdn_String& file, int view = -1, int size = 30) {
        int detail = 0;
        bool lines = true, colour = true;
        return createImage(row, file, view, size, detail, lines, colour, &bill, &transaction);
    }

    Vdn_Bill bill;
    AcTransaction transaction;
};

TEST_F(BillPicturesTest, DrawsAnItemOnlyWhileTheSurfaceIsOpen) {
    Vdn_String file = L"stale";
    EXPECT_FALSE(picture({L"P1", L"2"}, file));
    EXPECT_TRUE(file.isEmpty());

    initBMPDialog(50);
    ASSERT_TRUE(picture({L"P2", L"2"}, file));
    const ui::Bitmap::LoadResult loaded = ui::Bitmap::load(file);
    ASSERT_TRUE(loaded.ok()) << Vdn_String(loaded.error).toUtf8();
    EXPECT_EQ(loaded.bitmap.height(), 30);
    EXPECT_EQ(loaded.bitmap.width(), 90);
    // The side view is to the scale of the longest item: half as long as P1's picture's bar.
    EXPECT_NE(loaded.bitmap.pixel(10, 15), 0xFFFFFFFFu);
    EXPECT_EQ(loaded.bitmap.pixel(80, 15), 0xFFFFFFFFu);
    EXPECT_TRUE(deleteFile(file));
    EXPECT_FALSE(core::fileExists(file));
    EXPECT_FALSE(deleteFile(file));

    closeBMPDialog();
    closeBMPDialog(); // a second close is no second closing
    EXPECT_EQ(core::billPictureSurface().timesOpened, 1);
    EXPECT_EQ(core::billPictureSurface().timesClosed, 1);
    EXPECT_EQ(core::billPictureSurface().size, 50);
}

TEST_F(BillPicturesTest, UnknownItemsAndMissingContextGiveNoPicture) {
    initBMPDialog(20);
    Vdn_String file;
    EXPECT_FALSE(picture({L"P9"}, file));
    EXPECT_FALSE(picture({}, file));
    int view = -1, size = 0, detail = 0;
    bool lines = false, colour = false;
    EXPECT_FALSE(
        createImage({L"P1"}, file, view, size, detail, lines, colour, nullptr, &transaction));
    EXPECT_FALSE(createImage({L"P1"}, file, view, size, detail, lines, colour, &bill, nullptr));
    EXPECT_TRUE(file.isEmpty());
}

TEST_F(BillPicturesTest, EmbeddedPicturesRoundTripAndRefuseDamage) {
    initBMPDialog(20);
    Vdn_String file;
    ASSERT_TRUE(picture({L"P1"}, file, 0, 24));
    const auto embedded = EmbeddedPicture::fromFile(file);
    ASSERT_TRUE(embedded);
    EXPECT_TRUE(embedded->name.starts_with(EmbeddedPicture::kPrefix));
    EXPECT_EQ(embedded->height, 24);
    const ui::Bitmap::LoadResult original = ui::Bitmap::load(file);
    const ui::Bitmap::LoadResult decoded = EmbeddedPicture::decode(embedded->name);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.bitmap, original.bitmap);
    deleteFile(file);

    EXPECT_FALSE(EmbeddedPicture::fromFile(file)); // gone
    EXPECT_FALSE(EmbeddedPicture::decode(L"251").ok());
    EXPECT_FALSE(EmbeddedPicture::decode(std::wstring(EmbeddedPicture::kPrefix) + L"Qk0=").ok());
    EXPECT_FALSE(
        EmbeddedPicture::decode(std::wstring(EmbeddedPicture::kPrefix) + L"\u00e9A==").ok());
}

} // namespace
