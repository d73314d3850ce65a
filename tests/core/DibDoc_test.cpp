// Packed DIBs, their palettes, and the picture document.
#include "board/DibDoc.h"
#include "board/PackedDib.h"
#include "platform/MessageBox.h"
#include "puzzle/Texts.h"
#include "tests/support/PuzzleFixtures.h"
#include "tests/support/Recorders.h"

#include <gtest/gtest.h>

#include <filesystem>

using fixtures::BitmapFile;
using fixtures::BitmapSpec;
using testing_support::MessageRecorder;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

HDIB Load(const std::string& file) {
    return LoadPackedDib(reinterpret_cast<const uint8_t*>(file.data()), file.size());
}

HDIB Load(const BitmapSpec& spec) {
    return Load(BitmapFile(spec));
}

BitmapSpec Spec(int width, int height, int bits) {
    BitmapSpec s;
    s.width = width;
    s.height = height;
    s.bits = static_cast<uint16_t>(bits);
    return s;
}

void PutU32(std::string& file, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        file[at + i] = static_cast<char>(value >> (8 * i));
}

} // namespace

TEST(PackedDib, HeaderReadersForTheInformationHeader) {
    HDIB dib = Load(Spec(33, 17, 8));
    ASSERT_TRUE(dib);
    EXPECT_EQ(DibPixelWidth(dib->Header()), 33);
    EXPECT_EQ(DibPixelHeight(dib->Header()), 17);
    EXPECT_EQ(DibColorCount(dib->Header()), 256u);
    EXPECT_EQ(DibColorTableBytes(dib->Header()), 1024u);
    EXPECT_EQ(DibPixelBits(*dib) - dib->Header(), 40 + 1024);
}

TEST(PackedDib, FourBitsWithFiveColoursUsed) {
    BitmapSpec s = Spec(7, 3, 4);
    s.colorsUsed = 5;
    HDIB dib = Load(s);
    ASSERT_TRUE(dib);
    EXPECT_EQ(DibColorCount(dib->Header()), 5u);
    EXPECT_EQ(DibColorTableBytes(dib->Header()), 20u);
    EXPECT_EQ(DibPixelBits(*dib) - dib->Header(), 40 + 20);
    CPalette palette;
    ASSERT_TRUE(MakeDibPalette(dib, palette));
    ASSERT_EQ(palette.entries.size(), 5u);
    EXPECT_EQ(palette.version, 0x300);
    for (uint32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(palette.entries[i],
                  (PaletteEntry{fixtures::FixtureRed(i), fixtures::FixtureGreen(i),
                                fixtures::FixtureBlue(i), 0}));
    }
}

TEST(PackedDib, CoreHeaderEightBitsHas256ThreeByteColours) {
    BitmapSpec s = Spec(300, 2, 8);
    s.headerSize = 12;
    HDIB dib = Load(s);
    ASSERT_TRUE(dib);
    EXPECT_TRUE(dib->IsCoreHeader());
    EXPECT_EQ(DibPixelWidth(dib->Header()), 300);
    EXPECT_EQ(DibPixelHeight(dib->Header()), 2);
    EXPECT_EQ(DibColorTableBytes(dib->Header()), 768u);
    EXPECT_EQ(DibPixelBits(*dib) - dib->Header(), 12 + 768);
    CPalette palette;
    ASSERT_TRUE(MakeDibPalette(dib, palette));
    ASSERT_EQ(palette.entries.size(), 256u);
    EXPECT_EQ(palette.entries[200], (PaletteEntry{200, 55, static_cast<uint8_t>(1400 & 0xFF), 0}));
}

TEST(PackedDib, NewerHeadersReadLikeTheInformationHeader) {
    for (uint32_t size : {108u, 124u}) {
        BitmapSpec s = Spec(64, 48, 8);
        s.headerSize = size;
        HDIB dib = Load(s);
        ASSERT_TRUE(dib) << size;
        EXPECT_EQ(DibPixelWidth(dib->Header()), 64);
        EXPECT_EQ(DibPixelHeight(dib->Header()), 48);
        EXPECT_EQ(DibColorCount(dib->Header()), 256u);
        EXPECT_EQ(DibPixelBits(*dib) - dib->Header(), size + 1024);
    }
}

