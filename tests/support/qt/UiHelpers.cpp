#include "tests/support/qt/UiHelpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace testing_support {

ModalDriver::ModalDriver() {
    m_previous = platform::SetModalHook([this](QDialog* dialog) {
        ++m_seen;
        if (m_next < m_actions.size())
            m_actions[m_next++](dialog);
        else
            dialog->reject();
    });
}

ModalDriver::~ModalDriver() {
    platform::SetModalHook(std::move(m_previous));
}

void ModalDriver::Then(std::function<void(QDialog*)> action) {
    m_actions.push_back(std::move(action));
}

void Pump(int ms) {
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (timer.elapsed() < ms);
}

} // namespace testing_support
