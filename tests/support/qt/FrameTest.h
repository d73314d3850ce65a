// A main frame over a data folder of the test's own, with a player and the
// hubs recorded; the frame is closed (answering Yes) when the test ends.
#pragma once

#include "app/qt/MainFrame.h"
#include "platform/DataPath.h"
#include "players/Player.h"
#include "tests/support/Recorders.h"
#include "tests/support/ShellFixtures.h"
#include "tests/support/qt/UiHelpers.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace testing_support {

class FrameTest : public ::testing::Test {
protected:
    // prepare fills the folder before it becomes the data folder.
    explicit FrameTest(const std::function<void(const TempDir&)>& prepare,
                       const std::string& playerName = "Joan")
        : folder((prepare(dir), dir.Path())) {
        platform::EnsureFolder("players\\");
        platform::EnsureFolder("games\\");
        player.MakeFileName(playerName, dir.Path() + "players/");
    }
    ~FrameTest() override {
        boxes.Answer(platform::IDYES);
        if (frame)
            frame->close();
    }
    void OpenFrame() {
        frame = std::make_unique<CMainFrame>(player);
        frame->CreateGameWindows();
    }
    // Starts a game of the data folder as the game selection would.
    void Start(const std::string& title, const std::string& file) {
        frame->gameTitle = title;
        frame->gameFileName = file;
        ASSERT_TRUE(frame->StartGame(file));
        frame->BeginGameRecord(true);
    }
    // The shell fixtures' "Tiny Farm".
    void StartTiny() {
        Start("Tiny Farm", "tiny");
        frame->SetFrameTitle("Tiny Farm");
    }

    TempDir dir;
    ScopedDataFolder folder;
    MessageRecorder boxes;
    SoundRecorder sounds{true};
    HelpRecorder help;
    ModalDriver driver;
    CPlayer player;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace testing_support
