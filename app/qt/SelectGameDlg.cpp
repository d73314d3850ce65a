#include "app/qt/SelectGameDlg.h"

#include "app/Texts.h"
#include "app/qt/PictureSeam.h"
#include "madegames/MadeGames.h"
#include "platform/DataPath.h"
#include "platform/FileError.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "players/Player.h"
#include "players/qt/SavedGamesDlg.h"
#include "resources/dialogs/Dlg130.h"

#include <QCheckBox>
#include <QListWidget>

namespace {
constexpr int kHelpTopic = 12;
}

CSelectGameDlg::CSelectGameDlg(CPlayer* player, QWidget* parent)
    : CFixedScaleDlg(resources::kDlg130, parent), m_player(player) {
    ReplaceControl(kPicture, shell::MakePictureControl(this));
    QListWidget* list = ListBox(kList);
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this, list] { EnableItem(kPlay, !list->selectedItems().isEmpty()); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
}

int CSelectGameDlg::exec() {
    Initialise();
    return CFixedScaleDlg::exec();
}

void CSelectGameDlg::Initialise() {
    CenterWindow();
    shell::LoadPictureControl(Control(kPicture), platform::RealPath("data\\Head.bmp"));
    QListWidget* list = ListBox(kList);
    list->clear();
    m_games = ReadGameListFile(platform::RealPath("data\\games.dat"));
    // The games made with New Random Game follow the bundled ones.
    const std::string madePath = platform::RealPath(madegames::kMadeListName);
    int madeCause = platform::causeNone;
    for (auto& game : madegames::ReadMadeList(madePath, madeCause))
        m_games.push_back(std::move(game));
    for (const auto& game : m_games)
        list->addItem(QString::fromStdString(game.title));
    EnableItem(kPlay, false);
    if (unfinishedSavedGameExists)
        EnableItem(kOpenSaved, true);
    platform::PlaySound(texts::kNewWav);
    if (madeCause != platform::causeNone)
        platform::MessageBox(platform::FileErrorText(madeCause, madePath), "",
                             platform::MB_OK | platform::MB_ICONEXCLAMATION);
    if (startupMode)
        SetItemText(kCancel, texts::kQuitGame);
    else
        showQuickInstructions = false;
    CheckBox(kQuickInstructions)->setChecked(showQuickInstructions);
    CenterWindow();
}

void CSelectGameDlg::TakeCheckBox() {
    showQuickInstructions = CheckBox(kQuickInstructions)->isChecked();
}

void CSelectGameDlg::OnCommand(int id) {
    switch (id) {
    case kOpenSaved:
        OnOpenSavedGame();
        break;
    case kCancel:
        OnCancel();
        break;
    case kHelp:
        platform::ShowHelpTopic(kHelpTopic, this);
        break;
    default:
        CFixedScaleDlg::OnCommand(id);
        break;
    }
}

void CSelectGameDlg::OnOK() {
    QListWidget* list = ListBox(kList);
    int row = list->currentRow();
    if (list->selectedItems().isEmpty() || row < 0 || row >= static_cast<int>(m_games.size()))
        return;
    chosenFileName = m_games[row].fileName;
    chosenTitle = m_games[row].title;
    if (m_player && m_player->IsUnfinishedSaved(chosenTitle) &&
        platform::MessageBox(texts::kOverwriteSaved, texts::kConfirmation, platform::MB_OKCANCEL) !=
            platform::IDOK)
        return;
    TakeCheckBox();
    done(resultPlay);
}

void CSelectGameDlg::OnOpenSavedGame() {
    CSavedGamesDlg saved(m_player, this);
    if (saved.exec() != platform::kIdOk)
        return;
    chosenTitle = saved.chosenTitle;
    chosenFileName = saved.chosenPuzzleBase;
    TakeCheckBox();
    done(resultOpenSaved);
}

void CSelectGameDlg::OnCancel() {
    if (startupMode && platform::MessageBox(texts::kQuit, texts::kConfirmation,
                                            platform::MB_YESNO) != platform::IDYES)
        return;
    done(resultCancel);
}
