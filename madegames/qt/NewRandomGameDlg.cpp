#include "madegames/qt/NewRandomGameDlg.h"

#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/qt/Placement.h"
#include "platform/qt/TemplateDialog.h"
#include "puzzlegen/Themes.h"
#include "reasoning/Puzzle.h"
#include "reasoning/TieredSolver.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace madegames {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Thirty bits from the game's random generator (fifteen a draw).
uint32_t NewSeed() {
    const auto high = static_cast<uint32_t>(platform::NextRandom());
    const auto low = static_cast<uint32_t>(platform::NextRandom());
    return (high << 15 | low) & kSeedMask;
}

} // namespace

int CNewRandomGameDlg::MinCategories() {
    return std::min(3, reasoning::kMaxCats);
}
int CNewRandomGameDlg::MaxCategories() {
    return reasoning::kMaxCats;
}
int CNewRandomGameDlg::MinItems() {
    return std::min(4, reasoning::kMaxItems);
}
int CNewRandomGameDlg::MaxItems() {
    return reasoning::kMaxItems;
}

CNewRandomGameDlg::CNewRandomGameDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("newRandomGameDlg");
    setWindowTitle(tr("New Random Game"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* intro = new QLabel(tr("Make a new puzzle of the size and grade you choose. Every "
                                "game made has a code: type a code to play its game again."));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* form = new QFormLayout;
    m_cats = new QSpinBox;
    m_cats->setObjectName("categories");
    m_cats->setRange(MinCategories(), MaxCategories());
    m_cats->setValue(std::clamp(4, MinCategories(), MaxCategories()));
    form->addRow(tr("C&ategories:"), m_cats);
    m_items = new QSpinBox;
    m_items->setObjectName("items");
    m_items->setRange(MinItems(), MaxItems());
    m_items->setValue(std::clamp(5, MinItems(), MaxItems()));
    form->addRow(tr("&Items in each:"), m_items);
    m_grade = new QComboBox;
    m_grade->setObjectName("grade");
    for (int grade = 1; grade <= 4; ++grade)
        m_grade->addItem(reasoning::GradeName(grade), grade);
    m_grade->setCurrentIndex(1);
    form->addRow(tr("&Grade:"), m_grade);
    m_theme = new QComboBox;
    m_theme->setObjectName("theme");
    m_theme->addItem(tr("Any"), kAnyTheme);
    for (size_t t = 0; t < puzzlegen::Themes().size(); ++t)
        m_theme->addItem(Q(puzzlegen::Themes()[t].title), static_cast<int>(t));
    form->addRow(tr("&Theme:"), m_theme);
    m_code = new QLineEdit;
    m_code->setObjectName("code");
    m_code->setPlaceholderText(tr("such as K7QX2-M4RT9"));
    m_code->setMaxLength(24);
    form->addRow(tr("Or a game co&de:"), m_code);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewRandomGameDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_code, &QLineEdit::textChanged, this, [this] { FollowCode(); });
    setTabOrder(m_cats, m_items);
    setTabOrder(m_items, m_grade);
    setTabOrder(m_grade, m_theme);
    setTabOrder(m_theme, m_code);
    m_cats->setFocus();
    intro->setMinimumWidth(340);
}

void CNewRandomGameDlg::FollowCode() {
    // A code stands for the whole game: the choices rest while one is typed.
    const bool typed = !m_code->text().trimmed().isEmpty();
    for (QWidget* w : std::initializer_list<QWidget*>{m_cats, m_items, m_grade, m_theme})
        w->setEnabled(!typed);
}

bool CNewRandomGameDlg::Run() {
    return platform::ExecModal(this) == QDialog::Accepted;
}

void CNewRandomGameDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    platform::CentreOnOwner(this, parentWidget());
}

void CNewRandomGameDlg::accept() {
    const std::string typed = m_code->text().trimmed().toStdString();
    if (!typed.empty()) {
        GameRecipe recipe;
        std::string fault;
        if (!DecodeGameCode(typed, recipe, fault)) {
            platform::MessageBox(fault, "New Random Game",
                                 platform::MB_OK | platform::MB_ICONEXCLAMATION);
            m_code->setFocus();
            m_code->selectAll();
            return;
        }
        m_recipe = recipe;
    } else {
        m_recipe.cats = m_cats->value();
        m_recipe.items = m_items->value();
        m_recipe.grade = m_grade->currentData().toInt();
        m_recipe.theme = m_theme->currentData().toInt();
        m_recipe.seed = NewSeed();
    }
    QDialog::accept();
}

} // namespace madegames
