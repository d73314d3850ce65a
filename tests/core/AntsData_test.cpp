#include "platform/FileError.h"
#include "reward/AntsData.h"
#include "tests/support/Recorders.h"

#include <gtest/gtest.h>

using testing_support::TempDir;
using testing_support::WriteBytes;

TEST(AntsData, ReadsTheBackgroundAndTenAnts) {
    TempDir dir;
    std::string bytes = "field\r\n";
    for (int i = 0; i < 10; ++i)
        bytes += "ant" + std::to_string(i % 2) + "\r\n" + std::to_string(10 + 60 * i) + "\r\n" +
                 std::to_string(5 * i) + "\r\n36\r\n40\r\n";
    WriteBytes(dir.File("ants.dat"), bytes);
    CAntsData data;
    ASSERT_TRUE(data.Read(dir.File("ants.dat")));
    EXPECT_EQ(data.background, "field");
    EXPECT_EQ(data.ants[0].name, "ant0");
    EXPECT_EQ(data.ants[9].name, "ant1");
    EXPECT_EQ(data.ants[9].x, 550);
    EXPECT_EQ(data.ants[9].y, 45);
    EXPECT_EQ(data.ants[9].width, 36);
    EXPECT_EQ(data.ants[9].height, 40);
    EXPECT_EQ(data.ants[3].Box(), (reward::AntRect{190, 15, 226, 55}));
}

TEST(AntsData, MissingLinesReadAsEmptyAndZeroAMissingFileNotAtAll) {
    TempDir dir;
    CAntsData none;
    int cause = 0;
    EXPECT_FALSE(none.Read(dir.File("ants.dat"), &cause));
    EXPECT_EQ(cause, platform::causeFileNotFound);
    WriteBytes(dir.File("ants.dat"), "field\nant\n100\n200\n");
    CAntsData data;
    ASSERT_TRUE(data.Read(dir.File("ants.dat")));
    EXPECT_EQ(data.ants[0].name, "ant");
    EXPECT_EQ(data.ants[0].x, 100);
    EXPECT_EQ(data.ants[0].y, 200);
    EXPECT_EQ(data.ants[0].width, 0);
    EXPECT_TRUE(data.ants[0].Box().IsEmpty());
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(data.ants[i].name, "");
        EXPECT_TRUE(data.ants[i].Box().IsEmpty());
    }
}

TEST(AntsData, DamagedNumbersGiveBoxesInsideTheField) {
    TempDir dir;
    WriteBytes(dir.File("ants.dat"), "f\nant\n-99999999999\n600\n99999999999\n77\n"
                                     "ant\n620\n470\n2147483647\n2147483647\n");
    CAntsData data;
    ASSERT_TRUE(data.Read(dir.File("ants.dat")));
    reward::AntRect box = data.ants[0].Box();
    EXPECT_GE(box.left, 0);
    EXPECT_LE(box.right, reward::kFieldWidth);
    EXPECT_TRUE(box.IsEmpty()); // y 600 lies below the field
    box = data.ants[1].Box();   // cut at the field's right and bottom edges
    EXPECT_EQ(box, (reward::AntRect{620, 470, 640, 480}));
}

TEST(AntsData, PictureNamesStayInsideTheAntsFolder) {
    EXPECT_EQ(CAntsData::BackgroundFile("field"), "ants\\field.bmp");
    EXPECT_EQ(CAntsData::FrameStem("ant"), "ants\\ant");
    EXPECT_EQ(CAntsData::FrameFile("ant", 3), "ants\\ant3.bmp");
    EXPECT_TRUE(CAntsData::IsPictureName("ant"));
    EXPECT_FALSE(CAntsData::IsPictureName("../ant"));
    EXPECT_FALSE(CAntsData::IsPictureName("..\\data\\ant"));
    EXPECT_FALSE(CAntsData::IsPictureName(std::string("a\0b", 3)));
}
