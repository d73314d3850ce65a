#include "platform/Sound.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/TemplateDialog.h"
#include "tests/support/qt/UiHelpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
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

TEST(TemplateDialog, BuildsTheControlsTheTemplateDescribes) {
    CTemplateDialog dlg(SampleTemplate());
    EXPECT_EQ(dlg.windowTitle(), "Sample");
    // Laid out in dialog units: the buttons of one width, one above the other.
    EXPECT_EQ(dlg.Control(1)->width(), dlg.Control(2)->width());
    EXPECT_EQ(dlg.Control(1)->x(), dlg.Control(2)->x());
    EXPECT_LT(dlg.Control(1)->geometry().bottom(), dlg.Control(2)->y());
    EXPECT_GT(dlg.width(), dlg.Control(1)->geometry().right());
    EXPECT_TRUE(dlg.Button(1)->isDefault());
    EXPECT_NE(dlg.Edit(1001), nullptr);
    EXPECT_EQ(dlg.ListBox(1002)->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(dlg.ListBox(1002)->isSortingEnabled());
    EXPECT_FALSE(dlg.CheckBox(1003)->isEnabled());
    EXPECT_TRUE(dlg.Button(1004)->isHidden());
    EXPECT_EQ(dlg.Label(1000)->buddy(), dlg.Edit(1001));
    EXPECT_EQ(dlg.Control(4242), nullptr);
    EXPECT_EQ(dlg.ItemText(1003), "Play Sounds");

    // ReplaceControl is checked with the picture controls that use it.
}

TEST(TemplateDialog, EnterEscapeAndButtonsEndTheDialogWithTheirNumbers) {
    testing_support::ModalDriver driver;
    Probe dlg(SampleTemplate());
    driver.Then([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_EQ(dlg.exec(), 2);
    driver.Then([&](QDialog*) {
        QTest::keyClicks(dlg.Edit(1001), "John");
        QTest::keyClick(dlg.Edit(1001), Qt::Key_Return);
    });
    EXPECT_EQ(dlg.exec(), 1);
    EXPECT_EQ(dlg.ItemText(1001), "John");
    EXPECT_EQ(dlg.commands, std::vector<int>{1}); // Escape is no command

    dlg.Button(1004)->show();
    driver.Then([&](QDialog*) { QTest::mouseClick(dlg.Button(1004), Qt::LeftButton); });
    EXPECT_EQ(dlg.exec(), 1038);
    driver.Then([&](QDialog*) { QTest::mouseClick(dlg.Button(2), Qt::LeftButton); });
    EXPECT_EQ(dlg.exec(), 2);
    EXPECT_EQ(driver.seen(), 4);
}

TEST(TemplateDialog, BaseUnitsAreKeptFromRunToRunAndPutRightOnceTheWindowIsUp) {
    const QFont font("Liberation Sans", 13);
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Deduxa", "Deduxa");
    store.beginGroup("Measured/BaseUnits");
    const QStringList before = store.childKeys();
    const BaseUnits measured = BaseUnitsOf(font);
    QStringList added = store.childKeys();
    for (const QString& key : before)
        added.removeAll(key);
    ASSERT_EQ(added.size(), 1);
    const QString key = added.front();
    EXPECT_EQ(store.value(key).toString(), QString("%1 %2").arg(measured.x).arg(measured.y));

    // A later run takes the kept units as they stand, and measures again once
    // its first window is up: fonts changed since are put right.
    store.setValue(key, "9 20");
    ForgetMeasuredBaseUnits();
    EXPECT_EQ(BaseUnitsOf(font).x, 9);
    EXPECT_EQ(BaseUnitsOf(font).y, 20);
    RemeasureKeptBaseUnits();
    EXPECT_EQ(BaseUnitsOf(font).x, measured.x);
    EXPECT_EQ(store.value(key).toString(), QString("%1 %2").arg(measured.x).arg(measured.y));

    // Units no font could give are not taken.
    for (const char* damaged : {"0 500", "9", "nine twenty"}) {
        store.setValue(key, damaged);
        ForgetMeasuredBaseUnits();
        EXPECT_EQ(BaseUnitsOf(font).y, measured.y) << damaged;
    }
}
