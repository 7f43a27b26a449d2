// The program's entry: start the window system and hand over to WinMain.

#include "app.h"
#include "resources.h"
#include "windowsystem.h"

int main(int argc, char** argv) {
    UseResources(QuarrowResources());
    return RunWinMain(argc, argv, WinMain);
}
