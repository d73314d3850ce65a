#include "players/qt/SavedGamesDlg.h"

#include "platform/Help.h"
#include "players/Player.h"
#include "players/qt/DialogTexts.h"
#include "players/qt/KeyedListBox.h"
#include "resources/dialogs/Dlg138.h"

CSavedGamesDlg::CSavedGamesDlg(const CPlayer* player, QWidget* parent)
    : CTemplateDialog(resources::kDlg138, parent) {
    m_list = new CKeyedListBox(true, false);
    ReplaceControl(1031, m_list);
    if (player) {
        for (const auto& game : player->savedGames)
            if (!game->finished)
                m_list->AddItem(game->title, game->puzzleBase);
    }
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { EnableItem(platform::kIdOk, !m_list->selectedItems().isEmpty()); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
}

void CSavedGamesDlg::OnCommand(int id) {
    if (id == 9) {
        platform::ShowHelpTopic(players::kHelpSavedGames, this);
        return;
    }
    CTemplateDialog::OnCommand(id);
}

void CSavedGamesDlg::OnOK() {
    int index = m_list->currentRow();
    if (m_list->selectedItems().isEmpty() || index < 0)
        return;
    std::string text, key;
    m_list->GetItem(index, text, key);
    chosenTitle = text;
    chosenPuzzleBase = key;
    done(platform::kIdOk);
}
