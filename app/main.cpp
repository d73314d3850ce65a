// Deduxa: starts the application object and runs the message loop.
#include "app/Texts.h"
#include "app/qt/PuzzleApp.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/SessionBus.h"
#include "platform/qt/StartupWarmUp.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Beside the toolkit's start: the window icon.
    platform::BeginStartupWarmUp(texts::kIconFilePrefix, texts::kIconSizes);
    platform::QuietAbsentSessionBus();
    QApplication qt(argc, argv);
    platform::SetApplicationNames("Deduxa");
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
