// The two roster dialogs: select player and delete players.
#include "platform/FileError.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "players/Player.h"
#include "players/Roster.h"
#include "players/Texts.h"
#include "players/qt/DeletePlayersDlg.h"
#include "players/qt/DialogTexts.h"
#include "players/qt/KeyedListBox.h"
#include "players/qt/PlayerStatsDlg.h"
#include "players/qt/SelectPlayerDlg.h"
#include "resources/dialogs/Dlg136.h"
#include "resources/dialogs/Dlg142.h"

#include <QEvent>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

using platform::MessageBox;

namespace {

// Reads the roster into list, leaving out the player whose file name is
// skipFileName (when given). A missing roster is created empty.
void FillFromRoster(CKeyedListBox* list, const std::string* skipFileName) {
    const std::string path = players::RosterPath();
    std::vector<players::RosterEntry> entries;
    int cause = 0;
    if (!players::ReadRoster(path, entries, &cause) && entries.empty()) {
        if (players::CreateRoster(path) != 0)
            MessageBox(players::kReinstall, players::kReinstallCaption, platform::MB_OK);
    }
    for (const auto& e : entries) {
        if (skipFileName && e.fileName == *skipFileName)
            continue;
        list->AddItem(e.name, e.fileName);
    }
}

// A name is one line of the roster: control characters (line breaks, tabs and
// the like, which a paste brings along) are taken out as the text comes in.
class CNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            const QChar c = input.at(i);
            if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                c == QChar::ParagraphSeparator) {
                input.remove(i, 1);
                if (i < pos)
                    --pos;
            }
        }
        return Acceptable;
    }
};

} // namespace

// ---------------------------------------------------------------------------
// Select player

CSelectPlayerDlg::CSelectPlayerDlg(CPlayer& current, bool startupMode, bool viewOnlyMode,
                                   QWidget* parent)
    : CTemplateDialog(resources::kDlg136, parent), startup(startupMode), viewOnly(viewOnlyMode),
      m_current(current) {
    m_list = new CKeyedListBox(true, false);
    ReplaceControl(kList, m_list);
    FillFromRoster(m_list, nullptr);
    if (startup)
        SetItemText(platform::kIdCancel, players::kQuitGameButton);
    if (viewOnly)
        SetItemText(platform::kIdOk, players::kDoneButton);
    QLineEdit* edit = Edit(kNameEdit);
    edit->setMaxLength(players::kMaxNameLength);
    edit->setValidator(new CNameValidator(edit));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this] { OnNameChange(); });
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_selecting)
            OnSelectionChange();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
    edit->setFocus();
}

void CSelectPlayerDlg::SelectRow(int row) {
    m_selecting = true;
    if (row < 0) {
        m_list->clearSelection();
        m_list->setCurrentRow(-1);
    } else {
        m_list->setCurrentRow(row);
    }
    m_selecting = false;
}

void CSelectPlayerDlg::OnNameChange() {
    const std::string text = ItemText(kNameEdit).toStdString();
    if (text.empty()) {
        EnableItem(platform::kIdOk, false);
        EnableItem(kStatistics, false);
        return;
    }
    int row = m_list->FindText(text, false);
    if (row >= 0)
        SelectRow(row);
    EnableItem(platform::kIdOk, true);
}

void CSelectPlayerDlg::OnNameKillFocus() {
    const std::string text = ItemText(kNameEdit).toStdString();
    if (text.empty()) {
        SelectRow(-1);
        return;
    }
    SelectRow(m_list->FindText(text, true));
}

void CSelectPlayerDlg::OnSelectionChange() {
    auto items = m_list->selectedItems();
    if (!items.isEmpty()) {
        QLineEdit* edit = Edit(kNameEdit);
        const QString text = items.front()->text();
        if (edit->text() != text) {
            m_selecting = true;
            edit->setText(text);
            m_selecting = false;
        }
        EnableItem(platform::kIdOk, true);
        EnableItem(kStatistics, true);
    } else {
        EnableItem(platform::kIdOk, false);
        EnableItem(kStatistics, false);
    }
}

bool CSelectPlayerDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit(kNameEdit) && event->type() == QEvent::FocusOut)
        OnNameKillFocus();
    return CTemplateDialog::eventFilter(watched, event);
}

void CSelectPlayerDlg::OnCommand(int id) {
    if (id == kStatistics)
        OnStatistics();
    else
        CTemplateDialog::OnCommand(id);
}

