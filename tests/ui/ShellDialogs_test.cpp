// The shell's own dialogs: the button bar, the end-of-game dialog, the About
// box.
#include "app/Texts.h"
#include "app/qt/AboutDlg.h"
#include "app/qt/CongratsDlg.h"
#include "app/qt/GameBarDlg.h"
#include "app/qt/RewardLink.h"
#include "platform/DataPath.h"
#include "tests/support/PuzzleFixtures.h"
#include "tests/support/Recorders.h"
#include "tests/support/qt/UiHelpers.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace testing_support;

TEST(GameBar, HintButtonsFollowThePuzzle) {
    CGameBarDlg bar;
    bar.resize(1200, bar.height()); // the frame gives it the client area's width
    QRect place = bar.Control(CGameBarDlg::kFirstHintPlace)->geometry();
    bar.CreateHintButtons(5);
    ASSERT_EQ(bar.HintButtons().size(), 5u);
    for (int i = 0; i < 5; ++i) {
        QPushButton* b = bar.HintButtons()[i];
        EXPECT_EQ(b->text(), QString::number(i + 1));
        EXPECT_EQ(b->property("controlId").toInt(), 1006 + i);
        EXPECT_EQ(b->geometry(), place.translated(i * (place.width() + 3), 0));
        EXPECT_FALSE(b->isHidden());
    }
    bar.CreateHintButtons(2);
    ASSERT_EQ(bar.HintButtons().size(), 2u);
    EXPECT_EQ(bar.HintButtons()[1]->text(), "2");
    EXPECT_EQ(bar.findChildren<QPushButton*>().size(), 6u + 2u); // 6 template buttons
    bar.CreateHintButtons(0);
    EXPECT_TRUE(bar.HintButtons().empty());

    // A big puzzle's thirty hints on a bar too short for them at full width:
    // all on the bar, none narrower than its number; on a wide bar as before.
    bar.resize(place.left() + 30 * 22, bar.height());
    bar.CreateHintButtons(30);
    const QPushButton* last = bar.HintButtons().back();
    EXPECT_LE(last->geometry().right(), bar.width());
    EXPECT_GE(last->width(), last->fontMetrics().horizontalAdvance("30") + 6);
    bar.show();
    bar.resize(place.left() + 30 * (place.width() + 3) + 10, bar.height());
    EXPECT_EQ(last->geometry(), place.translated(29 * (place.width() + 3), 0));
}

TEST(GameBar, SelectingAHintDisablesOnlyItsButtonAndClearEnablesAll) {
    CGameBarDlg bar;
    bar.CreateHintButtons(5);
    QSignalSpy hints(&bar, &CGameBarDlg::HintPressed);
    bar.show();
    QTest::mouseClick(bar.HintButtons()[2], Qt::LeftButton);
    ASSERT_EQ(hints.count(), 1);
    EXPECT_EQ(hints.takeFirst().at(0).toInt(), 3);
    bar.SelectHintButton(3);
    bar.SelectHintButton(3);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(bar.HintButtons()[i]->isEnabled(), i != 2) << i;
    bar.SelectHintButton(1);
    EXPECT_FALSE(bar.HintButtons()[0]->isEnabled());
    EXPECT_TRUE(bar.HintButtons()[2]->isEnabled());
    QTest::mouseClick(bar.Button(CGameBarDlg::kClearButton), Qt::LeftButton);
    ASSERT_EQ(hints.count(), 1);
    EXPECT_EQ(hints.takeFirst().at(0).toInt(), 0);
    bar.EnableAllHintButtons();
    for (auto* b : bar.HintButtons())
        EXPECT_TRUE(b->isEnabled());

    // More than twenty-one: button 31 would share id 1036 with "Show The
    // Solution" if found by id.
    bar.CreateHintButtons(40);
    bar.HintButtons()[30]->click();
    bar.HintButtons()[39]->click();
    ASSERT_EQ(hints.count(), 2);
    EXPECT_EQ(hints.at(0).at(0).toInt(), 31);
    EXPECT_EQ(hints.at(1).at(0).toInt(), 40);
    QSignalSpy solution(&bar, &CGameBarDlg::ShowSolutionPressed);
    bar.SelectHintButton(31);
    EXPECT_TRUE(bar.SolutionButton()->isEnabled());
    EXPECT_FALSE(bar.HintButtons()[30]->isEnabled());
    EXPECT_EQ(solution.count(), 0);
}

