// Pictures on the screen: the packed DIB made into an image once per load,
// checked against Qt's own reading of the same file, and drawn 1:1 or stretched.
#include "board/DibDoc.h"
#include "board/qt/DibImage.h"
#include "tests/support/PuzzleFixtures.h"
#include "tests/support/Recorders.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

namespace fs = std::filesystem;
using testing_support::MessageRecorder;

namespace {

// Installs the decoder for one test, as the application does at start-up.
class DecoderInstalled : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = SetDibDecoder({});
        InstallDibDecoder();
    }
    void TearDown() override { SetDibDecoder(m_previous); }
    MessageRecorder boxes;

private:
    DibDecoder m_previous;
};

std::vector<fs::path> SuiteFiles(const char* folder) {
    std::vector<fs::path> files;
    for (const auto& e :
         fs::directory_iterator(testing_support::TestData("bmpsuite") + "/" + folder))
        files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Compares two images pixel for pixel as 32-bit ARGB; the first difference.
std::string Difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return "sizes differ";
    QImage x = a.convertToFormat(QImage::Format_ARGB32);
    QImage y = b.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            if (x.pixel(col, row) != y.pixel(col, row))
                return "pixel " + std::to_string(col) + "," + std::to_string(row);
        }
    }
    return "";
}

// Whether the toolkit has loaded any of its image plugins into this process.
bool ImagePluginLoaded() {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.find("/imageformats/") != std::string::npos)
            return true;
    return false;
}

HDIB LoadBytes(const std::string& file) {
    return LoadPackedDib(reinterpret_cast<const uint8_t*>(file.data()), file.size());
}

} // namespace

TEST_F(DecoderInstalled, GoodBitmapsMatchQtsOwnReadingPixelForPixel) {
    int compared = 0;
    for (const fs::path& file : SuiteFiles("g")) {
        boxes.clear();
        CDibDoc doc;
        bool opened = doc.OnOpenDocument(file.string());
        if (file.filename() == "pal8topdown.bmp") {
            EXPECT_FALSE(opened);
            EXPECT_EQ(boxes.texts(),
                      (std::vector<std::string>{"DIB is too large", "Cannot load DIB"}));
            continue;
        }
        ASSERT_TRUE(opened) << file;
        const QImage* ours = PackedDibImage(doc.GetPicture());
        ASSERT_NE(ours, nullptr) << file;
        // Pictures are read as bitmaps outright: nothing asks the image
        // plugins (loading them all cost start-up a millisecond).
        if (compared == 0) {
            EXPECT_FALSE(ImagePluginLoaded());
        }
        // Made once, on loading: asking again gives the same image.
        EXPECT_EQ(PackedDibImage(doc.GetPicture()), ours);
        QImage theirs(QString::fromStdString(file.string()));
        ASSERT_FALSE(theirs.isNull()) << file;
        EXPECT_EQ(ours->width(), doc.GetPictureSize().width) << file;
        EXPECT_EQ(ours->height(), doc.GetPictureSize().height) << file;
        EXPECT_EQ(Difference(*ours, theirs), "") << file;
        ++compared;
    }
    EXPECT_EQ(compared, 26);
}

// Questionable, bad and related formats: none may crash, hang or leak (this
// also runs under AddressSanitizer); those the decoder cannot draw are refused,
// not drawn blank.
TEST_F(DecoderInstalled, EveryOtherSuiteFileIsDrawnOrRefusedCleanly) {
    const std::set<std::string> undecodable = {"q/pal2.bmp", "q/pal2color.bmp", "q/rgb24jpeg.bmp",
                                               "q/rgb24png.bmp", "q/rgba64.bmp"};
    int accepted = 0, refused = 0;
    for (const char* folder : {"q", "b", "x"}) {
        for (const fs::path& file : SuiteFiles(folder)) {
            boxes.clear();
            CDibDoc doc;
            const bool opened = doc.OnOpenDocument(file.string());
            if (undecodable.count(std::string(folder) + "/" + file.filename().string())) {
                EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Cannot load DIB"})) << file;
            }
            if (opened) {
                const QImage* image = PackedDibImage(doc.GetPicture());
                ASSERT_NE(image, nullptr) << file;
                EXPECT_EQ(image->width(), doc.GetPictureSize().width) << file;
                EXPECT_EQ(image->height(), doc.GetPictureSize().height) << file;
                QImage canvas(image->size(), QImage::Format_RGB32);
                QPainter painter(&canvas);
                QRect all(QPoint(0, 0), image->size());
                EXPECT_TRUE(DrawPackedDib(painter, all, doc.GetPicture(), all));
                ++accepted;
            } else {
                ASSERT_FALSE(boxes.texts().empty()) << file;
                EXPECT_EQ(boxes.texts().back(), "Cannot load DIB") << file;
                ++refused;
            }
        }
    }
    EXPECT_GT(accepted, 10);
    EXPECT_GT(refused, 10);
}

TEST(DibDrawing, SameSizeCopiesOneToOneAndOtherSizesStretch) {
    fixtures::BitmapSpec spec;
    spec.width = 6;
    spec.height = 4;
    spec.bits = 8;
    HDIB dib = LoadBytes(fixtures::BitmapFile(spec));
    ASSERT_TRUE(dib);
    const QImage* image = PackedDibImage(dib);
    ASSERT_NE(image, nullptr);
    // Pixel (0, 0) is the top-left corner: the last row of the file.
    const uchar* lastRow = DibPixelBits(*dib) + 3 * 8;
    QRgb topLeft = qRgb(fixtures::FixtureRed(lastRow[0]), fixtures::FixtureGreen(lastRow[0]),
                        fixtures::FixtureBlue(lastRow[0]));
    EXPECT_EQ(image->pixel(0, 0), topLeft);

    QImage canvas(20, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        ASSERT_TRUE(DrawPackedDib(painter, QRect(5, 5, 6, 4), dib, QRect(0, 0, 6, 4)));
    }
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(canvas.pixel(5 + x, 5 + y), image->pixel(x, y)) << x << "," << y;
    EXPECT_EQ(canvas.pixel(4, 4), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(11, 9), qRgb(255, 255, 255));

    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        ASSERT_TRUE(DrawPackedDib(painter, QRect(0, 0, 12, 8), dib, QRect(0, 0, 6, 4)));
    }
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(canvas.pixel(2 * x + 1, 2 * y + 1), image->pixel(x, y)) << x << "," << y;
    EXPECT_EQ(canvas.pixel(12, 8), qRgb(255, 255, 255));

    QPainter painter(&canvas);
    EXPECT_FALSE(DrawPackedDib(painter, QRect(0, 0, 1, 1), nullptr, QRect(0, 0, 1, 1)));
}
