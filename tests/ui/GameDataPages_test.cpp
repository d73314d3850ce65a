// The shipped data folder on screen: every page of every game laid out by the
// page window's own layout and fonts fits the window (no row past 305
// pixels, no block that starts revealed), and every puzzle picture decodes
// with the game's picture decoder, leaving the corner clear for the key.
#include "board/qt/DibImage.h"
#include "platform/TextFile.h"
#include "puzzle/GridDoc.h"
#include "puzzlegen/qt/Drawing.h"
#include "tests/support/Recorders.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace testing_support;

TEST(GameDataPages, EveryPageFitsThePageWindowAndEveryHintPageRevealed) {
    const QDir data(QString::fromStdString(SourcePath("gamedata/data")));
    const QStringList pages = data.entryList({"*.htf"}, QDir::Files, QDir::Name);
    ASSERT_GE(pages.size(), 40 * 4);
    const QRegularExpression hintPage[] = {QRegularExpression::fromWildcard(u"game*_0[1-9].htf"),
                                           QRegularExpression::fromWildcard(u"game*_1?.htf")};
    int hints = 0;
    for (const QString& page : pages) {
        const std::string path = data.filePath(page).toStdString();
        QImage drawn;
        EXPECT_EQ(puzzlegen::CheckPage(path, &drawn), "") << page.toStdString();
        // Something was drawn: the page is not blank.
        ASSERT_FALSE(drawn.isNull());
        EXPECT_GT(drawn.height(), 40);
        if (hintPage[0].match(page).hasMatch() || hintPage[1].match(page).hasMatch()) {
            ++hints;
            EXPECT_EQ(puzzlegen::CheckPage(path, &drawn, true), "") << page.toStdString();
        }
    }
    EXPECT_GE(hints, 40 * 4);
}

TEST(GameDataPages, EveryPuzzlePictureDecodesAndLeavesTheKeyCornerClear) {
    InstallDibDecoder();
    std::vector<std::string> lines;
    ASSERT_TRUE(platform::ReadAllLines(SourcePath("gamedata/data/games.dat"), lines));
    for (size_t i = 1; i < lines.size(); i += 2) {
        MessageRecorder boxes;
        CGridDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(SourcePath("gamedata/data/" + lines[i] + ".bgd")));
        EXPECT_EQ(boxes.count(), 0u);
        const QImage* image = PackedDibImage(doc.GetPicture());
        ASSERT_NE(image, nullptr) << lines[i];
        EXPECT_EQ(image->width(), doc.GetPictureSize().width);
        // The board draws its key over (14, 9)-(56, 64): nothing of the
        // picture may hide there, and the grid starts right of and below it.
        for (int y = 9; y < 64; ++y)
            for (int x = 14; x < 56; ++x)
                ASSERT_EQ(image->pixel(x, y) & 0xffffff, 0xffffffu)
                    << lines[i] << " " << x << "," << y;
        // Grid lines: a cell's top-left pixel is dark, its inside white.
        const auto& cell = doc.GetCells().front();
        const int x = doc.GetGridOffsetX() + cell->column * doc.GetCellSize();
        const int y = doc.GetGridOffsetY() + cell->row * doc.GetCellSize();
        EXPECT_LT(qGray(image->pixel(x, y)), 100);
        EXPECT_EQ(image->pixel(x + doc.GetCellSize() / 2, y + doc.GetCellSize() / 2) & 0xffffff,
                  0xffffffu);
    }
}
