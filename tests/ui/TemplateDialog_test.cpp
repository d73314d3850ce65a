#include "platform/DialogUnits.h"
#include "platform/Sound.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/TemplateDialog.h"
#include "tests/support/qt/UiHelpers.h"

#include <QAudioDevice>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMediaDevices>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

DialogTemplate SampleTemplate() {
    DialogTemplate t;
    t.id = 999;
    t.caption = "Sample";
    t.cx = 200;
    t.cy = 100;
    t.controls = {
        {1, ControlKind::PushButton, "OK", 140, 10, 50, 14, styleDefault},
        {2, ControlKind::PushButton, "Cancel", 140, 30, 50, 14, styleNone},
        {1000, ControlKind::Static, "&Name:", 10, 10, 40, 8, styleNone},
        {1001, ControlKind::Edit, "", 10, 20, 100, 12, styleNone},
        {1002, ControlKind::ListBox, "", 10, 40, 100, 50, styleSorted | styleExtendedSel},
        {1003, ControlKind::CheckBox, "Play Sounds", 140, 60, 50, 10, styleDisabled},
        {1004, ControlKind::PushButton, "Hidden", 140, 80, 50, 14, styleHidden},
    };
    return t;
}

class Probe : public CTemplateDialog {
public:
    using CTemplateDialog::CTemplateDialog;
    std::vector<int> commands;

protected:
    void OnCommand(int id) override {
        commands.push_back(id);
        if (id == 1004)
            done(1038);
        else
            CTemplateDialog::OnCommand(id);
    }
};

} // namespace

TEST(TemplateDialog, BuildsControlsAtTheirPixelRectangles) {
    CTemplateDialog dlg(SampleTemplate());
    BaseUnits u = dlg.Units();
    ASSERT_GT(u.x, 0);
    ASSERT_GT(u.y, 0);
    EXPECT_EQ(dlg.windowTitle(), "Sample");
    EXPECT_EQ(dlg.size(), QSize(DluToPixelsX(200, u.x), DluToPixelsY(100, u.y)));
    for (const auto& c : SampleTemplate().controls) {
        QWidget* w = dlg.Control(c.id);
        ASSERT_NE(w, nullptr) << c.id;
        QRect expected(DluToPixelsX(c.x, u.x), DluToPixelsY(c.y, u.y),
                       DluToPixelsX(c.x + c.cx, u.x) - DluToPixelsX(c.x, u.x),
                       DluToPixelsY(c.y + c.cy, u.y) - DluToPixelsY(c.y, u.y));
        EXPECT_EQ(w->geometry(), expected) << c.id;
    }
    EXPECT_NE(dlg.Button(1), nullptr);
    EXPECT_TRUE(dlg.Button(1)->isDefault());
    EXPECT_NE(dlg.Edit(1001), nullptr);
    EXPECT_EQ(dlg.ListBox(1002)->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(dlg.ListBox(1002)->isSortingEnabled());
    EXPECT_FALSE(dlg.CheckBox(1003)->isEnabled());
    EXPECT_TRUE(dlg.Button(1004)->isHidden());
    EXPECT_EQ(dlg.Label(1000)->buddy(), dlg.Edit(1001));
    EXPECT_EQ(dlg.Control(4242), nullptr);
    EXPECT_EQ(dlg.ItemText(1003), "Play Sounds");
}

TEST(TemplateDialog, EscapeCancelsEnterPressesTheDefaultButton) {
    testing_support::ModalDriver driver;
    {
        Probe dlg(SampleTemplate());
        driver.Then([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        EXPECT_EQ(dlg.exec(), 2);
    }
}

TEST(TemplateDialog, ButtonsEndTheDialogWithTheirNumbers) {
    testing_support::ModalDriver driver;
    Probe dlg(SampleTemplate());
    driver.Then([&](QDialog*) {
        QTest::keyClicks(dlg.Edit(1001), "John");
        QTest::keyClick(dlg.Edit(1001), Qt::Key_Return);
    });
    EXPECT_EQ(dlg.exec(), 1);
    EXPECT_EQ(dlg.ItemText(1001), "John");
    EXPECT_EQ(dlg.commands, std::vector<int>{1});

    dlg.Button(1004)->show();
    driver.Then([&](QDialog*) { QTest::mouseClick(dlg.Button(1004), Qt::LeftButton); });
    EXPECT_EQ(dlg.exec(), 1038);
    driver.Then([&](QDialog*) { QTest::mouseClick(dlg.Button(2), Qt::LeftButton); });
    EXPECT_EQ(dlg.exec(), 2);
    EXPECT_EQ(driver.seen(), 3);
}

TEST(TemplateDialog, ReplaceControlKeepsPlaceAndId) {
    CTemplateDialog dlg(SampleTemplate());
    QRect where = dlg.Control(1002)->geometry();
    auto* replacement = new QLabel("picture");
    dlg.ReplaceControl(1002, replacement);
    EXPECT_EQ(dlg.Control(1002), replacement);
    EXPECT_EQ(replacement->geometry(), where);
    EXPECT_EQ(replacement->parentWidget(), &dlg);
}

TEST(QtSound, WithoutAnAudioDeviceIsSilentAndQuick) {
    SetSoundOn(true);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 20; ++i)
        CQtSound::Instance().Play("data\\missing.wav");
    // Nothing to assert about audio itself here: the machine has no device, so
    // the sound system must have noticed and stayed silent.
    EXPECT_EQ(CQtSound::Instance().Silent(), QMediaDevices::audioOutputs().isEmpty());
    EXPECT_LT(timer.elapsed(), 5000);
    SetSoundOn(false);
}
