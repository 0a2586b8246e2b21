#include "platform/core/text/Vdn_String.h"
#include "platform/host/AcTransaction.h"
#include "platform/host/Guid.h"

#include <gtest/gtest.h>

namespace {

TEST(AcTransaction, RecordsOpenedObjectsUntilItEnds) {
    AcTransaction transaction;
    EXPECT_EQ(transaction.open(AcDbObjectId(3)), Acad::eOk);
    EXPECT_EQ(transaction.open(AcDbObjectId(3)), Acad::eOk);
    EXPECT_EQ(transaction.open(AcDbObjectId(5)), Acad::eOk);
    EXPECT_EQ(transaction.open(AcDbObjectId::kNull), Acad::eInvalidInput);
    EXPECT_EQ(transaction.openedIds(), (AcArray<AcDbObjectId>{AcDbObjectId(3), AcDbObjectId(5)}));
    EXPECT_TRUE(transaction.isOpen(AcDbObjectId(5)));

    EXPECT_EQ(transaction.commit(), Acad::eOk);
    EXPECT_EQ(transaction.state(), AcTransaction::State::Committed);
    EXPECT_EQ(transaction.abort(), Acad::eInvalidInput);
    EXPECT_EQ(transaction.open(AcDbObjectId(8)), Acad::eInvalidInput);
    EXPECT_EQ(transaction.state(), AcTransaction::State::Committed);
    EXPECT_FALSE(transaction.isOpen(AcDbObjectId(8)));
}

TEST(AcTransaction, AbortEndsIt) {
    AcTransaction transaction;
    EXPECT_EQ(transaction.abort(), Acad::eOk);
    EXPECT_EQ(transaction.state(), AcTransaction::State::Aborted);
    EXPECT_EQ(transaction.commit(), Acad::eInvalidInput);
}

TEST(Guid, RegistryFormRoundTrip) {
    const auto guid = host::Guid::parse(L"{bff7cde1-365f-4164-bf0a-a906ff a2920f}");
    EXPECT_FALSE(guid) << "a blank inside is refused";
    const auto parsed = host::Guid::parse(L"{bff7cde1-365f-4164-bf0a-a906ffa2920f}");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->data1, 0xBFF7CDE1u);
    EXPECT_EQ(parsed->data4[0], 0xBF);
    EXPECT_EQ(parsed->data4[7], 0x0F);
    EXPECT_EQ(parsed->toString(), L"{BFF7CDE1-365F-4164-BF0A-A906FFA2920F}");
    EXPECT_EQ(host::Guid::parse(L"BFF7CDE1-365F-4164-BF0A-A906FFA2920F"), parsed);
    EXPECT_TRUE(host::Guid{}.isNull());
}

TEST(Guid, MalformedTextsAreRefused) {
    const wchar_t* const texts[] = {
        L"",
        L"{}",
        L"{BFF7CDE1-365F-4164-BF0A-A906FFA2920}",
        L"{BFF7CDE1-365F-4164-BF0A-A906FFA2920F0}",
        L"{BFF7CDE1-365F-4164-BF0AA906FFA2920F}",
        L"{BFF7CDE1-365F-4164-BF0A-A906FFA2920G}",
        L"{BFF7CDE1-365F-4164-BF0A-A906FFA2920F",
        L"BFF7CDE1-365F-4164-BF0A-A906FFA2920F}",
        L"{BFF7CDE1_365F-4164-BF0A-A906FFA2920F}",
    };
    for (const wchar_t* text : texts)
        EXPECT_FALSE(host::Guid::parse(text)) << "'" << Vdn_String(text).toUtf8() << "'";
}

} // namespace
