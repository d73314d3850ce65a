// The cell-hint dialog: blank on every show, a hint's name once shown, and
// every way of closing it ending hint mode.
#include "board/HintHost.h"
#include "board/qt/CellHintDlg.h"
#include "tests/support/Recorders.h"
#include "tests/support/qt/UiHelpers.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// Stands in for the main frame: records the calls and hides the dialog when
// hint mode ends, as the main frame does.
struct HostRecorder : CHintHost {
    std::vector<int> hints;
    std::vector<bool> modes;
    QWidget* dialog = nullptr;
    void ShowHint(int n) override { hints.push_back(n); }
    void SetHintMode(bool on) override {
        modes.push_back(on);
        if (dialog)
            dialog->setVisible(on);
    }
};

struct CellHintFixture : ::testing::Test {
    QWidget boardView;
    HostRecorder host;
    CCellHintDlg* dlg = new CCellHintDlg(&boardView, &host);
    CellHintFixture() {
        host.dialog = dlg;
        boardView.show();
    }
    bool Blank() const {
        return dlg->ItemText(1026).isEmpty() && !dlg->Control(1026)->isEnabled() &&
               !dlg->Control(1027)->isEnabled();
    }
};

} // namespace

// What a click on a cell shows (one hint, several, none) is GridView_test's.
TEST_F(CellHintFixture, OkEscapeAndCloseBoxAllEndHintMode) {
    auto reopenShowsBlank = [&] {
        host.SetHintMode(true);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_TRUE(Blank());
        dlg->ShowCellHint("Hint 3", 3);
        EXPECT_EQ(host.hints.back(), 3);
        EXPECT_EQ(dlg->ItemText(1026), "Hint 3");
        EXPECT_TRUE(dlg->Control(1026)->isEnabled() && dlg->Control(1027)->isEnabled());
    };

    const std::function<void()> closers[] = {
        [&] { QTest::mouseClick(dlg->Button(1), Qt::LeftButton); },
        [&] { QTest::keyClick(dlg, Qt::Key_Escape); },
        [&] { dlg->close(); },
    };
    for (const auto& close : closers) {
        reopenShowsBlank();
        close();
        EXPECT_FALSE(dlg->isVisible());
    }
    EXPECT_EQ(host.modes, (std::vector<bool>{true, false, true, false, true, false}));

    reopenShowsBlank();

    // Without a host, closing still hides.
    dlg->SetHost(nullptr);
    QTest::mouseClick(dlg->Button(1), Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
}
