// New Random Game: made games from codes, cancelling, the made-games list in
// the game selection, and the whole command on the main frame.
#include "app/Texts.h"
#include "app/qt/CoachDlg.h"
#include "app/qt/SelectGameDlg.h"
#include "board/qt/GridView.h"
#include "madegames/GameCode.h"
#include "madegames/MadeGames.h"
#include "madegames/qt/MakeGameRun.h"
#include "madegames/qt/NewRandomGameDlg.h"
#include "pages/qt/MuWnd.h"
#include "puzzle/GridDoc.h"
#include "puzzlegen/Themes.h"
#include "resources/Menu.h"
#include "tests/support/ShellFixtures.h"
#include "tests/support/qt/CoachPlay.h"
#include "tests/support/qt/FrameTest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <thread>

using namespace testing_support;
using namespace shell_fixtures;
using madegames::GameRecipe;
using madegames::MakeOutcome;

namespace {

// Every file under folder (names relative to it) with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = std::filesystem::relative(e.path(), folder).string();
        files[name] = e.is_regular_file() ? ReadBytes(e.path().string()) : "<folder>";
    }
    return files;
}

madegames::MakeResult MakeIn(const TempDir& dir, const GameRecipe& recipe,
                             const std::function<bool()>& stop = {}) {
    std::filesystem::create_directories(dir.File("data"));
    return madegames::MakeGameInto(recipe, dir.File("data/"), dir.File("data/madegames.dat"),
                                   nullptr, stop);
}

} // namespace

TEST(RandomGame, AGameMadeAgainFromItsCodeHasTheSameFilesByteForByte) {
    const GameRecipe first{4, 5, 3, madegames::kAnyTheme, 424242};
    TempDir a, b;
    const madegames::MakeResult madeA = MakeIn(a, first);
    ASSERT_EQ(madeA.outcome, MakeOutcome::made) << madeA.fault;
    const std::string code = madegames::EncodeGameCode(first);
    EXPECT_EQ(madeA.entry.fileName, madegames::FileNameOf(first));
    EXPECT_NE(madeA.entry.title.find("(" + code + ")"), std::string::npos);
    EXPECT_EQ(madeA.entry.title.rfind("Random 4x5 ", 0), 0u) << madeA.entry.title;

    GameRecipe typed;
    std::string fault;
    ASSERT_TRUE(madegames::DecodeGameCode(code, typed, fault)) << fault;
    const madegames::MakeResult madeB = MakeIn(b, typed);
    ASSERT_EQ(madeB.outcome, MakeOutcome::made) << madeB.fault;
    EXPECT_EQ(madeB.entry, madeA.entry);

    const auto filesA = Snapshot(a.File("data"));
    const auto filesB = Snapshot(b.File("data"));
    EXPECT_EQ(filesA, filesB); // names and bytes, list file included
    const std::string base = madeA.entry.fileName;
    for (const std::string& name :
         {base + ".bgd", base + ".bmp", base + "@2x.bmp", base + ".clu", base + "_00.htf",
          base + "_01.htf", base + "-00.htf", std::string("madegames.dat")})
        EXPECT_TRUE(filesA.count(name)) << name;
    for (const auto& [name, bytes] : filesA)
        EXPECT_EQ(name.find(".making"), std::string::npos) << name; // no temporary left
    // The first page names the code.
    EXPECT_NE(filesA.at(base + "_00.htf").find("Game code: "), std::string::npos);
    EXPECT_NE(filesA.at(base + "_00.htf").find(code), std::string::npos);
    EXPECT_EQ(filesA.at("madegames.dat"), madeA.entry.title + "\r\n" + base + "\r\n");

    // Made again in the same folder: the game is there, nothing changes.
    const madegames::MakeResult again = MakeIn(a, first);
    EXPECT_EQ(again.outcome, MakeOutcome::made);
    EXPECT_EQ(Snapshot(a.File("data")), filesA);
}

