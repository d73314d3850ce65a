// Packed DIBs, their palettes, and the picture document.
#include "board/DibDoc.h"
#include "board/PackedDib.h"
#include "platform/MessageBox.h"
#include "puzzle/Texts.h"
#include "tests/support/PuzzleFixtures.h"
#include "tests/support/Recorders.h"

#include <gtest/gtest.h>

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

// Where the colour table and the bits lie, for each header family.
TEST(PackedDib, HeaderReadersFindTheTableAndTheBits) {
    auto spec = [](int w, int h, int bits, uint32_t header, uint32_t used, uint32_t compression,
                   int extra) {
        BitmapSpec s = Spec(w, h, bits);
        s.headerSize = header;
        s.colorsUsed = used;
        s.compression = compression;
        s.extraOffset = extra;
        return s;
    };
    const struct {
        BitmapSpec spec;
        uint32_t colours, tableBytes;
        long bitsAt;
    } cases[] = {
        {spec(33, 17, 8, 40, 0, 0, 0), 256, 1024, 40 + 1024},
        {spec(7, 3, 4, 40, 5, 0, 0), 5, 20, 40 + 20},
        {spec(300, 2, 8, 12, 0, 0, 0), 256, 768, 12 + 768}, // three-byte colours
        {spec(64, 48, 8, 108, 0, 0, 0), 256, 1024, 108 + 1024},
        {spec(64, 48, 8, 124, 0, 0, 0), 256, 1024, 124 + 1024},
        {spec(5, 5, 24, 40, 0, 0, 0), 0, 0, 40},
        {spec(9, 4, 16, 40, 0, kDibBitFields, 0), 0, 0, 40 + 12}, // the masks first
        {spec(9, 4, 16, 40, 2, kDibBitFields, 0), 2, 8, 40 + 12 + 8},
        {spec(4, 4, 8, 40, 0, 0, 100), 256, 1024, 40 + 1024 + 100}, // the file header's offset
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spec.bits << " bits, header " << c.spec.headerSize);
        HDIB dib = Load(c.spec);
        ASSERT_TRUE(dib);
        EXPECT_EQ(dib->IsCoreHeader(), c.spec.headerSize == 12);
        EXPECT_EQ(DibPixelWidth(dib->Header()), c.spec.width);
        EXPECT_EQ(DibPixelHeight(dib->Header()), c.spec.height);
        EXPECT_EQ(DibColorCount(dib->Header()), c.colours);
        EXPECT_EQ(DibColorTableBytes(dib->Header()), c.tableBytes);
        EXPECT_EQ(DibPixelBits(*dib) - dib->Header(), c.bitsAt);
    }
    // An offset inside the header or past the end is not believed: the bits
    // follow the table.
    std::string file = BitmapFile(Spec(4, 4, 8));
    for (uint32_t offset : {20u, 0x7FFFFFFFu}) {
        PutU32(file, 10, offset);
        HDIB dib = Load(file);
        ASSERT_TRUE(dib);
        EXPECT_EQ(DibPixelBits(*dib) - dib->Header(), 40 + 1024);
    }
}

TEST(PackedDib, PalettesComeFromTheColourTable) {
    BitmapSpec s = Spec(7, 3, 4);
    s.colorsUsed = 5;
    CPalette palette;
    ASSERT_TRUE(MakeDibPalette(Load(s), palette));
    ASSERT_EQ(palette.entries.size(), 5u);
    EXPECT_EQ(palette.version, 0x300);
    EXPECT_EQ(palette.entries[4], (PaletteEntry{4, 251, 28, 0}));
    s = Spec(300, 2, 8);
    s.headerSize = 12;
    ASSERT_TRUE(MakeDibPalette(Load(s), palette));
    ASSERT_EQ(palette.entries.size(), 256u);
    EXPECT_EQ(palette.entries[200], (PaletteEntry{200, 55, static_cast<uint8_t>(1400 & 0xFF), 0}));
    s = Spec(9, 4, 16);
    s.compression = kDibBitFields;
    s.colorsUsed = 2;
    ASSERT_TRUE(MakeDibPalette(Load(s), palette));
    EXPECT_EQ(palette.entries[1], (PaletteEntry{1, 254, 7, 0}));
    // True colour has none unless colours used is set.
    CPalette none;
    EXPECT_FALSE(MakeDibPalette(Load(Spec(5, 5, 24)), none));
    EXPECT_TRUE(none.entries.empty());
    s = Spec(5, 5, 24);
    s.colorsUsed = 3;
    ASSERT_TRUE(MakeDibPalette(Load(s), palette));
    EXPECT_EQ(palette.entries.size(), 3u);
    EXPECT_FALSE(MakeDibPalette(nullptr, palette));
}

TEST(PackedDib, RefusesWhatIsNotABitmapOrCannotBeDrawn) {
    EXPECT_FALSE(Load(std::string("BM")));
    EXPECT_FALSE(Load(std::string("BM123456789012"))); // file header only
    EXPECT_FALSE(Load(std::string("XY") + BitmapFile(Spec(4, 4, 8)).substr(2)));
    EXPECT_FALSE(LoadPackedDib(nullptr, 0));
    // Header sizes outside the two families, or larger than the file.
    for (uint32_t size : {0u, 11u, 13u, 16u, 39u, 0x7FFFFFFFu}) {
        std::string file = BitmapFile(Spec(4, 4, 8));
        PutU32(file, 14, size);
        EXPECT_FALSE(Load(file)) << size;
    }
    // 2- and 64-bit pixels, no width, no height.
    for (BitmapSpec s : {Spec(4, 4, 2), Spec(4, 4, 64), Spec(0, 4, 8), Spec(4, 0, 8)})
        EXPECT_FALSE(Load(s)) << s.width << "x" << s.height << "x" << s.bits;
    // Embedded JPEG, PNG and others; run lengths and bit fields of the wrong depth.
    for (auto [bits, compression] : {std::pair{24, 4u},
                                     {24, 5u},
                                     {24, 6u},
                                     {24, 11u},
                                     {4, uint32_t(kDibRle8)},
                                     {24, uint32_t(kDibBitFields)}}) {
        BitmapSpec s = Spec(4, 4, bits);
        s.compression = compression;
        EXPECT_FALSE(Load(s)) << compression;
    }
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

// What the picture document adds to the packed DIB: the box for what is not
// one (the rest of its reporting is checked through the puzzle document).
TEST_F(DibDocTest, ReportsWhatIsNotABitmap) {
    ASSERT_TRUE(doc.OnOpenDocument(Write("q.bmp", BitmapFile(Spec(7, 5, 24)))));
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{7, 5}));
    EXPECT_FALSE(doc.OnOpenDocument(Write("x.bmp", "GIF89a and so on")));
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "Cannot load DIB");
    EXPECT_EQ(boxes.last().style, platform::MB_OK | platform::MB_ICONINFORMATION);
    EXPECT_FALSE(doc.GetPicture());
}
