// Deduxa: starts the application object and runs the message loop.
#include "app/qt/PuzzleApp.h"

int main(int argc, char** argv) {
    CPuzzleApp app(argc, argv);
    if (!app.InitInstance())
        return 0;
    return app.Run();
}
