#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "shell/eventlog.h"
#include "shell/files.h"

namespace {

std::string LogText()
{
    std::ifstream file(EventLogName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(EventLog, LinesOfTheGameStandByteForByte)
{
    LogError("Releasing Device.", "", 0, 0);
    LogError("TARNWICK::InitD3D Texture load", "GridA.dds", 0, 0);
    LogError("TEXTURES::IncNumberOfTextures()", "", 511, -1);
    LogError("pPiece->pTarget", "NULL", 0, 0);
    EXPECT_EQ(LogText(),
              "Releasing Device.: , 0, 0\r\n"
              "TARNWICK::InitD3D Texture load: GridA.dds, 0, 0\r\n"
              "TEXTURES::IncNumberOfTextures(): , 511, -1\r\n"
              "pPiece->pTarget: NULL, 0, 0\r\n");
}

TEST(EventLog, MissingDetailIsWrittenAsNull)
{
    LogError("SelectTarget", nullptr, 0, 0);
    EXPECT_EQ(LogText(), "SelectTarget: NULL, 0, 0\r\n");
}

TEST(EventLog, MissingEventLeavesTheLineStartingWithTheColon)
{
    LogError(nullptr, "Wolf", 3, 4);
    EXPECT_EQ(LogText(), ": Wolf, 3, 4\r\n");
}

TEST(EventLog, NumbersKeepTheirSignWithoutFill)
{
    LogError("TEXTURES::LoadTexture() pTexture=NULL", "Fire.dds", -1, -2147483647 - 1);
    EXPECT_EQ(LogText(), "TEXTURES::LoadTexture() pTexture=NULL: Fire.dds, -1, -2147483648\r\n");
}

TEST(EventLog, EachLineEndsWithCarriageReturnAndLineFeed)
{
    LogError("A", "", 1, 2);
    std::string text = LogText();
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text[text.size() - 2], '\r');
    EXPECT_EQ(text[text.size() - 1], '\n');
    EXPECT_EQ(text.find('\n'), text.size() - 1);
}

TEST(EventLog, LinesAppendToWhatTheLogHolds)
{
    LogError("Direct3DCreate9", "", 0, 0);
    LogError("CreateDevice", "", 0, 0);
    EXPECT_EQ(LogText(), "Direct3DCreate9: , 0, 0\r\nCreateDevice: , 0, 0\r\n");
}

TEST(EventLog, DeletingAtStartUpDropsThePreviousRunsLines)
{
    LogError("Releasing Models.", "", 0, 0);
    DeleteNamedFile(EventLogName);
    LogError("Creating to run in window", "", 0, 0);
    EXPECT_EQ(LogText(), "Creating to run in window: , 0, 0\r\n");
}

TEST(EventLog, LongLinesAreWrittenWhole)
{
    std::string detail(3000, 'x');
    LogError("FONT::LoadFont", detail.c_str(), 94, 0);
    EXPECT_EQ(LogText(), "FONT::LoadFont: " + detail + ", 94, 0\r\n");
}

TEST(EventLog, ValueLineHoldsOneNumber)
{
    LogErrorValue("Count", -42);
    EXPECT_EQ(LogText(), "Count: -42\r\n");
}

TEST(EventLog, FloatsLineHasAnEmptyDetail)
{
    LogErrorFloats("Camera", 1001.0f, -2.5f);
    EXPECT_EQ(LogText(), "Camera: , 1001.0000, -2.5000\r\n");
}
