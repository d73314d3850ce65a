// The settings dialog: the sound check box, the three swatches, the colour
// chooser, the defaults and help.
#include "board/Texts.h"
#include "board/qt/GridView.h"
#include "board/qt/SettingsDlg.h"
#include "platform/Sound.h"
#include "tests/support/Recorders.h"
#include "tests/support/qt/UiHelpers.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

using namespace testing_support;
using board::RgbColor;

namespace {

QColor SwatchPixel(CSettingsDlg& dlg, int swatchId) {
    QImage image = dlg.grab().toImage();
    return image.pixelColor(dlg.SwatchRect(swatchId).center());
}

void Click(CSettingsDlg& dlg, int id) {
    QTest::mouseClick(dlg.Button(id), Qt::LeftButton);
}

} // namespace

TEST(SettingsDlg, BuildsTemplate141) {
    CSettingsDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Customize Game Settings");
    EXPECT_EQ(dlg.Button(1042)->text(), "Change Color");
    EXPECT_EQ(dlg.Button(1046)->text(), "Change Color");
    EXPECT_EQ(dlg.Button(1047)->text(), "Change Color");
    EXPECT_EQ(dlg.Button(1048)->text(), "Default Colors");
    EXPECT_EQ(dlg.CheckBox(1041)->text(), "Play Sounds");
    EXPECT_TRUE(dlg.Button(1)->isDefault());
    EXPECT_EQ(dlg.Button(9)->text(), "Help");
    // The swatch markers are invisible; only the painted colour shows.
    for (int id : {1043, 1044, 1045}) {
        ASSERT_NE(dlg.Control(id), nullptr);
        EXPECT_TRUE(dlg.Control(id)->isHidden());
        EXPECT_EQ(dlg.SwatchRect(id), dlg.PixelRect(7,
                                                    id == 1043   ? 7
                                                    : id == 1044 ? 30
                                                                 : 53,
                                                    18, 20));
    }
    QStringList labels;
    for (auto* l : dlg.findChildren<QLabel*>())
        labels << l->text();
    EXPECT_TRUE(labels.contains("Square Marked True"));
    EXPECT_TRUE(labels.contains("Square Marked False"));
    EXPECT_TRUE(labels.contains("Hint"));
}

TEST(SettingsDlg, SoundIsExchangedWithTheCheckBox) {
    CSettingsDlg dlg;
    dlg.sound = true;
    ModalDriver driver;
    bool checkedOnShow = false;
    driver.Then([&](QDialog*) {
        checkedOnShow = dlg.CheckBox(1041)->isChecked();
        QTest::mouseClick(dlg.CheckBox(1041), Qt::LeftButton);
        Click(dlg, 1);
    });
    EXPECT_EQ(dlg.exec(), 1);
    EXPECT_TRUE(checkedOnShow);
    EXPECT_FALSE(dlg.sound);
}

TEST(SettingsDlg, CancelReportsCancelAndTakesNothingBack) {
    CSettingsDlg dlg;
    dlg.sound = false;
    ModalDriver driver;
    driver.Then([&](QDialog*) {
        QTest::mouseClick(dlg.CheckBox(1041), Qt::LeftButton);
        Click(dlg, 2);
    });
    EXPECT_EQ(dlg.exec(), 2);
    EXPECT_FALSE(dlg.sound);
}

TEST(SettingsDlg, SwatchesShowTheThreeColours) {
    CSettingsDlg dlg;
    dlg.SetColors({{0, 0, 255}, {0, 255, 0}, {255, 0, 0}});
    EXPECT_EQ(SwatchPixel(dlg, 1043), QColor(0, 255, 0));
    EXPECT_EQ(SwatchPixel(dlg, 1044), QColor(255, 0, 0));
    EXPECT_EQ(SwatchPixel(dlg, 1045), QColor(0, 0, 255));
}

TEST(SettingsDlg, ChangeColorStartsFromBlackAndTakesTheChoice) {
    CSettingsDlg dlg;
    ModalDriver driver;
    QColor startedFrom;
    QColor trueSwatch, falseSwatch, hintSwatch;
    driver.Then([&](QDialog*) {
        Click(dlg, 1042); // true colour
        Click(dlg, 1046); // false colour
        Click(dlg, 1047); // hint colour
        trueSwatch = SwatchPixel(dlg, 1043);
        falseSwatch = SwatchPixel(dlg, 1044);
        hintSwatch = SwatchPixel(dlg, 1045);
        Click(dlg, 1);
    });
    auto choose = [&](QColor color) {
        driver.Then([&startedFrom, color](QDialog* d) {
            auto* chooser = qobject_cast<QColorDialog*>(d);
            ASSERT_NE(chooser, nullptr);
            startedFrom = chooser->currentColor();
            chooser->setCurrentColor(color);
            chooser->accept();
        });
    };
    choose(QColor(10, 20, 30));
    choose(QColor(40, 50, 60));
    choose(QColor(70, 80, 90));
    EXPECT_EQ(dlg.exec(), 1);
    EXPECT_EQ(driver.seen(), 4);
    EXPECT_EQ(startedFrom, QColor(Qt::black));
    EXPECT_EQ(dlg.trueColor, (RgbColor{10, 20, 30}));
    EXPECT_EQ(dlg.falseColor, (RgbColor{40, 50, 60}));
    EXPECT_EQ(dlg.hintColor, (RgbColor{70, 80, 90}));
    EXPECT_EQ(trueSwatch, QColor(10, 20, 30));
    EXPECT_EQ(falseSwatch, QColor(40, 50, 60));
    EXPECT_EQ(hintSwatch, QColor(70, 80, 90));
}

