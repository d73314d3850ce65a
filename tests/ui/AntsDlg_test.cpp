#include "board/qt/DibStatic.h"
#include "board/qt/PaletteStatic.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "reward/Texts.h"
#include "reward/qt/AntsDlg.h"
#include "reward/qt/HighScoresDlg.h"
#include "reward/qt/RewardGame.h"
#include "tests/support/AntsFixtures.h"
#include "tests/support/Recorders.h"
#include "tests/support/qt/UiHelpers.h"

#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

using testing_support::MessageRecorder;
using testing_support::ModalDriver;
using testing_support::ReadBytes;
using testing_support::ScopedDataFolder;
using testing_support::SoundRecorder;
using testing_support::TempDir;

namespace {

// A data folder with the test ants, the hubs watched, random seeded.
struct AntsDlgTest : ::testing::Test {
    TempDir dir;
    ScopedDataFolder data{dir.Path()};
    MessageRecorder boxes;
    SoundRecorder sounds;
    ModalDriver driver;
    AntsDlgTest() {
        platform::SeedRandom(12345);
        testing_support::MakeAntsFolder(dir.Path());
    }
    std::string Scores() const { return dir.File("ants/scores.dat"); }
};

int AntFrame(CAntsDlg* dlg, int i) {
    return dlg->Ant(i)->Frame();
}

QString Text(CAntsDlg* dlg, int id) {
    return dlg->ItemText(id);
}

// The first tick, and the introduction it opens (answered by the recorder).
void PlayIntro(CAntsDlg* dlg) {
    dlg->OnTimer();
    QCoreApplication::sendPostedEvents(dlg, QEvent::MetaCall);
    ASSERT_FALSE(dlg->Game().IntroPending());
}

// Ticks until ant i shows a frame that can be caught (the real timer is not
// given a chance to run meanwhile).
bool TickUntilRisen(CAntsDlg* dlg, int i) {
    for (int n = 0; n < 40; ++n) {
        if (reward::CanCatch(AntFrame(dlg, i)))
            return true;
        dlg->OnTimer();
    }
    return false;
}

QStringList TableLines(QDialog* d) {
    QStringList lines;
    QListWidget* list = static_cast<CHighScoresDlg*>(d)->ListBox(1052);
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

} // namespace

TEST_F(AntsDlgTest, MissingDataFileSaysSoAndCancels) {
    std::filesystem::remove_all(dir.File("ants"));
    EXPECT_EQ(PlayRewardGame(nullptr, 100, "Kim"), platform::IDCANCEL);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "Unable to load data file!");
    EXPECT_EQ(boxes.last().caption, "File Error");
    EXPECT_EQ(boxes.last().style, platform::MB_OK);
    EXPECT_EQ(driver.seen(), 0);
    EXPECT_TRUE(sounds.names().empty());
    EXPECT_FALSE(std::filesystem::exists(Scores()));
}