TEST(PackedDib, TrueColourHasNoPaletteUnlessColoursUsedIsSet) {
    HDIB plain = Load(Spec(5, 5, 24));
    ASSERT_TRUE(plain);
    EXPECT_EQ(DibColorCount(plain->Header()), 0u);
    CPalette palette;
    EXPECT_FALSE(MakeDibPalette(plain, palette));
    EXPECT_TRUE(palette.entries.empty());
    BitmapSpec s = Spec(5, 5, 24);
    s.colorsUsed = 3;
    HDIB withTable = Load(s);
    ASSERT_TRUE(withTable);
    ASSERT_TRUE(MakeDibPalette(withTable, palette));
    EXPECT_EQ(palette.entries.size(), 3u);
    EXPECT_FALSE(MakeDibPalette(nullptr, palette));
}

TEST(PackedDib, BitFieldMasksPutTheBitsTwelveBytesLater) {
    BitmapSpec s = Spec(9, 4, 16);
    s.compression = kDibBitFields;
    HDIB dib = Load(s);
    ASSERT_TRUE(dib);
    EXPECT_EQ(DibPixelBits(*dib) - dib->Header(), 40 + 12);
    // A colour table after the masks is read from there.
    s.colorsUsed = 2;
    dib = Load(s);
    ASSERT_TRUE(dib);
    EXPECT_EQ(DibPixelBits(*dib) - dib->Header(), 40 + 12 + 8);
    CPalette palette;
    ASSERT_TRUE(MakeDibPalette(dib, palette));
    EXPECT_EQ(palette.entries[1], (PaletteEntry{1, 254, 7, 0}));
}

TEST(PackedDib, BitsStartWhereTheFileHeaderSays) {
    BitmapSpec s = Spec(4, 4, 8);
    s.extraOffset = 100;
    HDIB dib = Load(s);
    ASSERT_TRUE(dib);
    EXPECT_EQ(DibPixelBits(*dib) - dib->Header(), 40 + 1024 + 100);
    // An offset inside the header is not believed: the bits follow the table.
    std::string file = BitmapFile(Spec(4, 4, 8));
    PutU32(file, 10, 20);
    dib = Load(file);
    ASSERT_TRUE(dib);
    EXPECT_EQ(DibPixelBits(*dib) - dib->Header(), 40 + 1024);
    // And one past the end neither.
    PutU32(file, 10, 0x7FFFFFFF);
    dib = Load(file);
    ASSERT_TRUE(dib);
    EXPECT_EQ(DibPixelBits(*dib) - dib->Header(), 40 + 1024);
}

TEST(PackedDib, FileBytesPutTheFileHeaderBack) {
    std::string file = BitmapFile(Spec(6, 2, 24));
    HDIB dib = Load(file);
    ASSERT_TRUE(dib);
    std::vector<uint8_t> again = dib->FileBytes();
    EXPECT_EQ(std::string(again.begin(), again.end()), file);
}

TEST(PackedDib, RefusesWhatIsNotABitmap) {
    EXPECT_FALSE(Load(std::string("BM")));
    EXPECT_FALSE(Load(std::string("BM123456789012"))); // file header only
    EXPECT_FALSE(Load(std::string("XY") + BitmapFile(Spec(4, 4, 8)).substr(2)));
    EXPECT_FALSE(LoadPackedDib(nullptr, 0));
}

TEST(PackedDib, RefusesHeaderSizesOutsideTheTwoFamilies) {
    for (uint32_t size : {0u, 11u, 13u, 16u, 39u}) {
        std::string file = BitmapFile(Spec(4, 4, 8));
        PutU32(file, 14, size);
        EXPECT_FALSE(Load(file)) << size;
    }
    std::string file = BitmapFile(Spec(4, 4, 8));
    PutU32(file, 14, 0x7FFFFFFF); // header larger than the file
    EXPECT_FALSE(Load(file));
}

TEST(PackedDib, RefusesPixelRowsRunningPastTheEnd) {
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        BitmapSpec s = Spec(13, 11, bits);
        EXPECT_TRUE(Load(s)) << bits;
        s.pixelBytesDelta = -1;
        EXPECT_FALSE(Load(s)) << bits;
    }
    BitmapSpec fields = Spec(13, 11, 32);
    fields.compression = kDibBitFields;
    fields.pixelBytesDelta = -1;
    EXPECT_FALSE(Load(fields));
    // A header that claims a huge picture in a small file.
    std::string file = BitmapFile(Spec(4, 4, 24));
    PutU32(file, 18, 1000000);
    PutU32(file, 22, 1000000);
    EXPECT_FALSE(Load(file));
    // A top-down picture is measured by the size of its height, too.
    BitmapSpec down = Spec(8, -8, 24);
    EXPECT_TRUE(Load(down));
    down.pixelBytesDelta = -1;
    EXPECT_FALSE(Load(down));
}

