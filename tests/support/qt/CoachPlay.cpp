#include "tests/support/qt/CoachPlay.h"

#include "app/qt/CoachDlg.h"
#include "app/qt/CongratsDlg.h"
#include "resources/Menu.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace testing_support {

CoachPlay PlayByCoach(CMainFrame& frame, ModalDriver& driver, int maxUses,
                      const std::function<void(CCoachDlg&)>& onCoach,
                      const std::function<bool()>& afterUse) {
    CoachPlay play;
    QAction* explain = frame.Action(resources::ID_EXPLAIN_NEXT_STEP);
    while (!play.congratulated && play.uses < maxUses) {
        driver.Then([&](QDialog* d) {
            if (auto* congrats = dynamic_cast<CCongratsDlg*>(d)) {
                play.congratulated = true;
                congrats->reject();
                return;
            }
            auto* coach = dynamic_cast<CCoachDlg*>(d);
            ASSERT_NE(coach, nullptr);
            ASSERT_NE(coach->ActionButton(), nullptr) << coach->TextLabel()->text().toStdString();
            if (onCoach)
                onCoach(*coach);
            coach->ActionButton()->click();
        });
        ++play.uses;
        explain->trigger();
        if (afterUse && !afterUse())
            break;
    }
    return play;
}

} // namespace testing_support
