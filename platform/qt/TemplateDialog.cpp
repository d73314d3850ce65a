#include "platform/qt/TemplateDialog.h"

#include "platform/qt/Placement.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <map>
#include <utility>

namespace platform {

namespace {
ModalHook& Hook() {
    static ModalHook hook;
    return hook;
}
} // namespace

ModalHook SetModalHook(ModalHook hook) {
    return std::exchange(Hook(), std::move(hook));
}

int ExecModal(QDialog* dialog) {
    if (Hook()) {
        QPointer<QDialog> guard(dialog);
        QTimer::singleShot(0, dialog, [guard] {
            if (guard && Hook())
                Hook()(guard.data());
        });
    }
    return dialog->QDialog::exec();
}

QFont DialogFont(const DialogTemplate& tmpl) {
    QString face = QString::fromStdString(tmpl.fontFace);
    if (face == "MS Sans Serif" || face == "MS Shell Dlg" || face == "HELV" || face == "Helv" ||
        face.isEmpty())
        face = "Liberation Sans";
    QFont font(face);
    font.setPointSize(tmpl.pointSize > 0 ? tmpl.pointSize : 8);
    return font;
}

namespace {

BaseUnits MeasureBaseUnits(const QFont& font) {
    QFontMetrics fm(font);
    const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    int width = fm.horizontalAdvance(letters);
    BaseUnits units;
    units.x = (width / 26 + 1) / 2;
    units.y = fm.height();
    if (units.x <= 0)
        units.x = 6;
    if (units.y <= 0)
        units.y = 13;
    return units;
}

struct KnownUnits {
    QFont font;
    BaseUnits units;
    bool fromStore = false; // not yet measured in this run
};

std::map<QString, KnownUnits>& Known() {
    static std::map<QString, KnownUnits> known;
    return known;
}

// The settings key of a font's units: the font's description and the
// screen's resolution, without the store's group separators.
QString StoreKey(const QFont& font) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    QString key =
        font.toString() + "@" + QString::number(screen ? qRound(screen->logicalDotsPerInchY()) : 0);
    key.replace('/', '_').replace('\\', '_');
    return "Measured/BaseUnits/" + key;
}

QSettings Store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Deduxa", "Deduxa");
}

void Keep(const QString& key, const BaseUnits& units) {
    Store().setValue(key, QString("%1 %2").arg(units.x).arg(units.y));
}

} // namespace

BaseUnits BaseUnitsOf(const QFont& font) {
    const QString key = StoreKey(font);
    auto& known = Known();
    if (auto it = known.find(key); it != known.end())
        return it->second.units;
    const QStringList kept = Store().value(key).toString().split(' ');
    bool xOk = false, yOk = false;
    BaseUnits units;
    if (kept.size() == 2) {
        units.x = kept[0].toInt(&xOk);
        units.y = kept[1].toInt(&yOk);
    }
    // A kept value must be one a font could give.
    if (xOk && yOk && units.x > 0 && units.x < 100 && units.y > 0 && units.y < 200) {
        known[key] = {font, units, true};
        return units;
    }
    units = MeasureBaseUnits(font);
    known[key] = {font, units, false};
    Keep(key, units);
    return units;
}

void ForgetMeasuredBaseUnits() {
    Known().clear();
}

void RemeasureKeptBaseUnits() {
    for (auto& [key, entry] : Known()) {
        if (!entry.fromStore)
            continue;
        entry.fromStore = false;
        const BaseUnits measured = MeasureBaseUnits(entry.font);
        if (measured.x != entry.units.x || measured.y != entry.units.y) {
            entry.units = measured;
            Keep(key, measured);
        }
    }
}

CTemplateDialog::CTemplateDialog(const DialogTemplate& tmpl, QWidget* parent)
    : QDialog(parent), m_template(tmpl) {
    setWindowTitle(QString::fromStdString(tmpl.caption));
    QFont font = DialogFont(tmpl);
    setFont(font);
    m_units = BaseUnitsOf(font);
    setFixedSize(DluToPixelsX(tmpl.cx, m_units.x), DluToPixelsY(tmpl.cy, m_units.y));
    QLabel* pendingLabel = nullptr;
    for (const auto& ctl : m_template.controls) {
        QWidget* w = Build(ctl);
        w->setGeometry(PixelRect(ctl.x, ctl.y, ctl.cx, ctl.cy));
        if (ctl.styles & styleDisabled)
            w->setEnabled(false);
        if (ctl.styles & styleHidden)
            w->hide();
        if (ctl.styles & styleNoTabStop)
            w->setFocusPolicy(Qt::ClickFocus);
        if (pendingLabel && ctl.kind != ControlKind::Static && ctl.kind != ControlKind::GroupBox) {
            pendingLabel->setBuddy(w);
            pendingLabel = nullptr;
        }
        if (auto* label = qobject_cast<QLabel*>(w);
            label && ctl.text.find('&') != std::string::npos)
            pendingLabel = label;
        if (ctl.id != kIdStatic)
            m_controls[ctl.id] = w;
    }
}

