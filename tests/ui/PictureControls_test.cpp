// The picture controls: a still picture with its palette, and the animated
// four-frame sprite, in dialogs built from templates.
#include "board/Texts.h"
#include "board/qt/DibImage.h"
#include "board/qt/DibStatic.h"
#include "board/qt/PaletteStatic.h"
#include "platform/FileError.h"
#include "platform/Random.h"
#include "platform/qt/TemplateDialog.h"
#include "tests/support/BoardFixtures.h"
#include "tests/support/Recorders.h"
#include "tests/support/qt/UiHelpers.h"

#include <QPointer>
#include <filesystem>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const std::vector<BmpColor> kTable{{200, 10, 10}, {10, 200, 10}, {10, 10, 200}, {250, 250, 0}};
QColor Q(const BmpColor& c) {
    return QColor(c.red, c.green, c.blue);
}

platform::DialogTemplate PictureTemplate() {
    platform::DialogTemplate t;
    t.id = 900;
    t.caption = "Pictures";
    t.cx = 200;
    t.cy = 120;
    t.controls = {
        {1100, platform::ControlKind::Picture, "", 5, 5, 100, 60, platform::styleNone},
        {1101, platform::ControlKind::Picture, "", 120, 5, 40, 40, platform::styleNone},
        {1, platform::ControlKind::PushButton, "OK", 140, 100, 50, 14, platform::styleDefault},
    };
    return t;
}

struct PictureFixture : ::testing::Test {
    TempDir dir;
    ScopedDataFolder folder{dir.Path()};
    MessageRecorder boxes;
    platform::CTemplateDialog dlg{PictureTemplate()};

    PictureFixture() {
        InstallDibDecoder();
        // A 60 x 40 picture: left half colour 0, right half colour 1.
        WriteBytes(dir.File("data/Head.bmp"),
                   MakeBmp8(60, 40, kTable, [](int x, int) { return x < 30 ? 0 : 1; }));
        // Sprite frames of 16 x 12, each of one colour of the table.
        for (int i = 0; i < 4; ++i)
            WriteBytes(dir.File("ants/ant" + std::to_string(i) + ".bmp"),
                       MakeBmp8(16, 12, kTable, [i](int, int) { return static_cast<uint8_t>(i); }));
        WriteBytes(dir.File("data/deep.bmp"), MakeBmp24(20, 20, {1, 2, 3}));
        WriteBytes(dir.File("data/text.bmp"), "This is not a picture at all.");
    }

    QImage Grab(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

} // namespace

TEST_F(PictureFixture, StillPictureTakesTheTemplateControlsPlace) {
    const QRect place = dlg.Control(1100)->geometry();
    auto* still = new CPaletteStatic;
    dlg.ReplaceControl(1100, still);
    EXPECT_EQ(dlg.Control(1100), still);
    EXPECT_EQ(still->geometry(), place);
    EXPECT_EQ(still->parentWidget(), &dlg);

    ASSERT_TRUE(still->LoadPicture("data\\head.BMP"));
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(still->PictureSize(), QSize(60, 40));
    ASSERT_NE(still->GetPalette(), nullptr);
    ASSERT_EQ(still->GetPalette()->entries.size(), 4u);
    EXPECT_EQ(still->GetPalette()->entries[2], (PaletteEntry{10, 10, 200, 0}));

    QImage shot = Grab(still);
    EXPECT_EQ(shot.pixelColor(5, 5), Q(kTable[0]));
    EXPECT_EQ(shot.pixelColor(45, 35), Q(kTable[1]));
}

// A missing file keeps the old picture; one that is not a picture, or has no
// colour table to make a palette from, leaves none.
TEST_F(PictureFixture, MissingOrUnreadablePicturesGetTheirMessages) {
    const struct {
        const char* file;
        std::string says;
        bool keeps;
    } cases[] = {{"data\\Gone.bmp", dir.File("data/Gone.bmp") + " was not found.", true},
                 {"data\\text.bmp", "Error reading DIB file.", false},
                 {"data\\deep.bmp", "Error creating palette from DIB.", false}};
    for (const auto& c : cases) {
        CPaletteStatic still;
        ASSERT_TRUE(still.LoadPicture("data\\Head.bmp"));
        boxes.clear();
        EXPECT_FALSE(still.LoadPicture(c.file));
        EXPECT_EQ(boxes.texts(), std::vector<std::string>{c.says});
        EXPECT_EQ(still.GetPalette() != nullptr, c.keeps) << c.file;
        EXPECT_EQ(still.PictureSize() == QSize(60, 40), c.keeps) << c.file;
    }
    EXPECT_EQ(boxes.last().caption, "Deduxa");
}

TEST_F(PictureFixture, SpriteShowsItsFramesWithTheOwnersPalette) {
    auto* field = new CPaletteStatic;
    dlg.ReplaceControl(1100, field);
    ASSERT_TRUE(field->LoadPicture("data\\Head.bmp"));
    auto* ant = new CDibStatic;
    dlg.ReplaceControl(1101, ant);
    ant->box = QRect(3, 4, 16, 12);
    ASSERT_TRUE(ant->LoadPicture(field->GetPalette(), "ants\\ant", 16, 12));
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(ant->FrameRect(), QRect(0, 0, 16, 12));
    EXPECT_EQ(ant->GetPalette(), field->GetPalette());
    EXPECT_EQ(ant->box, QRect(3, 4, 16, 12));

    // Each frame shows in its own colour (the order of frames is FrameCycle's).
    ant->Cycle().SetState(0, true, 0);
    EXPECT_EQ(Grab(ant).pixelColor(8, 6), Q(kTable[0]));
    for (int i = 0; i < 3; ++i) {
        ant->Tick();
        EXPECT_EQ(Grab(ant).pixelColor(8, 6), Q(kTable[ant->Frame()])) << i;
    }
    EXPECT_EQ(ant->Frame(), 3);
    // Outside its frame rectangle the sprite draws nothing.
    EXPECT_NE(Grab(ant).pixelColor(30, 30), Q(kTable[0]));
}

TEST_F(PictureFixture, WithoutAPaletteOrAFrameTheSpriteDrawsNothingForIt) {
    // Without a palette a sprite draws nothing.
    CDibStatic bare;
    bare.resize(16, 12);
    ASSERT_TRUE(bare.LoadPicture(nullptr, dir.File("ants/ant"), 16, 12));
    bare.Cycle().SetState(0, true, 0);
    EXPECT_NE(Grab(&bare).pixelColor(8, 6), Q(kTable[0]));

    // A missing frame is said once.
    std::filesystem::remove(dir.File("ants/ant2.bmp"));
    CPaletteStatic field;
    ASSERT_TRUE(field.LoadPicture("data\\Head.bmp"));
    CDibStatic ant;
    ant.resize(16, 12);
    EXPECT_FALSE(ant.LoadPicture(field.GetPalette(), "ants\\ant", 16, 12));
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Error reading DIB file."});
    EXPECT_EQ(ant.GetFrameDib(2), nullptr);
    EXPECT_NE(ant.GetFrameDib(3), nullptr);
    ant.Cycle().SetState(0, true, 1);
    ant.Tick();
    ASSERT_EQ(ant.Frame(), 2);
    const QColor shown = Grab(&ant).pixelColor(8, 6);
    for (const BmpColor& c : kTable)
        EXPECT_NE(shown, Q(c));
    ant.Tick();
    EXPECT_EQ(Grab(&ant).pixelColor(8, 6), Q(kTable[3]));
    EXPECT_EQ(boxes.count(), 1u);
}
