// The board on a high-density screen (this program scales every window twice,
// as QT_SCALE_FACTOR=2 does): the picture twice the size where there is one, today's picture scaled
// where there is none, and clicks and keys on the same cells as ever.
#include "board/qt/DibImage.h"
#include "board/qt/GridView.h"
#include "board/qt/PaletteStatic.h"
#include "puzzle/GridDoc.h"
#include "tests/support/BoardFixtures.h"
#include "tests/support/Recorders.h"
#include "tests/support/qt/UiHelpers.h"

#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// Set before main() makes the application.
const bool kScaled = ::setenv("QT_SCALE_FACTOR", "2", 1) == 0;

constexpr BmpColor kRed{255, 0, 0};

struct SharpBoard : ::testing::Test {
    TempDir dir;
    ScopedDataFolder folder{dir.Path()};
    MessageRecorder boxes;
    CGridDoc doc;
    std::unique_ptr<CGridView> view;

    // With sharp, data/test@2x.bmp: a checkerboard of device pixels, paper
    // and red, that no scaled picture could show.
    void Open(bool sharp, int sharpWidth = 2 * TestPuzzle::kWidth) {
        InstallDibDecoder();
        const std::string path = TestPuzzle::WriteTo(dir.Path());
        if (sharp)
            WriteBytes(dir.File("data/test@2x.bmp"),
                       MakeBmp8(sharpWidth, 2 * TestPuzzle::kHeight, {TestPuzzle::kPaper, kRed},
                                [](int x, int y) -> uint8_t { return (x + y) % 2; }));
        ASSERT_TRUE(doc.OnOpenDocument(path));
        view = std::make_unique<CGridView>();
        view->SetGridDocument(&doc);
        view->resize(TestPuzzle::kWidth + 2 * view->frameWidth(),
                     TestPuzzle::kHeight + 2 * view->frameWidth());
        view->show();
        view->OnInitialUpdate();
        Pump();
    }
    // The viewport in device pixels.
    QImage Grab() const {
        return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

} // namespace

TEST_F(SharpBoard, TheLargerPictureIsShownPixelForPixel) {
    ASSERT_TRUE(kScaled);
    Open(true);
    ASSERT_EQ(view->viewport()->devicePixelRatioF(), 2.0);
    const QImage shot = Grab();
    ASSERT_EQ(shot.width(), 2 * view->viewport()->width());
    // Picture pixel (5, 100), beside the key and the grid: four device pixels.
    EXPECT_NE(shot.pixelColor(10, 200), shot.pixelColor(11, 200));
    EXPECT_EQ(shot.pixelColor(10, 200), shot.pixelColor(11, 201));
    EXPECT_FALSE(view->SharpPicture().isNull());
}

TEST_F(SharpBoard, WithoutALargerPictureTodaysIsScaled) {
    for (bool wrongSize : {false, true}) {
        SCOPED_TRACE(wrongSize ? "a larger picture of the wrong size" : "no larger picture");
        if (wrongSize)
            Open(true, 2 * TestPuzzle::kWidth + 2);
        else
            Open(false);
        const QImage shot = Grab();
        EXPECT_TRUE(view->SharpPicture().isNull());
        EXPECT_EQ(shot.pixelColor(10, 200), QColor(230, 230, 230));
        EXPECT_EQ(shot.pixelColor(11, 200), QColor(230, 230, 230));
        view.reset();
        std::filesystem::remove(dir.File("data/test@2x.bmp"));
    }
}

TEST_F(SharpBoard, ClicksAndKeysLandOnTheSameCells) {
    Open(true);
    SoundRecorder sounds(false);
    // Logical points, as ever: (115, 50) is cell (1, 0).
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(115, 50));
    EXPECT_EQ(doc.FindCell(1, 0)->state, 1);
    QTest::keyClick(view.get(), Qt::Key_Down);
    QTest::keyClick(view.get(), Qt::Key_T);
    EXPECT_EQ(doc.GetMarkedTrueList(), std::vector<std::string>{"1,1"});
    // The fill of cell (1,1) in device pixels: 28 x 28, all true colour.
    const QImage shot = Grab();
    const int left = 2 * (TestPuzzle::kOffsetX + TestPuzzle::kCellSize + 1);
    const int top = 2 * (TestPuzzle::kOffsetY + TestPuzzle::kCellSize + 1);
    for (int y = top; y < top + 28; ++y)
        for (int x = left; x < left + 28; ++x)
            ASSERT_EQ(shot.pixelColor(x, y), QColor(0, 255, 0)) << x << "," << y;
    EXPECT_NE(shot.pixelColor(left - 1, top + 5), QColor(0, 255, 0)); // the grid line
}
