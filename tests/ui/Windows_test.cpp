// Where the game's windows sit and what they are called: the cell-hint dialog
// beside the board, maximised frames below the button bar, exact captions,
// boxes centred on their owner, the page window brought back by a hint, hint
// mode off before printing, and the fixed-scale dialogs at their template's
// size.
#include "app/qt/AboutDlg.h"
#include "app/qt/GameBarDlg.h"
#include "app/qt/MainFrame.h"
#include "app/qt/SelectGameDlg.h"
#include "board/qt/CellHintDlg.h"
#include "board/qt/ChildFrame.h"
#include "board/qt/GridView.h"
#include "pages/qt/MuWnd.h"
#include "platform/DataPath.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/QtPlatform.h"
#include "players/Player.h"
#include "resources/Menu.h"
#include "resources/dialogs/Dlg100.h"
#include "resources/dialogs/Dlg130.h"
#include "tests/support/Recorders.h"
#include "tests/support/ShellFixtures.h"
#include "tests/support/qt/FrameTest.h"
#include "tests/support/qt/UiHelpers.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testing_support;
using namespace shell_fixtures;

namespace {

QRect Global(const QWidget* w) {
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

class WindowsTest : public FrameTest {
protected:
    WindowsTest() : FrameTest(WriteTinyGame) {
        OpenFrame();
        StartTiny();
        frame->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        frame->show();
        Pump(20);
    }
    QRect Viewport() const { return Global(frame->MdiArea()->viewport()); }
};

// The real message box, sound and shell of the program while it lives; the
// recorders' handlers come back afterwards.
class RealPlatform {
public:
    RealPlatform()
        : m_box(platform::SetMessageBoxHandler({})), m_sound(platform::SetSoundHandler({})),
          m_shell(platform::SetShellHandler({})) {
        platform::InstallQtPlatform();
        platform::SetSoundHandler([](const std::string&) {});
    }
    ~RealPlatform() {
        platform::SetMessageBoxHandler(m_box);
        platform::SetSoundHandler(m_sound);
        platform::SetShellHandler(m_shell);
        platform::SetMessageBoxParent(nullptr);
    }

private:
    platform::MessageBoxHandler m_box;
    platform::SoundHandler m_sound;
    platform::ShellHandler m_shell;
};

} // namespace

TEST_F(WindowsTest, CellHintDialogSitsBesideTheBoardAndStaysWhereThePlayerDragsIt) {
    enum Side { right, left, below };
    // Board frames in the MDI area: room to the right, only to the left,
    // on neither side.
    const struct {
        QRect board;
        Side side;
    } cases[] = {
        {{200, 80, 200, 160}, right},
        {{480, 80, 300, 160}, left},
        {{200, 80, 400, 160}, below},
    };
    CCellHintDlg* dlg = frame->HintDialog();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const auto& c : cases) {
        frame->BoardFrame()->setGeometry(c.board);
        frame->SetHintMode(true);
        Pump(10);
        const QRect board = Global(frame->BoardFrame());
        const QRect box = dlg->frameGeometry();
        ASSERT_TRUE(dlg->isVisible());
        EXPECT_FALSE(box.intersects(board)) << c.side;
        EXPECT_TRUE(screen.contains(box)) << c.side;
        switch (c.side) {
        case right:
            EXPECT_GT(box.left(), board.right());
            EXPECT_EQ(box.top(), board.top());
            break;
        case left:
            EXPECT_LT(box.right(), board.left());
            EXPECT_EQ(box.top(), board.top());
            break;
        case below:
            EXPECT_GT(box.top(), board.bottom());
            break;
        }
        frame->SetHintMode(false);
        EXPECT_FALSE(dlg->isVisible());
    }
    // Dragged by the player, it comes back there, wherever the board is.
    frame->BoardFrame()->setGeometry(cases[0].board);
    frame->SetHintMode(true);
    dlg->move(30, 420);
    frame->SetHintMode(false);
    frame->BoardFrame()->setGeometry(cases[1].board);
    frame->SetHintMode(true);
    EXPECT_EQ(dlg->pos(), QPoint(30, 420));
}

TEST_F(WindowsTest, MaximisedFramesKeepTheirClientAreaBelowTheBarAndInsideTheArea) {
    CChildFrame* board = frame->BoardFrame();
    CMuWnd* page = frame->PageWindow();
    const struct {
        const char* name;
        QMdiSubWindow* window;
        QWidget* client;
    } cases[] = {
        {"board", board, board->widget()},
        {"page", page, page->ClientArea()},
    };
    for (const auto& c : cases) {
        c.window->showMaximized();
        Pump(10);
        const QRect bar = Global(frame->Bar());
        EXPECT_TRUE(c.window->isMaximized()) << c.name;
        EXPECT_GT(Global(c.client).top(), bar.bottom()) << c.name;
        EXPECT_GT(Global(c.window).top(), bar.bottom()) << c.name;
        EXPECT_LE(Global(c.window).bottom(), Viewport().bottom()) << c.name;
        // Restored, it goes back to its place below the bar.
        c.window->showNormal();
        Pump(10);
        EXPECT_GE(c.window->y(), frame->Bar()->BarHeight()) << c.name;
    }
}

