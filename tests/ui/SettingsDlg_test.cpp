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

// The sound check box and Cancel are checked through the main frame's
// Settings command (MainFrame_test).
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
