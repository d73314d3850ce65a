#include "reward/qt/HighScoresDlg.h"

#include "platform/DataPath.h"
#include "resources/dialogs/Dlg144.h"
#include "reward/Texts.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextOption>

namespace {

// Draws list lines with their tabs expanded to fixed stops, so the names
// after the counts line up.
class CTabStopDelegate : public QStyledItemDelegate {
public:
    CTabStopDelegate(qreal tabStop, QObject* parent)
        : QStyledItemDelegate(parent), m_tabStop(tabStop) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
        textOption.setTabStopDistance(m_tabStop);
        textOption.setWrapMode(QTextOption::NoWrap);
        painter->save();
        painter->setPen(opt.palette.color(QPalette::Text));
        painter->drawText(QRectF(textRect), text, textOption);
        painter->restore();
    }

private:
    qreal m_tabStop;
};

} // namespace

CHighScoresDlg::CHighScoresDlg(QWidget* parent)
    : CTemplateDialog(kDlg144, parent), m_message(reward::kGameOver) {
    if (QListWidget* list = ListBox(1052)) {
        list->setSelectionMode(QAbstractItemView::NoSelection);
        list->setFocusPolicy(Qt::NoFocus);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // The list box's standard tab stops: every 32 dialog units.
        list->setItemDelegate(new CTabStopDelegate(32.0 * Units().x / 4.0, list));
    }
}

CHighScoresDlg::~CHighScoresDlg() {
    SaveTable();
}

int CHighScoresDlg::Run(const std::string& entry, const std::string& message) {
    m_entry = entry;
    m_message = message;
    OnInitDialog();
    return exec();
}

void CHighScoresDlg::OnInitDialog() {
    m_table.Load(platform::RealPath(reward::kScoresFile), m_entry);
    if (QListWidget* list = ListBox(1052)) {
        list->clear();
        for (const auto& line : m_table.Lines())
            list->addItem(QString::fromStdString(line));
    }
    SetItemText(1053, QString::fromStdString(m_message));
    m_open = true;
}

void CHighScoresDlg::SaveTable() {
    if (!m_open)
        return;
    m_open = false;
    // A table that cannot be written is shown but not kept; nothing is said.
    m_table.Save(platform::RealPath(reward::kScoresFile));
}

void CHighScoresDlg::done(int result) {
    SaveTable();
    CTemplateDialog::done(result);
}
