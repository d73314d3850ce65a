// Helpers for the UI tests.
#pragma once

#include "platform/qt/TemplateDialog.h"

#include <QDialog>
#include <functional>

namespace testing_support {

// Installs a modal hook for its lifetime: each of our dialogs that starts its
// modal loop is handed to the next queued action (in order). A dialog with no
// action left is rejected, so an unexpected dialog cannot hang a test.
class ModalDriver {
public:
    ModalDriver();
    ~ModalDriver();
    void Then(std::function<void(QDialog*)> action);
    int seen() const { return m_seen; }

private:
    std::vector<std::function<void(QDialog*)>> m_actions;
    size_t m_next = 0;
    int m_seen = 0;
    platform::ModalHook m_previous;
};

// Lets the event loop run for ms milliseconds.
void Pump(int ms = 0);

} // namespace testing_support