void CSelectPlayerDlg::OnOK() {
    if (viewOnly) {
        done(platform::kIdOk);
        return;
    }
    const std::string folder = players::PlayersFolder();
    auto selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        if (MessageBox(players::kAddNewPlayer, players::kConfirmationCaption, platform::MB_YESNO) !=
            platform::IDYES)
            return;
        const std::string name = ItemText(kNameEdit).toStdString();
        if (name.empty())
            return;
        // Reserve the file on a scratch record first, so that the current
        // player stays untouched when no free name is left.
        CPlayer fresh;
        if (!fresh.MakeFileName(name, folder)) {
            MessageBox(players::kNoFileForPlayer, "", platform::MB_OK);
            return;
        }
        m_current.Clear();
        m_current.name = fresh.name;
        m_current.fileName = fresh.fileName;
        m_current.Save(folder);
        if (players::AppendRosterEntry(players::RosterPath(),
                                       {m_current.name, m_current.fileName}) != 0)
            MessageBox(players::kUnableToOpenData, players::kUnableToOpenDataCaption,
                       platform::MB_OK);
        done(platform::kIdOk);
        return;
    }
    std::string text, key;
    m_list->GetItem(m_list->row(selected.front()), text, key);
    m_current.name = text;
    m_current.fileName = key;
    m_current.Clear();
    m_current.Load(folder);
    done(platform::kIdOk);
}

void CSelectPlayerDlg::OnCancel() {
    if (startup && MessageBox(players::kQuitQuestion, players::kConfirmationCaption,
                              platform::MB_YESNO) != platform::IDYES)
        return;
    done(platform::kIdCancel);
}

void CSelectPlayerDlg::OnStatistics() {
    auto selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    CPlayer other;
    std::string text, key;
    m_list->GetItem(m_list->row(selected.front()), text, key);
    other.name = text;
    other.fileName = key;
    other.Load(players::PlayersFolder());
    CPlayerStatsDlg stats(&other, this);
    stats.exec();
}

// ---------------------------------------------------------------------------
// Delete players

CDeletePlayersDlg::CDeletePlayersDlg(const std::string& currentName,
                                     const std::string& currentFileName, QWidget* parent)
    : CTemplateDialog(resources::kDlg142, parent), m_currentName(currentName),
      m_currentFileName(currentFileName) {
    m_list = new CKeyedListBox(true, true);
    ReplaceControl(kList, m_list);
    FillFromRoster(m_list, &m_currentFileName);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { EnableItem(platform::kIdOk, !m_list->selectedItems().isEmpty()); });
}

void CDeletePlayersDlg::OnCommand(int id) {
    if (id == 9)
        platform::ShowHelpTopic(players::kHelpDeletePlayers, this);
    else
        CTemplateDialog::OnCommand(id);
}

void CDeletePlayersDlg::OnOK() {
    std::vector<int> rows;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->isSelected() && m_list->HasKey(i))
            rows.push_back(i);
    if (rows.empty())
        return;
    if (MessageBox(players::kDeleteQuestion, players::kConfirmationCaption, platform::MB_YESNO) !=
        platform::IDYES)
        return;
    if (rows.size() > static_cast<size_t>(players::kMaxDeleted))
        rows.resize(players::kMaxDeleted);
    const std::string playersFolder = players::PlayersFolder();
    const std::string gamesFolder = players::GamesFolder();
    for (int row : rows) {
        std::string text, key;
        m_list->GetItem(row, text, key);
        std::string failedPath;
        int cause = players::DeletePlayerFiles(playersFolder, gamesFolder, key, &failedPath);
        if (cause != 0) {
            // Files deleted so far stay deleted; the roster is not rewritten.
            MessageBox(platform::FileErrorText(cause, failedPath), players::kReinstallCaption,
                       platform::MB_OK);
            return;
        }
        m_list->ClearKey(row);
    }
    std::vector<players::RosterEntry> roster = {{m_currentName, m_currentFileName}};
    for (int i = 0; i < m_list->count(); ++i) {
        std::string text, key;
        if (m_list->GetItem(i, text, key))
            roster.push_back({text, key});
    }
    if (players::RewriteRoster(players::RosterPath(), roster) != 0)
        MessageBox(players::kReinstall, players::kReinstallCaption, platform::MB_OK);
    done(platform::kIdOk);
}
