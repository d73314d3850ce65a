#include "app/qt/FocusRing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

CFocusRing::CFocusRing(QWidget* window, std::function<std::vector<QWidget*>()> stops)
    : QObject(window), m_window(window), m_stops(std::move(stops)) {
    qApp->installEventFilter(this);
}

CFocusRing::~CFocusRing() {
    qApp->removeEventFilter(this);
}

bool CFocusRing::Move(bool forward) {
    const std::vector<QWidget*> stops = m_stops();
    const int count = static_cast<int>(stops.size());
    if (count == 0)
        return false;
    // Where the focus is now: a stop, inside one, or a window that holds one
    // (a child frame keeps the focus for its view at times).
    QWidget* focus = QApplication::focusWidget();
    int current = -1;
    for (int i = 0; i < count && focus; ++i) {
        if (stops[i] &&
            (stops[i] == focus || stops[i]->isAncestorOf(focus) || focus->isAncestorOf(stops[i]))) {
            current = i;
            break;
        }
    }
    for (int step = 1; step <= count; ++step) {
        int next = current < 0 ? (forward ? step - 1 : count - step)
                               : (current + (forward ? step : count - step)) % count;
        QWidget* stop = stops[next];
        if (stop && stop->isVisible() && stop->isEnabled()) {
            stop->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

bool CFocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !m_window)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool tab = key->key() == Qt::Key_Tab && !(key->modifiers() & ~Qt::ShiftModifier);
    const bool backtab = key->key() == Qt::Key_Backtab ||
                         (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
    if (!tab && !backtab)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != m_window || QApplication::activePopupWidget())
        return false;
    return Move(!backtab);
}