TEST_F(WindowsTest, CaptionsAreExactlyTheWindowsOwn) {
    // No display name: the toolkit would append it to every caption.
    const QString name = QCoreApplication::applicationName();
    platform::SetApplicationNames("Deduxa");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QString());
    EXPECT_EQ(QCoreApplication::applicationName(), "Deduxa");
    QCoreApplication::setApplicationName(name);

    // The main caption follows the game and empties when the page window
    // takes the focus.
    QMdiArea* area = frame->MdiArea();
    area->setActiveSubWindow(frame->BoardFrame());
    frame->SetFrameTitle("Tiny Farm");
    EXPECT_EQ(frame->windowTitle(), "Tiny Farm");
    area->setActiveSubWindow(frame->PageWindow());
    Pump(10);
    EXPECT_EQ(frame->windowTitle(), QString());
}

TEST_F(WindowsTest, BoxesAndTheHelpWindowComeUpCentredOnTheirOwnerInsideTheScreen) {
    RealPlatform real;
    frame->setGeometry(120, 90, 520, 400);
    Pump(10);
    platform::SetMessageBoxParent(frame.get());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint centre = frame->frameGeometry().center();

    QRect boxRect;
    QString caption;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (!box->isVisible())
                return;
            boxRect = box->frameGeometry();
            caption = box->windowTitle();
            box->accept();
        }
    });
    poll.start(10);
    platform::MessageBox("Each hint will cost you 5 points.", "Let's begin...", platform::MB_OK);
    poll.stop();
    ASSERT_TRUE(boxRect.isValid());
    EXPECT_EQ(caption, "Let's begin...");
    EXPECT_LE((boxRect.center() - centre).manhattanLength(), 2)
        << boxRect.center().x() << "," << boxRect.center().y();
    EXPECT_TRUE(screen.contains(boxRect));

    // The help window, taller than the space below the owner's centre.
    platform::CHelpWindow* help = platform::ShowHelpWindow(1001, frame.get());
    ASSERT_NE(help, nullptr);
    Pump(10);
    EXPECT_TRUE(screen.contains(help->frameGeometry()));
    EXPECT_LE((help->frameGeometry().center() - centre).manhattanLength(), 2);
    help->close();
}

TEST_F(WindowsTest, AHintBringsBackAMinimisedPageWindow) {
    CMuWnd* page = frame->PageWindow();
    page->close(); // the close box only minimises it
    Pump(10);
    ASSERT_TRUE(page->isMinimized());
    frame->ShowHint(1);
    Pump(10);
    EXPECT_FALSE(page->isMinimized());
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(page->CurrentFile(), platform::RealPath("data\\tiny_01.htf"));
}

TEST_F(WindowsTest, PrintPageTurnsHintModeOffBeforeItsDialog) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.File("page.pdf")));
    frame->PageWindow()->SetPrinterForTesting(&printer);
    frame->SetHintMode(true);
    ASSERT_TRUE(frame->HintDialog()->isVisible());
    bool hintModeDuringDialog = true, hintDialogShown = true;
    driver.Then([&](QDialog* d) {
        hintModeDuringDialog = frame->View()->hintMode;
        hintDialogShown = frame->HintDialog()->isVisible();
        d->reject();
    });
    frame->Action(resources::ID_FILE_PRINT)->trigger();
    EXPECT_EQ(driver.seen(), 1);
    EXPECT_FALSE(hintModeDuringDialog);
    EXPECT_FALSE(hintDialogShown);
    frame->PageWindow()->SetPrinterForTesting(nullptr);
}

// The fixed-scale dialogs stand where their templates put them at the dialog
// font's base units 6 x 12, as every other dialog does (the system's base
// units are 8 x 16), each edge then truncated to an even pixel. Worked by
// hand: x px = round(units * 6 / 4), y px = round(units * 12 / 8).
TEST(FixedScale, DialogsKeepTheirTemplatesPlaceAtBaseUnits8x16) {
    ASSERT_EQ(platform::BaseUnitsOf(platform::DialogFont(resources::kDlg100)).x, 6);
    ASSERT_EQ(platform::BaseUnitsOf(platform::DialogFont(resources::kDlg100)).y, 12);
    CAboutDlg about;
    CPlayer player;
    CSelectGameDlg games(&player);
    const struct {
        platform::CTemplateDialog* dlg;
        QSize size;
        int control;
        QRect place;
    } cases[] = {
        // 220 x 86 units: 330 x 129, 128 even. OK at 163, 65, 50 x 14:
        // 245..320 -> 244..320, 98..119 -> 98..118.
        {&about, {330, 128}, 1, {244, 98, 76, 20}},
        // The picture at 7, 7, 64 x 64: 11..107 -> 10..106 both ways.
        {&about, {330, 128}, 1036, {10, 10, 96, 96}},
        // 233 x 247 units: 350 x 371, 370 even. The list at 29, 81, 174 x
        // 110: 44..305 -> 44..304, 122..287 -> 122..286.
        {&games, {350, 370}, 1001, {44, 122, 260, 164}},
        // The header picture at 78, 5, 77 x 67: 117..233 -> 116..232,
        // 8..108.
        {&games, {350, 370}, 1036, {116, 8, 116, 100}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.dlg->size(), c.size) << c.control;
        ASSERT_NE(c.dlg->Control(c.control), nullptr) << c.control;
        EXPECT_EQ(c.dlg->Control(c.control)->geometry(), c.place) << c.control;
    }
    // On a system with base units 10 x 20, 40 pixels become 32.
    EXPECT_EQ(CFixedScaleDlg::ScaleRect(QRect(40, 40, 80, 40), {10, 20}).topLeft(), QPoint(32, 32));
}
