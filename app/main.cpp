// Deduxa: starts the application object and runs the message loop.
#include "app/Texts.h"
#include "app/qt/PuzzleApp.h"
#include "platform/ContentFolder.h"
#include "platform/MessageBox.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/SessionBus.h"
#include "platform/qt/StartupWarmUp.h"

#include <QApplication>

int main(int argc, char** argv) {
    // An installed game's folder is linked to the content on its first start,
    // before anything reads it.
    const platform::ContentLinking linked = platform::LinkFolderIfNew(".");
    // Beside the toolkit's start: the window icon.
    platform::BeginStartupWarmUp(texts::kIconFilePrefix, texts::kIconSizes);
    platform::QuietAbsentSessionBus();
    QApplication qt(argc, argv);
    platform::SetApplicationNames("Deduxa");
    platform::InstallQtPlatform();
    platform::InstallHelpViewer();
    if (!linked.ok) {
        platform::MessageBox(texts::kDataFolderFailed + linked.failure);
        return 1;
    }
    // Qt has already taken its own options (-platform ...) out of the list.
    QStringList arguments = qt.arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    CPuzzleApp app(arguments);
    if (!app.InitInstance())
        return 0;
    return app.Run();
}