TEST(PackedDib, RefusesColourTablesRunningPastTheEnd) {
    for (uint32_t used : {0xFFFFFFFFu, 0x40000000u, 257u + 4u}) {
        std::string file = BitmapFile(Spec(4, 4, 8));
        PutU32(file, 14 + 32, used); // colours used, beyond the file's bytes
        EXPECT_FALSE(Load(file)) << used;
    }
    std::string file = BitmapFile(Spec(2, 1, 8));
    file.resize(14 + 40 + 512); // half the table, no bits
    EXPECT_FALSE(Load(file));
}

TEST(PackedDib, RefusesPicturesThatCannotBeDrawn) {
    EXPECT_FALSE(Load(Spec(4, 4, 2)));  // 2-bit pixels
    EXPECT_FALSE(Load(Spec(4, 4, 64))); // 64-bit pixels
    EXPECT_FALSE(Load(Spec(0, 4, 8)));  // no width
    EXPECT_FALSE(Load(Spec(4, 0, 8)));  // no height
    for (uint32_t compression : {4u, 5u, 6u, 11u}) {
        BitmapSpec s = Spec(4, 4, 24);
        s.compression = compression; // embedded JPEG, PNG and others
        EXPECT_FALSE(Load(s)) << compression;
    }
    BitmapSpec wrongRle = Spec(4, 4, 4);
    wrongRle.compression = kDibRle8;
    EXPECT_FALSE(Load(wrongRle));
    BitmapSpec fields24 = Spec(4, 4, 24);
    fields24.compression = kDibBitFields;
    EXPECT_FALSE(Load(fields24));
}

TEST(PackedDib, RunLengthPicturesMayBeShorterThanTheirSize) {
    BitmapSpec s = Spec(100, 100, 8);
    s.compression = kDibRle8;
    s.pixelBytesDelta = -(100 * 100) + 4; // four bytes of runs
    HDIB dib = Load(s);
    ASSERT_TRUE(dib);
    EXPECT_FALSE(DibIsTooLarge(*dib));
}

TEST(PackedDib, TheDecoderHasTheLastWord) {
    int calls = 0;
    DibDecoder previous = SetDibDecoder([&](const PackedDib& dib) {
        ++calls;
        return DibPixelWidth(dib.Header()) != 13;
    });
    EXPECT_TRUE(Load(Spec(12, 2, 8)));
    EXPECT_FALSE(Load(Spec(13, 2, 8)));
    EXPECT_TRUE(Load(Spec(13, -2, 8))); // too large: left for the document to report
    SetDibDecoder(previous);
    EXPECT_EQ(calls, 2);
}

TEST(PackedDib, ReadsFilesFromDisk) {
    TempDir dir;
    WriteBytes(dir.File("a.bmp"), BitmapFile(Spec(3, 2, 1)));
    int cause = -1;
    HDIB dib = LoadPackedDib(dir.File("a.bmp"), &cause);
    ASSERT_TRUE(dib);
    EXPECT_EQ(cause, 0);
    EXPECT_FALSE(LoadPackedDib(dir.File("missing.bmp"), &cause));
    EXPECT_EQ(cause, 2);
    DibFileRead read = ReadPackedDibFile(dir.Path());
    EXPECT_EQ(read.result, DibFileRead::openFailed);
    EXPECT_EQ(read.cause, 5);
    read = ReadPackedDibFile("/dev/null");
    EXPECT_EQ(read.result, DibFileRead::ok);
    EXPECT_FALSE(read.dib);
}

class DibDocTest : public ::testing::Test {
protected:
    TempDir dir;
    MessageRecorder boxes;
    CDibDoc doc;

    std::string Write(const std::string& name, const std::string& bytes) {
        WriteBytes(dir.File(name), bytes);
        return dir.File(name);
    }
};

