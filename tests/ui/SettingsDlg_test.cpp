// The settings dialog: the sound check box, the three swatches, the colour
// chooser, the defaults and help. The Settings command itself is tested
// through the main frame (MainFrame_test).
#include "board/Texts.h"
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
#include <gtest/gtest.h>

using namespace testing_support;

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
    for (int id : {1042, 1046, 1047})
        EXPECT_EQ(dlg.Button(id)->text(), "Change Color");
    EXPECT_EQ(dlg.Button(1048)->text(), "Default Colors");
    EXPECT_EQ(dlg.CheckBox(1041)->text(), "Play Sounds");
    EXPECT_TRUE(dlg.Button(1)->isDefault());
    EXPECT_EQ(dlg.Button(9)->text(), "Help");
    // The swatch markers are invisible; only the painted colour shows.
    for (int id : {1043, 1044, 1045})
        EXPECT_TRUE(dlg.Control(id)->isHidden());
    QStringList labels;
    for (auto* l : dlg.findChildren<QLabel*>())
        labels << l->text();
    for (const char* label : {"Square Marked True", "Square Marked False", "Hint"})
        EXPECT_TRUE(labels.contains(label)) << label;
}

TEST(SettingsDlg, SoundIsExchangedWithTheCheckBoxAndCancelTakesNothingBack) {
    for (int end : {1, 2}) {
        CSettingsDlg dlg;
        dlg.sound = true;
        ModalDriver driver;
        bool checkedOnShow = false;
        driver.Then([&](QDialog*) {
            checkedOnShow = dlg.CheckBox(1041)->isChecked();
            QTest::mouseClick(dlg.CheckBox(1041), Qt::LeftButton);
            Click(dlg, end);
        });
        EXPECT_EQ(dlg.exec(), end);
        EXPECT_TRUE(checkedOnShow);
        EXPECT_EQ(dlg.sound, end == 2);
    }
}

TEST(SettingsDlg, SwatchesShowTheThreeColoursAndDefaultColorsRestoresThem) {
    CSettingsDlg dlg;
    dlg.SetColors({{0, 0, 254}, {0, 254, 0}, {254, 0, 0}});
    EXPECT_EQ(SwatchPixel(dlg, 1043), QColor(0, 254, 0));
    EXPECT_EQ(SwatchPixel(dlg, 1044), QColor(254, 0, 0));
    EXPECT_EQ(SwatchPixel(dlg, 1045), QColor(0, 0, 254));
    Click(dlg, 1048);
    EXPECT_EQ(dlg.Colors(), board::kDefaultColors);
    EXPECT_EQ(SwatchPixel(dlg, 1043), QColor(0, 255, 0));
    EXPECT_EQ(SwatchPixel(dlg, 1044), QColor(255, 0, 0));
    EXPECT_EQ(SwatchPixel(dlg, 1045), QColor(0, 0, 255));
}

TEST(SettingsDlg, ChangeColorStartsFromBlackAndTakesTheChoiceUnlessCancelled) {
    CSettingsDlg dlg;
    ModalDriver driver;
    QColor startedFrom;
    QColor trueSwatch, falseSwatch, hintSwatch;
    driver.Then([&](QDialog*) {
        Click(dlg, 1042); // true colour
        Click(dlg, 1046); // false colour
        Click(dlg, 1047); // hint colour
        Click(dlg, 1047); // hint colour again, chooser cancelled
        trueSwatch = SwatchPixel(dlg, 1043);
        falseSwatch = SwatchPixel(dlg, 1044);
        hintSwatch = SwatchPixel(dlg, 1045);
        Click(dlg, 1);
    });
    auto choose = [&](QColor color, bool accept = true) {
        driver.Then([&startedFrom, color, accept](QDialog* d) {
            auto* chooser = qobject_cast<QColorDialog*>(d);
            ASSERT_NE(chooser, nullptr);
            startedFrom = chooser->currentColor();
            chooser->setCurrentColor(color);
            accept ? chooser->accept() : chooser->reject();
        });
    };
    choose(QColor(10, 20, 30));
    choose(QColor(40, 50, 60));
    choose(QColor(70, 80, 90));
    choose(Qt::yellow, false);
    EXPECT_EQ(dlg.exec(), 1);
    EXPECT_EQ(driver.seen(), 5);
    EXPECT_EQ(startedFrom, QColor(Qt::black));
    EXPECT_EQ(dlg.Colors(), (board::BoardColors{{70, 80, 90}, {10, 20, 30}, {40, 50, 60}}));
    EXPECT_EQ(trueSwatch, QColor(10, 20, 30));
    EXPECT_EQ(falseSwatch, QColor(40, 50, 60));
    EXPECT_EQ(hintSwatch, QColor(70, 80, 90));
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
