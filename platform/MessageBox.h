// The message-box hub. The core asks its questions here; the UI installs the
// Qt box at start-up and tests install a recorder that answers from a script.
#pragma once

#include <functional>
#include <string>

namespace platform {

// Results, with the values the game's dialogs have always returned.
enum { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Styles: one button set, optionally or'ed with one icon.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNO = 0x4,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_BUTTONMASK = 0xF,
    MB_ICONMASK = 0xF0,
};

// The application's title, the caption of a box that names none.
inline constexpr const char* kAppTitle = "Deduxa";

using MessageBoxHandler =
    std::function<int(const std::string& text, const std::string& caption, unsigned style)>;

// Installs the handler; returns the previous one. An empty handler answers
// every box with its first button (IDOK or IDYES) without showing anything.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Shows text in a modal box. An empty caption shows kAppTitle.
int MessageBox(const std::string& text, const std::string& caption = "", unsigned style = MB_OK);

} // namespace platform
