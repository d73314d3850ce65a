#include "app/qt/PuzzleApp.h"

#include "app/qt/MainFrame.h"
#include "platform/DataPath.h"
#include "platform/MessageBox.h"
#include "platform/qt/QtPlatform.h"

CPuzzleApp::CPuzzleApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Deduxa");
    setApplicationDisplayName("Deduxa");
}

CPuzzleApp::~CPuzzleApp() = default;

bool CPuzzleApp::InitInstance() {
    platform::InstallQtPlatform();
    // Qt has already taken its own options (-platform ...) out of the list.
    if (arguments().size() > 1) {
        platform::MessageBox("Please start a saved game from within Deduxa!", "", platform::MB_OK);
        return false;
    }
    platform::SetDataFolder(platform::CurrentFolder());
    for (const char* folder : {"players\\", "games\\", "ants\\"})
        platform::EnsureFolder(folder);

    m_mainFrame = std::make_unique<CMainFrame>();
    platform::SetMessageBoxParent(m_mainFrame.get());
    m_mainFrame->show();
    return true;
}

int CPuzzleApp::Run() {
    return exec();
}
