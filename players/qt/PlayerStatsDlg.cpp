#include "players/qt/PlayerStatsDlg.h"

#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "players/GameStats.h"
#include "players/Player.h"
#include "players/Roster.h"
#include "players/Texts.h"
#include "players/qt/DialogTexts.h"

#include "resources/dialogs/Dlg137.h"

#include <QListWidget>
#include <QPlainTextEdit>

namespace {
constexpr int kRecordRole = Qt::UserRole + 2;

class CCaseInsensitiveItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override {
        int c = text().compare(other.text(), Qt::CaseInsensitive);
        return c != 0 ? c < 0 : text() < other.text();
    }
};
} // namespace

CPlayerStatsDlg::CPlayerStatsDlg(const CPlayer* player, QWidget* parent)
    : CTemplateDialog(resources::kDlg137, parent), m_player(player) {
    QListWidget* list = ListBox(kGameList);
    if (m_player) {
        for (const auto& record : m_player->stats) {
            auto* item = new CCaseInsensitiveItem(QString::fromStdString(record->title));
            item->setData(kRecordRole,
                          QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(record.get())));
            list->addItem(item);
        }
    }
    connect(list, &QListWidget::itemSelectionChanged, this, [this] { OnSelectionChange(); });
}

int CPlayerStatsDlg::exec() {
    if (!m_player) {
        platform::MessageBox(players::kNoValidPlayer, players::kErrorCaption, platform::MB_OK);
        return platform::kIdCancel;
    }
    return CTemplateDialog::exec();
}

const CGameStats* CPlayerStatsDlg::Selected() const {
    QListWidget* list = ListBox(kGameList);
    auto items = list->selectedItems();
    if (items.isEmpty())
        return nullptr;
    return reinterpret_cast<const CGameStats*>(items.front()->data(kRecordRole).value<quintptr>());
}

void CPlayerStatsDlg::OnSelectionChange() {
    SetItemText(kNote, "");
    const CGameStats* record = Selected();
    if (record) {
        SetItemText(kReport,
                    QString::fromStdString(players::StatsReport(*record, m_player->name, true)));
        EnableItem(kPrint, true);
    } else {
        EnableItem(kPrint, false);
    }
}

void CPlayerStatsDlg::OnPrint() {
    const CGameStats* record = Selected();
    if (!record)
        return;
    std::string report = players::StatsReport(*record, m_player->name, false);
    std::string path = players::PlayersFolder() + players::kStatsPrintName;
    if (players::WriteStatsReport(path, report) != 0) {
        platform::MessageBox(players::kUnableToWriteStats, "", platform::MB_OK);
        return;
    }
    platform::OpenInTextViewer(path);
}

void CPlayerStatsDlg::OnCommand(int id) {
    if (id == kPrint)
        OnPrint();
    else if (id == 9)
        platform::ShowHelpTopic(players::kHelpPlayerStats, this);
    else
        CTemplateDialog::OnCommand(id);
}
