// CFocusRing: Tab and Shift+Tab in the main window go round the game's parts
// in a fixed order (the page, the buttons of the bar, the board) instead of
// staying inside the one window that has the focus. Focus given this way
// comes with the Tab reason, so each part shows that it has it.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

class CFocusRing : public QObject {
    Q_OBJECT
public:
    // stops lists the widgets in order each time Tab is pressed; hidden and
    // disabled ones are passed by.
    CFocusRing(QWidget* window, std::function<std::vector<QWidget*>()> stops);
    ~CFocusRing() override;

    // Moves the focus to the next (or previous) stop; false when no stop can
    // take it.
    bool Move(bool forward);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    std::function<std::vector<QWidget*>()> m_stops;
};
