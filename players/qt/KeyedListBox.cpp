#include "players/qt/KeyedListBox.h"

namespace {

constexpr int kKeyRole = Qt::UserRole + 1;

class CKeyedItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override {
        int c = text().compare(other.text(), Qt::CaseInsensitive);
        if (c != 0)
            return c < 0;
        return text() < other.text();
    }
};

} // namespace

CKeyedListBox::CKeyedListBox(bool sorted, bool multiple, QWidget* parent) : QListWidget(parent) {
    setSortingEnabled(sorted);
    setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection
                              : QAbstractItemView::SingleSelection);
}

int CKeyedListBox::AddItem(const std::string& text, const std::string& key) {
    auto* item = new CKeyedItem(QString::fromStdString(text));
    item->setData(kKeyRole, QString::fromStdString(key));
    addItem(item);
    return row(item);
}

bool CKeyedListBox::GetItem(int index, std::string& text, std::string& key) const {
    QListWidgetItem* it = item(index);
    if (!it)
        return false;
    text = it->text().toStdString();
    QVariant k = it->data(kKeyRole);
    key = k.isValid() ? k.toString().toStdString() : std::string();
    return k.isValid();
}

void CKeyedListBox::ClearKey(int index) {
    if (QListWidgetItem* it = item(index))
        it->setData(kKeyRole, QVariant());
}

bool CKeyedListBox::HasKey(int index) const {
    QListWidgetItem* it = item(index);
    return it && it->data(kKeyRole).isValid();
}

int CKeyedListBox::FindText(const std::string& text, bool whole) const {
    const QString t = QString::fromStdString(text);
    for (int i = 0; i < count(); ++i) {
        const QString s = item(i)->text();
        if (whole ? s.compare(t, Qt::CaseInsensitive) == 0 : s.startsWith(t, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}
