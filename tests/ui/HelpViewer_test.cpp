// The help window: opening the help document at a topic by context number,
// and saying so inside the window when the document or topic is missing.
#include "platform/Help.h"
#include "platform/qt/HelpViewer.h"
#include "tests/support/Recorders.h"
#include "tests/support/qt/UiHelpers.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>
#include <gtest/gtest.h>

using namespace testing_support;
using platform::CHelpWindow;

namespace {

// A small help document: a contents topic, then topics 8 and 1001 far enough
// down that the window must scroll to show them.
std::string TestDocument() {
    std::string html = "<html><body><a name=\"0\"></a><h1>Contents</h1>";
    auto filler = [&html] {
        for (int i = 0; i < 80; ++i)
            html += "<p>Filler paragraph " + std::to_string(i) + ".</p>";
    };
    filler();
    html += "<a name=\"8\"></a><h2>Customizing the game</h2><p>Colours and sound.</p>";
    filler();
    html += "<h2><a name=\"1001\"></a>Quick Instructions</h2><p>Click cells.</p>";
    filler();
    html += "</body></html>";
    return html;
}

// The text of the first line shown at the top of the help window.
QString TopLine(CHelpWindow* w) {
    QTextBrowser* b = w->Browser();
    return b->cursorForPosition(QPoint(4, 4)).block().text();
}

struct HelpFixture : ::testing::Test {
    TempDir dir;
    ScopedDataFolder folder{dir.Path()};
    platform::HelpHandler previous;
    QWidget owner;
    QLabel* ownerLabel = new QLabel("Board", &owner);

    HelpFixture() {
        WriteBytes(dir.File("deduxa.hlp"), TestDocument());
        WriteBytes(dir.File("data/games.dat"), "x");
        previous = platform::SetHelpHandler({});
        platform::InstallHelpViewer();
        owner.resize(300, 200);
        owner.move(50, 60);
        owner.show();
        Pump();
    }
    ~HelpFixture() override { platform::SetHelpHandler(std::move(previous)); }
};

} // namespace

TEST_F(HelpFixture, OpensTheDocumentAtTheTopicWithoutDisturbingTheOwner) {
    const QRect ownerGeometry = owner.geometry();
    platform::ShowHelpTopic(8, &owner);
    Pump(20);
    CHelpWindow* w = platform::HelpWindowFor(&owner);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->parentWidget(), &owner);
    EXPECT_EQ(w->windowTitle(), "Deduxa Help");
    EXPECT_EQ(w->state(), CHelpWindow::State::Topic);
    EXPECT_EQ(w->Topic(), 8);
    EXPECT_GT(w->Browser()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(TopLine(w), "Customizing the game");
    // The owner stays where and as it was.
    EXPECT_TRUE(owner.isVisible());
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(owner.geometry(), ownerGeometry);
    EXPECT_EQ(ownerLabel->text(), "Board");

    // Later topics reuse the owner's window; topic 0 is the contents at the top.
    platform::ShowHelpTopic(1001, &owner);
    Pump(20);
    EXPECT_EQ(platform::HelpWindowFor(&owner), w);
    EXPECT_EQ(owner.findChildren<CHelpWindow*>().size(), 1);
    EXPECT_EQ(TopLine(w), "Quick Instructions");
    platform::ShowHelpTopic(0, &owner);
    Pump(20);
    EXPECT_LE(w->Browser()->verticalScrollBar()->value(), 20);
    EXPECT_EQ(TopLine(w), "Contents");
}

TEST_F(HelpFixture, TheDocumentIsFoundWhateverTheCaseOfItsNameAndAMissingOneIsSaid) {
    std::filesystem::rename(dir.File("deduxa.hlp"), dir.File("Deduxa.HLP"));
    platform::ShowHelpTopic(8, &owner);
    Pump(20);
    CHelpWindow* w = platform::HelpWindowFor(&owner);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->state(), CHelpWindow::State::Topic);
    std::filesystem::remove(dir.File("Deduxa.HLP"));
    platform::ShowHelpTopic(8, &owner);
    Pump(20);
    EXPECT_EQ(w->state(), CHelpWindow::State::MissingDocument);
    EXPECT_TRUE(
        w->Browser()->toPlainText().contains("The help file deduxa.hlp could not be found."));
    EXPECT_TRUE(owner.isVisible());
}

TEST_F(HelpFixture, ContentsBackAndLinksMoveBetweenTopics) {
    platform::ShowHelpTopic(42, &owner);
    Pump(20);
    CHelpWindow* w = platform::HelpWindowFor(&owner);
    ASSERT_NE(w, nullptr);
    // A missing topic is said inside the window, the owner undisturbed.
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->state(), CHelpWindow::State::MissingTopic);
    EXPECT_TRUE(
        w->Browser()->toPlainText().contains("Help topic 42 is not in the help file deduxa.hlp."));
    EXPECT_EQ(ownerLabel->text(), "Board");
    EXPECT_FALSE(w->BackButton()->isEnabled());
    // The missing-topic page links to the contents.
    emit w->Browser()->anchorClicked(QUrl("deduxa.hlp"));
    Pump(20);
    EXPECT_EQ(w->Topic(), 0);
    EXPECT_EQ(TopLine(w), "Contents");
    EXPECT_TRUE(w->BackButton()->isEnabled());
    // A link to another topic of the document.
    emit w->Browser()->anchorClicked(QUrl("#1001"));
    Pump(20);
    EXPECT_EQ(w->Topic(), 1001);
    EXPECT_EQ(w->state(), CHelpWindow::State::Topic);
    EXPECT_EQ(TopLine(w), "Quick Instructions");
    w->BackButton()->click();
    Pump(20);
    EXPECT_EQ(w->Topic(), 0);
    w->BackButton()->click();
    Pump(20);
    EXPECT_EQ(w->Topic(), 42);
    EXPECT_EQ(w->state(), CHelpWindow::State::MissingTopic);
    EXPECT_FALSE(w->BackButton()->isEnabled());
    w->ContentsButton()->click();
    Pump(20);
    EXPECT_EQ(TopLine(w), "Contents");
}
