#include "filecommands.h"

bool ChooseMapFile(HWND, char (&)[kNameSize], FileChoice) { return false; }
bool ConfirmModified() { return true; }
void NewCommand(HWND) {}
void OpenCommand(HWND) {}
bool SaveCommand(HWND) { return false; }
bool SaveMenuCommand(HWND) { return false; }
void CloseCommand() {}
void ExitCommand() {}
