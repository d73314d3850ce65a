// Pictures of the board and its dialogs for a person to look at. Runs only
// when DEDUXA_SHOTS names a folder to write them to, e.g.
//   DEDUXA_SHOTS=/tmp/shots xvfb-run -a build/tests/ui_BoardShots_test
#include "board/HintHost.h"
#include "board/qt/CellHintDlg.h"
#include "board/qt/ChildFrame.h"
#include "board/qt/DibImage.h"
#include "board/qt/GridView.h"
#include "board/qt/SettingsDlg.h"
#include "platform/Help.h"
#include "platform/qt/HelpViewer.h"
#include "puzzle/GridDoc.h"
#include "tests/support/BoardFixtures.h"
#include "tests/support/qt/UiHelpers.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QProcess>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

std::string ShotFolder() {
    const char* folder = std::getenv("DEDUXA_SHOTS");
    return folder ? std::string(folder) + "/" : std::string();
}

void Save(QWidget* w, const std::string& name) {
    Pump(50);
    QPixmap pixmap = w->grab();
    ASSERT_TRUE(pixmap.save(QString::fromStdString(ShotFolder() + name)));
}

struct NoHost : CHintHost {
    void ShowHint(int) override {}
    void SetHintMode(bool) override {}
};

} // namespace

TEST(BoardShots, BoardSettingsHelpAndCellHint) {
    if (ShotFolder().empty())
        GTEST_SKIP() << "DEDUXA_SHOTS not set";
    TempDir dir;
    ScopedDataFolder folder(dir.Path());
    InstallDibDecoder();
    CGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(TestPuzzle::WriteTo(dir.Path())));

    QMdiArea area;
    area.resize(420, 260);
    auto* frame = new CChildFrame;
    auto* view = new CGridView;
    frame->SetView(view);
    view->SetGridDocument(&doc);
    area.addSubWindow(frame);
    area.show();
    frame->show();
    frame->move(20, 10);
    frame->resize(frame->FrameSizeForPicture(doc.GetPictureSize()));
    frame->setWindowTitle("Test Puzzle");
    view->OnInitialUpdate();
    Pump(20);
    // Marks of all three kinds, a highlighted hint and the crosses.
    auto click = [&](int column, int row, int times) {
        for (int i = 0; i < times; ++i)
            view->OnLButtonDown(QPoint(100 + column * 15 + 5, 50 + row * 15 + 5));
    };
    click(0, 0, 2);
    click(1, 0, 1);
    click(2, 1, 2);
    click(3, 1, 1);
    click(5, 2, 3);
    click(4, 3, 2);
    doc.SetHighlightedHint(3);
    view->solutionShown = true;
    view->OnInitialUpdate();
    Save(&area, "board.png");
    view->viewport()->grab().save(QString::fromStdString(ShotFolder() + "board-view.png"));

    CSettingsDlg settings;
    settings.sound = true;
    settings.SetColors(view->Colors());
    settings.show();
    Save(&settings, "settings.png");

    NoHost host;
    CCellHintDlg* hint = view->CreateHintDialog(&host);
    hint->show();
    view->hintMode = true;
    click(2, 1, 1);
    Save(hint, "cellhint.png");

    WriteBytes(dir.File("deduxa.hlp"),
               "<html><body><a name=\"0\"></a><h1>Deduxa Help</h1><p>Contents.</p>"
               "<p>x</p><p>x</p><p>x</p><p>x</p><p>x</p><p>x</p><p>x</p><p>x</p><p>x</p>"
               "<a name=\"8\"></a><h2>Customizing the game</h2><p>Choose the colours of the "
               "squares you mark true and false and of the hint's squares, and whether the game "
               "plays its sounds.</p>"
               "<p>x</p><p>x</p><p>x</p><p>x</p><p>x</p><p>x</p><p>x</p><p>x</p><p>x</p>"
               "<p>x</p><p>x</p><p>x</p><p>x</p><p>x</p><p>x</p><p>x</p><p>x</p><p>x</p>"
               "</body></html>");
    platform::InstallHelpViewer();
    platform::ShowHelpTopic(8, &settings);
    Save(platform::HelpWindowFor(&settings), "help.png");
    platform::ShowHelpTopic(77, &settings);
    Save(platform::HelpWindowFor(&settings), "help-missing.png");

    // Everything at once on the screen, when there is a real one (xvfb-run).
    if (QGuiApplication::platformName() == "xcb") {
        platform::ShowHelpTopic(8, &settings);
        area.move(0, 0);
        settings.move(440, 0);
        hint->move(440, 220);
        platform::HelpWindowFor(&settings)->setGeometry(0, 300, 520, 300);
        Pump(300);
        QProcess::execute("import",
                          {"-window", "root", QString::fromStdString(ShotFolder() + "screen.png")});
    }
}
