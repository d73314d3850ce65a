// Deduxa: starts the application object and runs the message loop.
#include "app/qt/PuzzleApp.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    qt.setApplicationName("Deduxa");
    qt.setApplicationDisplayName("Deduxa");
    platform::InstallQtPlatform();
    platform::InstallHelpViewer();
    // Qt has already taken its own options (-platform ...) out of the list.
    QStringList arguments = qt.arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    CPuzzleApp app(arguments);
    if (!app.InitInstance())
        return 0;
    return app.Run();
}