TEST(RandomGame, CancellingLeavesTheFolderAsItWas) {
    TempDir dir;
    WriteTinyGame(dir);
    WriteBytes(dir.File("data/madegames.dat"), "Random old\r\nmadeold\r\n");
    const auto before = Snapshot(dir.Path());

    // Stopped at once, before the progress dialog is due.
    const madegames::MakeResult stopped = MakeIn(dir, {5, 6, 4, 0, 77}, [] { return true; });
    EXPECT_EQ(stopped.outcome, MakeOutcome::cancelled);
    EXPECT_EQ(Snapshot(dir.Path()), before);

    // A slow search: the progress dialog comes up and its Cancel stops it.
    ModalDriver driver;
    QString shown;
    driver.Then([&](QDialog* d) {
        shown = d->objectName();
        auto* cancel = d->findChild<QPushButton*>();
        ASSERT_NE(cancel, nullptr);
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    std::atomic<int> seeds{0};
    const madegames::MakeResult cancelled = MakeIn(dir, {5, 6, 4, 0, 78}, [&] {
        if (seeds++ == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
        return false;
    });
    EXPECT_EQ(shown, "makingDlg");
    EXPECT_EQ(cancelled.outcome, MakeOutcome::cancelled);
    EXPECT_LT(seeds.load(), 120); // the search ended before its last seed
    EXPECT_EQ(Snapshot(dir.Path()), before);

    // What a crash in the making left is swept away; a link of that name
    // goes, and what it points to stays.
    WriteBytes(dir.File("data/.game41.making/game41.bgd"), "half");
    WriteBytes(dir.File("elsewhere/keep.txt"), "keep");
    std::filesystem::create_directory_symlink(dir.File("elsewhere"),
                                              dir.File("data/.game42.making"));
    EXPECT_EQ(madegames::RemoveUnfinishedMakings(dir.File("data/")), 2);
    EXPECT_EQ(ReadBytes(dir.File("elsewhere/keep.txt")), "keep");
    std::filesystem::remove_all(dir.File("elsewhere"));
    EXPECT_EQ(Snapshot(dir.Path()), before);
}

TEST(RandomGame, MadeGamesFollowTheBundledOnesAndADamagedListIsReported) {
    TempDir dir;
    WriteTinyGame(dir);
    ScopedDataFolder folder(dir.Path());
    MessageRecorder boxes;
    ModalDriver driver;
    CPlayer player;
    // The list's good entries after the bundled game, one that names a path
    // reported with the program's file-error message and left out.
    WriteBytes(dir.File("data/madegames.dat"),
               "Random One\r\nmadeone\r\nBad\r\n../games/x\r\nRandom Two\r\nmadetwo\r\n");
    CSelectGameDlg dlg(&player);
    driver.Then([&](QDialog*) {
        QListWidget* list = dlg.ListBox(CSelectGameDlg::kList);
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(0)->text(), "Tiny Farm");
        EXPECT_EQ(list->item(1)->text(), "Random One");
        EXPECT_EQ(list->item(2)->text(), "Random Two");
        list->setCurrentRow(2);
        QTest::mouseClick(dlg.Button(CSelectGameDlg::kPlay), Qt::LeftButton);
    });
    EXPECT_EQ(dlg.exec(), CSelectGameDlg::resultPlay);
    EXPECT_EQ(dlg.chosenFileName, "madetwo");
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text,
              "An invalid file handle was associated with " + dir.File("data/madegames.dat") + ".");
}

namespace {
class RandomGameCommand : public FrameTest {
protected:
    RandomGameCommand() : FrameTest(WriteTinyGame) {
        player.Save(dir.Path() + "players/");
        OpenFrame();
        StartTiny();
        frame->OnSaveGame();
        frame->show();
    }
};
} // namespace

TEST_F(RandomGameCommand, TheDialogMakesTheGameAndTheBoardShowsIt) {
    QAction* action = frame->Action(resources::ID_NEW_RANDOM_GAME);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), "New &Random Game...");
    EXPECT_EQ(action->shortcut(), QKeySequence("Ctrl+R"));

    // First a mistyped code: refused, the dialog stays; then the choices.
    const std::string good = madegames::EncodeGameCode({3, 4, 1, 2, 31337});
    std::string typo = good;
    typo[0] = typo[0] == '7' ? '8' : '7';
    std::vector<std::string> seenOnOk;
    driver.Then([&](QDialog* d) {
        auto* dlg = static_cast<madegames::CNewRandomGameDlg*>(d);
        EXPECT_EQ(dlg->Categories()->minimum(), 3);
        EXPECT_EQ(dlg->Categories()->maximum(), reasoning::kMaxCats);
        EXPECT_EQ(dlg->Items()->minimum(), 4);
        EXPECT_EQ(dlg->Items()->maximum(), reasoning::kMaxItems);
        EXPECT_EQ(dlg->Theme()->itemText(0), "Any");
        // Every choice has a label with a letter of its own to reach it by.
        std::set<QChar> letters;
        for (QWidget* control : std::initializer_list<QWidget*>{
                 dlg->Categories(), dlg->Items(), dlg->Grade(), dlg->Theme(), dlg->Code()}) {
            QLabel* label = nullptr;
            for (QLabel* l : dlg->findChildren<QLabel*>())
                if (l->buddy() == control)
                    label = l;
            ASSERT_NE(label, nullptr) << control->objectName().toStdString();
            const qsizetype amp = label->text().indexOf('&');
            ASSERT_GE(amp, 0) << label->text().toStdString();
            EXPECT_TRUE(letters.insert(label->text()[amp + 1].toLower()).second)
                << label->text().toStdString();
            EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus);
        }
        QTest::keyClicks(dlg->Code(), QString::fromStdString(typo));
        EXPECT_FALSE(dlg->Categories()->isEnabled()); // a code stands for all of them
        QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        EXPECT_TRUE(dlg->isVisible());
        seenOnOk = boxes.texts();
        dlg->Code()->clear();
        EXPECT_TRUE(dlg->Categories()->isEnabled());
        dlg->Categories()->setValue(3);
        dlg->Items()->setValue(4);
        dlg->Grade()->setCurrentIndex(0);
        dlg->Theme()->setCurrentIndex(3); // the third theme
        QTest::keyClick(dlg->Code(), Qt::Key_Return);
    });
    driver.Then([](QDialog*) {}); // the progress dialog, should the making be slow
    boxes.clear();
    action->trigger();
    ASSERT_EQ(seenOnOk.size(), 1u);
    EXPECT_NE(seenOnOk[0].find("typing error"), std::string::npos) << seenOnOk[0];

    const std::string title = frame->gameTitle;
    EXPECT_EQ(title.rfind("Random 3x4 ", 0), 0u) << title;
    EXPECT_NE(title.find(puzzlegen::Themes()[2].title), std::string::npos) << title;
    EXPECT_EQ(frame->gameFileName.rfind("made", 0), 0u);
    EXPECT_EQ(frame->windowTitle().toStdString(), title);
    EXPECT_TRUE(QString::fromStdString(frame->PageWindow()->CurrentFile())
                    .endsWith(QString::fromStdString(frame->gameFileName + "_00.htf")));
    EXPECT_GT(frame->Document()->GetHintCount(), 0);
    // The made picture on the board, not the tiny game's (110 pixels square).
    EXPECT_EQ(frame->Document()->GetPictureName(), frame->gameFileName + ".bmp");
    EXPECT_GT(frame->Document()->GetPictureSize().width, 110);
    EXPECT_TRUE(frame->HasCoach());
    EXPECT_EQ(boxes.last().caption, texts::kLetsBegin);
    const std::vector<GameListEntry> listed = {{title, frame->gameFileName}};
    int cause = 0;
    EXPECT_EQ(madegames::ReadMadeList(dir.File("data/madegames.dat"), cause), listed);
    // The game plays as a bundled one: it is saved under its title.
    frame->OnSaveGame();
    EXPECT_TRUE(player.IsUnfinishedSaved(title));
}

TEST_F(RandomGameCommand, ABigMadeGameIsSolvedByTheCoachAloneToCongratulations) {
    // Six categories of eight items, the largest shape, graded Expert. The
    // progress dialog shows only should the making be slow; if not, the first
    // coach dialog comes here.
    driver.Then([](QDialog* d) {
        if (auto* coach = dynamic_cast<CCoachDlg*>(d); coach && coach->ActionButton())
            coach->ActionButton()->click();
    });
    const madegames::MakeResult made = MakeIn(dir, {6, 8, 4, madegames::kAnyTheme, 4242});
    ASSERT_EQ(made.outcome, MakeOutcome::made) << made.fault;
    Start(made.entry.title, made.entry.fileName);
    ASSERT_TRUE(frame->HasCoach());
    const CoachPlay play = PlayByCoach(*frame, driver, 600);
    EXPECT_TRUE(play.congratulated) << made.entry.title << " after " << play.uses;
    EXPECT_TRUE(frame->SolutionShown());
}
