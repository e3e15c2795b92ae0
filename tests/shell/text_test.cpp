#include <gtest/gtest.h>

#include "shell/text.h"

TEST(JoinStrings, PiecesFollowInOrderAndNullPiecesAreSkipped)
{
    EXPECT_EQ(JoinStrings("Textures\\", "GridA.dds"), "Textures\\GridA.dds");
    EXPECT_EQ(JoinStrings("a", nullptr, "c", "d"), "acd");
    EXPECT_EQ(JoinStrings(nullptr, "b", nullptr, "d"), "bd");
}

TEST(JoinStrings, AllPiecesNullGiveAnEmptyText)
{
    EXPECT_EQ(JoinStrings(nullptr, nullptr, nullptr, nullptr), "");
}

TEST(FloatToText, FourDecimalsForMagnitudesFromOne)
{
    EXPECT_EQ(FloatToText(1001.0f), "1001.0000");
    EXPECT_EQ(FloatToText(-2.5f), "-2.5000");
    EXPECT_EQ(FloatToText(123456.789f), "123456.7890");
}

TEST(FloatToText, FractionIsCutNotRounded)
{
    EXPECT_EQ(FloatToText(1.99999f), "1.9999");
    EXPECT_EQ(FloatToText(0.99999f), "0.9999");
}

TEST(FloatToText, BelowOneStartsWithZeroPoint)
{
    EXPECT_EQ(FloatToText(0.5f), "0.5000");
    EXPECT_EQ(FloatToText(0.0f), "0.0000");
}

TEST(FloatToText, BelowATenthGivesFourSignificantDigits)
{
    EXPECT_EQ(FloatToText(0.05f), "0.05000");
    EXPECT_EQ(FloatToText(-0.05f), "-0.05000");
    EXPECT_EQ(FloatToText(0.001234f), "0.001233");  // the float lies just below 0.001234
}

TEST(FloatToText, DigitsComeFromTheEighteenthPlace)
{
    // 1e-17 as a float is 1.0000000180e-17: rounded at the 18th place only "10" survives.
    EXPECT_EQ(FloatToText(1e-17f), "0.00000000000000001000");
    EXPECT_EQ(FloatToText(1e-20f), "0.0000");
    EXPECT_EQ(FloatToText(-1e-20f), "0.0000");
}

TEST(FloatToText, LargestFloatKeepsAllItsDigits)
{
    EXPECT_EQ(FloatToText(3.4e38f), "339999995214436424907732413799364296704.0000");
}

TEST(FormatMoney, OneCommaForSevenToNineCharacters)
{
    EXPECT_EQ(FormatMoney("1234.56", "$", 0), "$1,234.56");
    EXPECT_EQ(FormatMoney("123456.78", "$", 0), "$123,456.78");
}

TEST(FormatMoney, TwoCommasForTenToTwelveCharacters)
{
    EXPECT_EQ(FormatMoney("1234567.89", "$", 0), "$1,234,567.89");
    EXPECT_EQ(FormatMoney("123456789.01", "$", 0), "$123,456,789.01");
}

TEST(FormatMoney, NoCommaUpToSixOrFromThirteenCharacters)
{
    EXPECT_EQ(FormatMoney("123.45", "$", 0), "$123.45");
    EXPECT_EQ(FormatMoney("1234567890.12", "$", 0), "$1234567890.12");
}

TEST(FormatMoney, NegativeNumbers)
{
    EXPECT_EQ(FormatMoney("-1234.56", "$", 1), "$(1,234.56)");
    EXPECT_EQ(FormatMoney("-1234.56", "$", 0), "-$1,234.56");
    EXPECT_EQ(FormatMoney("-1234.56", "$", 2), "-$1,234.56");  // only bit 0 asks for brackets
    EXPECT_EQ(FormatMoney("1234.56", "$", 1), "$1,234.56");
}

TEST(FormatMoney, NullPrefixIsEmpty)
{
    EXPECT_EQ(FormatMoney("1234.56", nullptr, 0), "1,234.56");
}

TEST(FormatMoneyWhole, CommasByDigitCount)
{
    EXPECT_EQ(FormatMoneyWhole("123", "$", 0), "$123");
    EXPECT_EQ(FormatMoneyWhole("1234", "$", 0), "$1,234");
    EXPECT_EQ(FormatMoneyWhole("123456", "$", 0), "$123,456");
    EXPECT_EQ(FormatMoneyWhole("1234567", "$", 0), "$1,234,567");
    EXPECT_EQ(FormatMoneyWhole("123456789", "$", 0), "$123,456,789");
    EXPECT_EQ(FormatMoneyWhole("1234567890", "$", 0), "$1234567890");
}

TEST(FormatMoneyWhole, NegativeNumbers)
{
    EXPECT_EQ(FormatMoneyWhole("-123", "$", 0), "$-123");
    EXPECT_EQ(FormatMoneyWhole("-1234", "$", 0), "$-1,234");
    EXPECT_EQ(FormatMoneyWhole("-1234567", "$", 1), "($1,234,567)");
    EXPECT_EQ(FormatMoneyWhole("-1234567890", "$", 1), "($1234567890)");
}
