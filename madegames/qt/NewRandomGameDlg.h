// "New Random Game": the size, grade and theme of a game to make, or the
// code of a game made before. OK with a code that is not one says why and
// keeps the dialog open.
#pragma once

#include "madegames/GameCode.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace madegames {

class CNewRandomGameDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNewRandomGameDlg(QWidget* parent = nullptr);

    // Runs the dialog centred on its owner; true with recipe() set on OK.
    bool Run();
    // The game chosen: the typed code's, or the choices with a new seed.
    const GameRecipe& recipe() const { return m_recipe; }

    QSpinBox* Categories() const { return m_cats; }
    QSpinBox* Items() const { return m_items; }
    QComboBox* Grade() const { return m_grade; }
    QComboBox* Theme() const { return m_theme; }
    QLineEdit* Code() const { return m_code; }
    QPushButton* OkButton() const { return m_ok; }

    // The categories and items the dialog offers: from 3 and 4 up to the
    // generator's largest.
    static int MinCategories();
    static int MaxCategories();
    static int MinItems();
    static int MaxItems();

    // OK: the typed code read (refused with a message, the dialog staying
    // open, when it is not one) or a new seed drawn for the choices.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FollowCode();

    QSpinBox* m_cats = nullptr;
    QSpinBox* m_items = nullptr;
    QComboBox* m_grade = nullptr;
    QComboBox* m_theme = nullptr;
    QLineEdit* m_code = nullptr;
    QPushButton* m_ok = nullptr;
    GameRecipe m_recipe;
};

} // namespace madegames