TEST_F(AntsDlgTest, OpensAt640By520WithTheFieldAndTheAntsInTheirPlaces) {
    driver.Then([&](QDialog* d) {
        auto* dlg = static_cast<CAntsDlg*>(d);
        EXPECT_EQ(dlg->windowTitle(), "Viruz ezi Zadi!");
        EXPECT_EQ(dlg->size(), QSize(640, 520));
        EXPECT_EQ(dlg->Field()->size(), QSize(640, 480));
        EXPECT_EQ(dlg->Field()->pos(), dlg->PixelRect(3, 12, 176, 76).topLeft());
        const QPoint origin = dlg->Field()->pos();
        const auto spots = testing_support::DefaultAntSpots();
        for (int i = 0; i < 10; ++i) {
            QRect expected(origin.x() + spots[i].x, origin.y() + spots[i].y, 36, 40);
            EXPECT_EQ(dlg->AntBox(i), expected) << i;
            EXPECT_EQ(dlg->Ant(i)->geometry(), expected) << i;
            EXPECT_EQ(AntFrame(dlg, i), 0);
        }
        EXPECT_EQ(Text(dlg, 1048), "30");
        EXPECT_EQ(Text(dlg, 1049), "0");
        EXPECT_TRUE(dlg->TimerRunning());
        EXPECT_EQ(boxes.count(), 0u); // every picture was read
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    CAntsDlg dlg;
    EXPECT_EQ(dlg.Run(100, "Kim"), platform::IDCANCEL);
    EXPECT_EQ(sounds.names(), std::vector<std::string>{"data\\startant.wav"});
    EXPECT_EQ(driver.seen(), 1); // no table
    EXPECT_FALSE(std::filesystem::exists(Scores()));
    EXPECT_FALSE(dlg.TimerRunning());
}

TEST_F(AntsDlgTest, AClickOnARisenAntCatchesItAndAClickOnAHoleDoesNot) {
    driver.Then([&](QDialog* d) {
        auto* dlg = static_cast<CAntsDlg*>(d);
        PlayIntro(dlg);
        ASSERT_TRUE(TickUntilRisen(dlg, 0));
        sounds.clear();
        QTest::mouseClick(dlg, Qt::LeftButton, {}, dlg->AntBox(0).center());
        EXPECT_EQ(dlg->Game().AntsCaught(), 1);
        EXPECT_EQ(Text(dlg, 1049), "1");
        EXPECT_EQ(AntFrame(dlg, 0), 0); // back in its hole
        EXPECT_EQ(sounds.names(), std::vector<std::string>{"data\\gotcha.wav"});

        // Clicking the same ant again: it is in its hole now.
        sounds.clear();
        QTest::mouseClick(dlg, Qt::LeftButton, {}, dlg->AntBox(0).center());
        EXPECT_EQ(dlg->Game().AntsCaught(), 1);
        EXPECT_EQ(sounds.names(), std::vector<std::string>{"data\\shoop.wav"});

        // The bare field.
        sounds.clear();
        QTest::mouseClick(dlg, Qt::LeftButton, {},
                          dlg->Field()->geometry().bottomRight() - QPoint(5, 5));
        EXPECT_EQ(dlg->Game().AntsCaught(), 1);
        EXPECT_EQ(sounds.names(), std::vector<std::string>{"data\\shoop.wav"});

        QTest::keyClick(d, Qt::Key_Escape);
    });
    CAntsDlg dlg;
    dlg.Run(100, "Kim");
    EXPECT_EQ(dlg.Game().AntsCaught(), 1);
}

TEST_F(AntsDlgTest, TimeOutStopsTheTimerAndShowsTheTableWithTheNewEntryOnce) {
    testing_support::WriteBytes(Scores(), "10\r\n09\tAnna\r\n00\tBen\r\n");
    int ticks = 0;
    bool timerRunningAtTable = true;
    QStringList table;
    QString message;
    std::vector<std::string> soundsAtTable;
    driver.Then([&](QDialog* d) {
        auto* dlg = static_cast<CAntsDlg*>(d);
        PlayIntro(dlg);
        ASSERT_TRUE(TickUntilRisen(dlg, 2));
        QTest::mouseClick(dlg, Qt::LeftButton, {}, dlg->AntBox(2).center());
        while (!dlg->Game().Ended() && ticks < 1000) {
            dlg->OnTimer();
            ++ticks;
        }
        // Ticks after the end change nothing and open no second table.
        dlg->OnTimer();
        dlg->OnTimer();
    });
    driver.Then([&](QDialog* d) {
        auto* table144 = static_cast<CHighScoresDlg*>(d);
        auto* ants = qobject_cast<CAntsDlg*>(d->parentWidget());
        timerRunningAtTable = ants && ants->TimerRunning();
        table = TableLines(d);
        message = table144->ItemText(1053);
        EXPECT_EQ(d->windowTitle(), "10 Highest Scores");
        EXPECT_EQ(table144->ListBox(1052)->selectionMode(), QAbstractItemView::NoSelection);
        EXPECT_EQ(ReadBytes(Scores()), "10\r\n09\tAnna\r\n00\tBen\r\n"); // written on OK
        soundsAtTable = sounds.names();
        d->accept();
    });
    CAntsDlg dlg;
    EXPECT_EQ(dlg.Run(0, "Kim"), platform::IDCANCEL);
    EXPECT_EQ(driver.seen(), 2);
    EXPECT_FALSE(timerRunningAtTable);
    EXPECT_EQ(table, (QStringList{"09\tAnna", "01\tKim", "00\tBen"}));
    EXPECT_EQ(message, "You caught an ant!");
    ASSERT_FALSE(soundsAtTable.empty());
    EXPECT_EQ(soundsAtTable.back(), "data\\endant.wav");
    EXPECT_EQ(ReadBytes(Scores()), "10\r\n09\tAnna\r\n01\tKim\r\n00\tBen\r\n");
    // Only the introduction was a message box.
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "You have 5 seconds to catch (click on) as many ants as you can "
                                 "before the time runs out!");
    EXPECT_EQ(boxes.last().caption, "Ants!");
    // The catch happened within the first 24 ticks; 5 s is 24 ticks in all.
    EXPECT_LT(ticks, 24);
}

TEST_F(AntsDlgTest, EnterAndEscapeEndWithoutTheEndOfTheGameTheCloseBoxWithIt) {
    for (auto [key, result] :
         {std::pair{Qt::Key_Return, platform::IDOK}, {Qt::Key_Escape, platform::IDCANCEL}}) {
        driver.Then([key = key](QDialog* d) {
            PlayIntro(static_cast<CAntsDlg*>(d));
            QTest::keyClick(d, key);
        });
        CAntsDlg dlg;
        EXPECT_EQ(dlg.Run(100, "Kim"), result);
        EXPECT_FALSE(dlg.TimerRunning());
    }
    EXPECT_EQ(driver.seen(), 2);
    EXPECT_FALSE(std::filesystem::exists(Scores()));
    for (const auto& s : sounds.names())
        EXPECT_NE(s, "data\\endant.wav");

    // The close box before the first tick ends the game with a table entry.
    QString message;
    driver.Then([](QDialog* d) { d->close(); });
    driver.Then([&](QDialog* d) {
        message = static_cast<CHighScoresDlg*>(d)->ItemText(1053);
        d->accept();
    });
    boxes.clear();
    CAntsDlg dlg;
    EXPECT_EQ(dlg.Run(100, "Kim"), platform::IDCANCEL);
    EXPECT_EQ(driver.seen(), 4);
    EXPECT_EQ(message, "You did not catch any ants.");
    EXPECT_EQ(ReadBytes(Scores()), "10\r\n00\tKim\r\n");
    EXPECT_EQ(sounds.names().back(), "data\\endant.wav");
    EXPECT_EQ(boxes.count(), 0u); // closed before the introduction
}