TEST_F(DibDocTest, OpensAnEightBitPictureWithItsPalette) {
    std::string path = Write("p.bmp", BitmapFile(Spec(20, 10, 8)));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{20, 10}));
    ASSERT_NE(doc.GetPalette(), nullptr);
    EXPECT_EQ(doc.GetPalette()->entries.size(), 256u);
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DibDocTest, TrueColourPictureLoadsWithoutPalette) {
    ASSERT_TRUE(doc.OnOpenDocument(Write("p.bmp", BitmapFile(Spec(20, 10, 8)))));
    ASSERT_TRUE(doc.OnOpenDocument(Write("q.bmp", BitmapFile(Spec(7, 5, 24)))));
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{7, 5}));
    EXPECT_EQ(doc.GetPalette(), nullptr);
}

TEST_F(DibDocTest, NotABitmapGivesCannotLoadDibAndNoPicture) {
    ASSERT_TRUE(doc.OnOpenDocument(Write("p.bmp", BitmapFile(Spec(20, 10, 8)))));
    EXPECT_FALSE(doc.OnOpenDocument(Write("x.bmp", "GIF89a and so on")));
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "Cannot load DIB");
    EXPECT_EQ(boxes.last().caption, "Deduxa");
    EXPECT_EQ(boxes.last().style, platform::MB_OK | platform::MB_ICONINFORMATION);
    EXPECT_FALSE(doc.GetPicture());
    EXPECT_EQ(doc.GetPalette(), nullptr);
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{1, 1}));
}

TEST_F(DibDocTest, TopDownPictureIsTooLarge) {
    EXPECT_FALSE(doc.OnOpenDocument(Write("t.bmp", BitmapFile(Spec(8, -8, 8)))));
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"DIB is too large", "Cannot load DIB"}));
    EXPECT_EQ(boxes.boxes()[0].style, platform::MB_OK | platform::MB_ICONINFORMATION);
    EXPECT_FALSE(doc.GetPicture());
}

TEST_F(DibDocTest, HugeRunLengthPictureIsTooLarge) {
    BitmapSpec s = Spec(30000, 30000, 8);
    s.compression = kDibRle8;
    s.pixelBytesDelta = -(30000LL * 30000) + 2;
    EXPECT_FALSE(doc.OnOpenDocument(Write("big.bmp", BitmapFile(s))));
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"DIB is too large", "Cannot load DIB"}));
}

TEST_F(DibDocTest, MissingFileIsReportedAndThePreviousPictureStays) {
    ASSERT_TRUE(doc.OnOpenDocument(Write("p.bmp", BitmapFile(Spec(20, 10, 8)))));
    std::string missing = dir.File("none.bmp");
    EXPECT_FALSE(doc.OnOpenDocument(missing));
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, missing + " was not found.");
    EXPECT_EQ(boxes.last().style, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    EXPECT_TRUE(doc.GetPicture());
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{20, 10}));
    EXPECT_NE(doc.GetPalette(), nullptr);
    EXPECT_EQ(doc.GetPathName(), dir.File("p.bmp"));
}

// Real-world bitmaps: good, questionable, bad and related formats. None may
// crash, hang or leak (this test also runs under AddressSanitizer); every
// good one but the top-down one loads with its own size.
TEST_F(DibDocTest, EveryFileOfTheBitmapSuite) {
    namespace fs = std::filesystem;
    const fs::path root = testing_support::TestData("bmpsuite");
    ASSERT_TRUE(fs::is_directory(root)) << root;
    int good = 0, others = 0;
    for (const char* folder : {"g", "q", "b", "x"}) {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(root / folder))
            files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            boxes.clear();
            CDibDoc picture;
            bool opened = picture.OnOpenDocument(file.string());
            if (opened) {
                ASSERT_TRUE(picture.GetPicture());
                EXPECT_GT(picture.GetPictureSize().width, 0);
                EXPECT_TRUE(boxes.texts().empty());
            } else {
                ASSERT_FALSE(boxes.texts().empty()) << file;
                EXPECT_EQ(boxes.texts().back(), "Cannot load DIB") << file;
                EXPECT_FALSE(picture.GetPicture());
            }
            if (std::string(folder) != "g") {
                ++others;
                continue;
            }
            ++good;
            if (file.filename() == "pal8topdown.bmp") {
                EXPECT_FALSE(opened);
                EXPECT_EQ(boxes.texts(),
                          (std::vector<std::string>{"DIB is too large", "Cannot load DIB"}));
            } else {
                EXPECT_TRUE(opened) << file;
            }
        }
    }
    EXPECT_EQ(good, 27);
    EXPECT_GT(others, 60);
}