QRect CTemplateDialog::PixelRect(int x, int y, int cx, int cy) const {
    int left = DluToPixelsX(x, m_units.x);
    int top = DluToPixelsY(y, m_units.y);
    int right = DluToPixelsX(x + cx, m_units.x);
    int bottom = DluToPixelsY(y + cy, m_units.y);
    return QRect(left, top, right - left, bottom - top);
}

QWidget* CTemplateDialog::Build(const ControlTemplate& ctl) {
    const QString text = QString::fromStdString(ctl.text);
    switch (ctl.kind) {
    case ControlKind::PushButton: {
        auto* b = new QPushButton(text, this);
        b->setAutoDefault(false);
        if (ctl.styles & styleDefault) {
            b->setDefault(true);
            b->setAutoDefault(true);
        }
        const int id = ctl.id;
        connect(b, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
        return b;
    }
    case ControlKind::CheckBox: {
        auto* c = new QCheckBox(text, this);
        const int id = ctl.id;
        connect(c, &QCheckBox::clicked, this, [this, id] { OnCommand(id); });
        return c;
    }
    case ControlKind::Static: {
        auto* l = new QLabel(text, this);
        l->setWordWrap(true);
        l->setAlignment((ctl.styles & styleCenter)  ? Qt::AlignHCenter | Qt::AlignTop
                        : (ctl.styles & styleRight) ? Qt::AlignRight | Qt::AlignTop
                                                    : Qt::AlignLeft | Qt::AlignTop);
        if (ctl.styles & styleBorder)
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return l;
    }
    case ControlKind::Edit: {
        if (ctl.styles & styleMultiLine) {
            auto* e = new QPlainTextEdit(text, this);
            e->setReadOnly(ctl.styles & styleReadOnly);
            return e;
        }
        auto* e = new QLineEdit(text, this);
        e->setReadOnly(ctl.styles & styleReadOnly);
        return e;
    }
    case ControlKind::ListBox: {
        auto* l = new QListWidget(this);
        l->setSortingEnabled(ctl.styles & styleSorted);
        l->setSelectionMode((ctl.styles & styleExtendedSel) ? QAbstractItemView::ExtendedSelection
                                                            : QAbstractItemView::SingleSelection);
        return l;
    }
    case ControlKind::GroupBox: {
        auto* g = new QGroupBox(text, this);
        g->setFocusPolicy(Qt::NoFocus);
        g->lower();
        return g;
    }
    case ControlKind::Picture: {
        auto* f = new QFrame(this);
        if (ctl.styles & styleBorder)
            f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return f;
    }
    }
    return new QWidget(this);
}

void CTemplateDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (isWindow())
        KeepOnScreen(this);
}

int CTemplateDialog::exec() {
    return ExecModal(this);
}

QWidget* CTemplateDialog::Control(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

QPushButton* CTemplateDialog::Button(int id) const {
    return ControlAs<QPushButton>(id);
}
QCheckBox* CTemplateDialog::CheckBox(int id) const {
    return ControlAs<QCheckBox>(id);
}
QLabel* CTemplateDialog::Label(int id) const {
    return ControlAs<QLabel>(id);
}
QLineEdit* CTemplateDialog::Edit(int id) const {
    return ControlAs<QLineEdit>(id);
}
QListWidget* CTemplateDialog::ListBox(int id) const {
    return ControlAs<QListWidget>(id);
}

void CTemplateDialog::ReplaceControl(int id, QWidget* widget) {
    QWidget* old = Control(id);
    if (old) {
        widget->setGeometry(old->geometry());
        widget->setParent(this);
        widget->stackUnder(old);
        widget->setVisible(old->isVisibleTo(this) || !old->isHidden());
        widget->setEnabled(old->isEnabled());
        delete old;
    } else {
        widget->setParent(this);
    }
    m_controls[id] = widget;
}

QString CTemplateDialog::ItemText(int id) const {
    QWidget* w = Control(id);
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        return p->toPlainText();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return {};
}

void CTemplateDialog::SetItemText(int id, const QString& text) {
    QWidget* w = Control(id);
    if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(text);
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        p->setPlainText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(text);
}

void CTemplateDialog::EnableItem(int id, bool enable) {
    if (QWidget* w = Control(id))
        w->setEnabled(enable);
}

void CTemplateDialog::reject() {
    OnCancel();
}

void CTemplateDialog::OnCommand(int id) {
    if (id == kIdOk)
        OnOK();
    else if (id == kIdCancel)
        OnCancel();
}

void CTemplateDialog::OnOK() {
    done(kIdOk);
}

void CTemplateDialog::OnCancel() {
    done(kIdCancel);
}

} // namespace platform
