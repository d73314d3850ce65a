#include "platform/TextFile.h"
#include "reward/Texts.h"
#include "reward/qt/HighScoresDlg.h"
#include "tests/support/Recorders.h"
#include "tests/support/qt/UiHelpers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

using testing_support::ModalDriver;
using testing_support::ReadBytes;
using testing_support::ScopedDataFolder;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

struct Fixture {
    TempDir dir;
    ScopedDataFolder data{dir.Path()};
    Fixture() { std::filesystem::create_directory(dir.File("ants")); }
    std::string Scores() const { return dir.File("ants/scores.dat"); }
};

} // namespace

// The table's order is ScoreTable_test's; the table after a game, written on
// OK, AntsDlg_test's.
TEST(HighScoresDlg, AFullTableTheEntryDoesNotReachOrAFullDiskKeepTheOldFileSilently) {
    Fixture f;
    testing_support::MessageRecorder boxes;
    std::string full = "10\r\n";
    for (int i = 0; i < 10; ++i)
        full += std::to_string(30 - i) + "\tP" + std::to_string(i) + "\r\n";
    for (bool diskFull : {false, true}) {
        const std::string before = diskFull ? "10\r\n20\tAnna\r\n" : full;
        WriteBytes(f.Scores(), before);
        ModalDriver driver;
        int rows = 0;
        driver.Then([&](QDialog* d) {
            rows = static_cast<CHighScoresDlg*>(d)->ListBox(1052)->count();
            if (diskFull)
                platform::CTextFile::FailNextWrite(13);
            d->accept();
        });
        CHighScoresDlg dlg;
        dlg.Run(diskFull ? "30\tKim" : "00\tKim", "You caught 30 ants!");
        EXPECT_EQ(rows, diskFull ? 2 : 10);
        EXPECT_EQ(ReadBytes(f.Scores()), before);
    }
    EXPECT_EQ(boxes.count(), 0u);
}

TEST(HighScoresDlg, TabsLineTheNamesUp) {
    Fixture f;
    WriteBytes(f.Scores(), "10\r\n100\tAnna\r\n05\tAmy\r\n");
    ModalDriver driver;
    QImage image;
    QRect first, second;
    driver.Then([&](QDialog* d) {
        auto* dlg = static_cast<CHighScoresDlg*>(d);
        QListWidget* list = dlg->ListBox(1052);
        testing_support::Pump(50);
        image = list->viewport()->grab().toImage();
        first = list->visualItemRect(list->item(0));
        second = list->visualItemRect(list->item(2));
        d->accept();
    });
    CHighScoresDlg dlg;
    dlg.Run("07\tAbe", "You caught 7 ants!");
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), dlg.ListBox(1052)->viewport()->size());
    // The first dark pixel after the gap behind the count starts the name;
    // it is at the same x in every row whatever the count's width.
    auto nameStart = [&](const QRect& row) {
        for (int x = row.left() + 4 * dlg.Units().x; x < row.right(); ++x)
            for (int y = row.top(); y <= row.bottom(); ++y)
                if (qGray(image.pixel(x, y)) < 128)
                    return x;
        return -1;
    };
    const int a = nameStart(first), b = nameStart(second);
    EXPECT_GT(a, 0);
    EXPECT_EQ(a, b);
    // At the list box's standard tab stop, 32 dialog units from the text's start.
    const int stop = 32 * dlg.Units().x / 4;
    EXPECT_GE(a, first.left() + stop);
    EXPECT_LE(a, first.left() + stop + 8);
}