TEST(Congrats, ResultsAndTheRewardButton) {
    ModalDriver driver;
    int rewardRuns = 0;
    int rewardScore = 0;
    std::string rewardName;
    auto old = shell::SetRewardRunner([&](int score, const std::string& name, QWidget*) {
        ++rewardRuns;
        rewardScore = score;
        rewardName = name;
    });
    {
        CCongratsDlg dlg;
        dlg.SetScore(85);
        EXPECT_EQ(dlg.ItemText(1040), "Your score is 85 out of 100.");
        EXPECT_EQ(dlg.Label(1040)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_EQ(dlg.ItemText(1064).toStdString(), texts::kCongratsExplain);
        driver.Then([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        EXPECT_EQ(dlg.Run("John Smith"), 6);
    }
    {
        CCongratsDlg dlg;
        dlg.SetScore(40);
        driver.Then([&](QDialog* d) {
            // Enter presses the default button, "Play Reward Game".
            QTest::keyClick(d, Qt::Key_Return);
            EXPECT_FALSE(dlg.Button(6)->isEnabled());
            EXPECT_FALSE(dlg.Label(1064)->isEnabled());
            QTest::mouseClick(dlg.Button(2), Qt::LeftButton);
        });
        EXPECT_EQ(dlg.Run("Joan"), 2);
        EXPECT_EQ(rewardRuns, 1);
        EXPECT_EQ(rewardScore, 40);
        EXPECT_EQ(rewardName, "Joan");
    }
    {
        CCongratsDlg dlg;
        driver.Then([&](QDialog*) { QTest::mouseClick(dlg.Button(1), Qt::LeftButton); });
        EXPECT_EQ(dlg.Run("x"), 1);
        driver.Then([&](QDialog*) { QTest::mouseClick(dlg.Button(1067), Qt::LeftButton); });
        EXPECT_EQ(dlg.Run("x"), 7);
    }
    shell::SetRewardRunner(old);
}

TEST(AboutBox, TextsFromTheDataFileAndMessagesForMissingPaths) {
    TempDir dir;
    MessageRecorder boxes;
    SoundRecorder sounds(true);
    WriteBytes(dir.File("About.dat"), "Linux\r\n2026\r\n");
    std::string data = dir.File("About.dat");
    WriteBytes(dir.File("Deduxa.bmp"), fixtures::BitmapFile({}));
    std::string picture = dir.File("Deduxa.bmp");
    {
        CAboutDlg about;
        EXPECT_EQ(about.ItemText(1047), "1.0");
        EXPECT_EQ(about.ItemText(1000), "Microsoft Windows");
        about.SetAboutData(&picture, &data, true);
        EXPECT_EQ(about.ItemText(1000), "Linux");
        EXPECT_EQ(about.ItemText(1002), "2026");
        EXPECT_EQ(about.ItemText(1047), ""); // two lines only: empty version
        about.soundFile = texts::kAboutWav;
        ModalDriver driver;
        driver.Then([](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        EXPECT_EQ(about.exec(), 1);
        Pump(20); // the sound starts once the box is up
        ASSERT_EQ(sounds.names().size(), 1u);
        EXPECT_EQ(sounds.names()[0], "data\\About.wav");
        EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
    }
    {
        CAboutDlg about;
        std::string missing = dir.File("gone.dat");
        about.SetAboutData(nullptr, &missing, false);
        about.SetAboutData(&picture, nullptr, false);
        EXPECT_EQ(about.ItemText(1047), "1.0");
    }
    EXPECT_EQ(boxes.texts(),
              (std::vector<std::string>{
                  "No image path given!\nThis could only be caused by human error.",
                  "Missing about box data!\nPlease reinstall this software.",
                  "No data path given!\nThis could only be caused by human error."}));
}