TEST(SettingsDlg, CancellingTheChooserChangesNothing) {
    CSettingsDlg dlg;
    dlg.SetColors({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    ModalDriver driver;
    driver.Then([&](QDialog*) {
        Click(dlg, 1047);
        Click(dlg, 1);
    });
    driver.Then([](QDialog* d) {
        static_cast<QColorDialog*>(d)->setCurrentColor(Qt::yellow);
        d->reject();
    });
    EXPECT_EQ(dlg.exec(), 1);
    EXPECT_EQ(dlg.Colors(), (board::BoardColors{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}));
}

TEST(SettingsDlg, DefaultColorsRestoresTheThreeDefaults) {
    CSettingsDlg dlg;
    dlg.SetColors({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    Click(dlg, 1048);
    EXPECT_EQ(dlg.Colors(), board::kDefaultColors);
    EXPECT_EQ(SwatchPixel(dlg, 1043), QColor(0, 255, 0));
    EXPECT_EQ(SwatchPixel(dlg, 1044), QColor(255, 0, 0));
    EXPECT_EQ(SwatchPixel(dlg, 1045), QColor(0, 0, 255));
}

TEST(SettingsDlg, HelpAsksForTopicEightAndLeavesTheDialogAsItWas) {
    CSettingsDlg dlg;
    dlg.sound = true;
    dlg.SetColors({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    HelpRecorder help;
    ModalDriver driver;
    bool stillOpen = false;
    driver.Then([&](QDialog*) {
        Click(dlg, 9);
        stillOpen = dlg.isVisible();
        Click(dlg, 1);
    });
    EXPECT_EQ(dlg.exec(), 1);
    ASSERT_EQ(help.calls().size(), 1u);
    EXPECT_EQ(help.calls()[0].topic, 8);
    EXPECT_EQ(help.calls()[0].owner, static_cast<void*>(static_cast<QWidget*>(&dlg)));
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(dlg.sound);
    EXPECT_EQ(dlg.Colors(), (board::BoardColors{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}));
}

namespace {

struct CommandFixture : ::testing::Test {
    TempDir dir;
    ScopedDataFolder folder{dir.Path()};
    MessageRecorder boxes;
    SoundRecorder sounds{false};
    ModalDriver driver;
    // Turns sound on, picks a new true colour, then ends with button id.
    void Script(CSettingsDlg*& seen, int endWith) {
        driver.Then([&seen, endWith](QDialog* d) {
            seen = qobject_cast<CSettingsDlg*>(d);
            ASSERT_NE(seen, nullptr);
            QTest::mouseClick(seen->CheckBox(1041), Qt::LeftButton);
            QTest::mouseClick(seen->Button(1042), Qt::LeftButton);
            QTest::mouseClick(seen->Button(endWith), Qt::LeftButton);
        });
        driver.Then([](QDialog* d) {
            static_cast<QColorDialog*>(d)->setCurrentColor(QColor(1, 2, 3));
            d->accept();
        });
    }
};

} // namespace

TEST_F(CommandFixture, OkAppliesAndRewritesAnExistingFile) {
    WriteBytes(dir.File("data/Sound.dat"), "FALSE\r\n0\r\n0\r\n255\r\n0\r\n255\r\n0\r\n255\r\n0\r\n"
                                           "0\r\nold tail\r\n");
    CGridView view;
    CSettingsDlg* seen = nullptr;
    Script(seen, 1);
    EXPECT_TRUE(RunSettingsCommand(view));
    EXPECT_TRUE(platform::SoundOn());
    EXPECT_EQ(view.GetTrueColor(), (RgbColor{1, 2, 3}));
    EXPECT_EQ(ReadBytes(dir.File("data/Sound.dat")),
              // Three bytes shorter than before: the old line 10's last bytes
              // stay in front of the old tail, never read.
              "TRUE\r\n0\r\n0\r\n255\r\n1\r\n2\r\n3\r\n255\r\n0\r\n0\r\n0\r\nold tail\r\n");
    EXPECT_TRUE(board::ReadSoundSetting());
    EXPECT_EQ(board::ReadColorSettings(), view.Colors());
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(CommandFixture, WithoutSettingsFileChangesLastOnlyForThisRun) {
    CGridView view;
    CSettingsDlg* seen = nullptr;
    Script(seen, 1);
    EXPECT_TRUE(RunSettingsCommand(view));
    EXPECT_TRUE(platform::SoundOn());
    EXPECT_EQ(view.GetTrueColor(), (RgbColor{1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(dir.File("data/Sound.dat")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Data/Sound.dat")));
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(CommandFixture, CancelAfterChoosingAColourChangesNothing) {
    const std::string file = "FALSE\r\n0\r\n0\r\n255\r\n0\r\n255\r\n0\r\n255\r\n0\r\n0\r\n";
    WriteBytes(dir.File("data/Sound.dat"), file);
    CGridView view;
    CSettingsDlg* seen = nullptr;
    Script(seen, 2);
    EXPECT_FALSE(RunSettingsCommand(view));
    ASSERT_NE(seen, nullptr);
    EXPECT_FALSE(platform::SoundOn());
    EXPECT_EQ(view.Colors(), board::kDefaultColors);
    EXPECT_EQ(ReadBytes(dir.File("data/Sound.dat")), file);
}
