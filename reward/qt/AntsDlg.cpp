#include "reward/qt/AntsDlg.h"

#include "board/Texts.h"
#include "board/qt/DibStatic.h"
#include "board/qt/PaletteStatic.h"
#include "platform/DataPath.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "resources/dialogs/Dlg143.h"
#include "reward/AntsData.h"
#include "reward/Texts.h"
#include "reward/qt/HighScoresDlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
constexpr int kFieldId = 1050;
constexpr int kFirstAntId = 1051;
constexpr int kTimeId = 1048;
constexpr int kCaughtId = 1049;
} // namespace

CAntsDlg::CAntsDlg(QWidget* parent) : CTemplateDialog(kDlg143, parent) {
    m_field = new CPaletteStatic(this);
    ReplaceControl(kFieldId, m_field);
    for (int i = 0; i < reward::kAntCount; ++i) {
        m_ants[i] = new CDibStatic(this);
        ReplaceControl(kFirstAntId + i, m_ants[i]);
    }
    // Clicks on the pictures belong to the dialog, which tests the ants' boxes.
    m_field->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (CDibStatic* ant : m_ants)
        ant->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setInterval(reward::kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &CAntsDlg::OnTimer);
}

CAntsDlg::~CAntsDlg() {
    m_timer.stop();
}

int CAntsDlg::Run(int score, const std::string& playerName) {
    m_game.Start(score, playerName);
    UpdateData();
    if (!OnInitDialog())
        return platform::kIdCancel;
    return exec();
}

bool CAntsDlg::OnInitDialog() {
    setFixedSize(reward::kDialogWidth, reward::kDialogHeight);
    m_field->resize(reward::kFieldWidth, reward::kFieldHeight);

    CAntsData data;
    if (!data.Read(platform::RealPath(reward::kAntsDataFile))) {
        platform::MessageBox(reward::kDataFileError, reward::kFileErrorCaption, platform::MB_OK);
        return false;
    }

    if (CAntsData::IsPictureName(data.background))
        m_field->LoadPicture(CAntsData::BackgroundFile(data.background));
    else
        platform::MessageBox(board_texts::kErrorReadingDib);

    const QPoint fieldOrigin = m_field->pos();
    for (int i = 0; i < reward::kAntCount; ++i) {
        const AntPlacement& place = data.ants[i];
        reward::AntRect box = place.Box();
        box.left += fieldOrigin.x();
        box.right += fieldOrigin.x();
        box.top += fieldOrigin.y();
        box.bottom += fieldOrigin.y();
        if (place.Box().IsEmpty())
            box = {};
        m_boxes[i] = box;
        m_ants[i]->box = AntBox(i);
        m_ants[i]->setGeometry(m_ants[i]->box);
        if (CAntsData::IsPictureName(place.name)) {
            m_ants[i]->LoadPicture(m_field->GetPalette(), CAntsData::FrameStem(place.name),
                                   box.Width(), box.Height());
        } else {
            for (int frame = 0; frame < 4; ++frame)
                platform::MessageBox(board_texts::kErrorReadingDib);
        }
    }

    platform::PlaySound(reward::kStartSound);
    m_timer.start();
    return true;
}

QRect CAntsDlg::AntBox(int index) const {
    const reward::AntRect& b = m_boxes[index];
    return QRect(b.left, b.top, b.Width(), b.Height());
}

void CAntsDlg::UpdateData() {
    SetItemText(kTimeId, QString::fromStdString(m_game.TimeText()));
    SetItemText(kCaughtId, QString::fromStdString(m_game.CaughtText()));
}

void CAntsDlg::OnTimer() {
    switch (m_game.BeginTick()) {
    case CAntsGame::TickStep::Wait:
        return;
    case CAntsGame::TickStep::ShowIntro:
        // The box is opened once this tick is over, so that the timer keeps
        // ticking while it is open; those ticks wait for it to close.
        QMetaObject::invokeMethod(this, &CAntsDlg::ShowIntro, Qt::QueuedConnection);
        return;
    case CAntsGame::TickStep::Run:
        break;
    }
    for (CDibStatic* ant : m_ants)
        ant->Tick();
    if (m_game.CountDown()) {
        EndGame();
        done(platform::kIdCancel);
        return;
    }
    UpdateData();
}

void CAntsDlg::ShowIntro() {
    if (m_game.Ended() || !isVisible())
        return;
    platform::MessageBox(m_game.IntroText(), reward::kIntroCaption, platform::MB_OK);
    m_game.IntroClosed();
}

void CAntsDlg::OnClick(const QPoint& point) {
    std::vector<reward::AntView> views;
    for (int i = 0; i < reward::kAntCount; ++i)
        views.push_back({m_boxes[i], m_ants[i]->Frame()});
    const std::vector<int> hit = reward::AntsHitAt(views, point.x(), point.y());
    for (int i : hit) {
        m_game.Catch();
        UpdateData();
        platform::PlaySound(reward::kGotchaSound);
        m_ants[i]->Hit();
    }
    if (hit.empty())
        platform::PlaySound(reward::kShoopSound);
}

void CAntsDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OnClick(event->position().toPoint());
        event->accept();
        return;
    }
    CTemplateDialog::mousePressEvent(event);
}

void CAntsDlg::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            OnOK();
            return;
        }
    }
    CTemplateDialog::keyPressEvent(event);
}

void CAntsDlg::OnOK() {
    done(platform::kIdOk);
}

void CAntsDlg::closeEvent(QCloseEvent* event) {
    if (isVisible() && !m_game.Ended()) {
        EndGame();
        done(platform::kIdCancel);
    }
    event->accept();
}

void CAntsDlg::EndGame() {
    if (!m_game.End())
        return;
    m_timer.stop();
    platform::PlaySound(reward::kEndSound);
    const std::string message = m_game.EndMessage();
    CHighScoresDlg table(this);
    table.Run(m_game.TableEntry(), message);
}

void CAntsDlg::done(int result) {
    m_timer.stop();
    CTemplateDialog::done(result);
}
