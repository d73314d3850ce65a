#include "app/qt/CongratsDlg.h"

#include "app/GameFlow.h"
#include "app/qt/RewardLink.h"
#include "resources/dialogs/Dlg139.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

CCongratsDlg::CCongratsDlg(QWidget* parent) : CTemplateDialog(resources::kDlg139, parent) {
    QLabel* scoreLabel = Label(kScoreText);
    QPalette pal = scoreLabel->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0, 0, 255));
    scoreLabel->setPalette(pal);
    scoreLabel->setAutoFillBackground(false);

    auto* icon = new QLabel(this);
    const int side = Control(resources::kCongratsIconId)->width();
    // The game's own icon; the toolkit's information sign only without it.
    const QIcon own = QApplication::windowIcon();
    icon->setPixmap((own.availableSizes().isEmpty()
                         ? style()->standardIcon(QStyle::SP_MessageBoxInformation)
                         : own)
                        .pixmap(side, side));
    ReplaceControl(resources::kCongratsIconId, icon);
    Button(kRewardButton)->setFocus();
}

void CCongratsDlg::SetScore(int value) {
    score = value;
    scoreText = gameflow::ScoreText(value);
    SetItemText(kScoreText, QString::fromStdString(scoreText));
}

int CCongratsDlg::Run(const std::string& name) {
    playerName = name;
    return exec();
}

void CCongratsDlg::showEvent(QShowEvent* event) {
    CTemplateDialog::showEvent(event);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void CCongratsDlg::OnCommand(int id) {
    if (id == kRewardButton) {
        shell::RunRewardGame(score, playerName, this);
        EnableItem(kRewardButton, false);
        EnableItem(kExplainText, false);
        return;
    }
    if (id == kQuitButton) {
        done(gameflow::congratsQuit);
        return;
    }
    CTemplateDialog::OnCommand(id);
}

void CCongratsDlg::OnCancel() {
    done(gameflow::CongratsCancelResult(Button(kRewardButton)->isEnabled()));
}
