// CKeyedListBox: a list box whose every item carries a hidden key text (here
// a player file name or a puzzle base name). A sorted list sorts its items
// alphabetically without regard to case.
#pragma once

#include <QListWidget>
#include <optional>
#include <string>

class CKeyedListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CKeyedListBox(bool sorted, bool multiple, QWidget* parent = nullptr);

    // Adds text with a copy of key; returns the item's index.
    int AddItem(const std::string& text, const std::string& key);
    // The text and key of item index; false when there is no such item or
    // its key was taken away.
    bool GetItem(int index, std::string& text, std::string& key) const;
    // Takes an item's key away; such items are skipped where keys are used.
    void ClearKey(int index);
    bool HasKey(int index) const;
    // Index of the first item whose text begins with prefix (ignoring case),
    // or -1; with whole set, the first whose whole text equals it.
    int FindText(const std::string& text, bool whole) const;
};
