#pragma once
// The File menu: New, Open, Save, Close and Exit, with the unsaved-changes
// question that guards every command that would drop the open document.
// All of them run inside the main dialog's procedure, on the one thread.

#include "mapdocument.h"
#include "wintypes.h"

enum class FileChoice { Open, Save };

// Asks for a map file in a file dialog that starts in ".\data". True with the
// bare name in `name` when the user chose one; false when the dialog was
// cancelled or failed, or the name does not fit (a longer name is refused
// with a message, never cut), and then `name` is left as it was.
bool ChooseMapFile(HWND owner, char (&name)[kNameSize], FileChoice choice);

// True when the calling command may go on: nothing unsaved, No to the
// unsaved-changes question, or Yes and the save was written or given up in
// its own dialogs. False for Cancel, and when the save was tried and failed.
bool ConfirmModified();

// Opens the new-map dialog after the unsaved-changes question.
void NewCommand(HWND mainDialog);

// Reads a chosen map file into the document.
void OpenCommand(HWND mainDialog);

// Writes the document to a chosen file; true when it was written.
bool SaveCommand(HWND owner);

// The menu's Save: with no document open it only says so.
bool SaveMenuCommand(HWND mainDialog);

// Closes the document after the unsaved-changes question.
void CloseCommand();

// Ends the application after the unsaved-changes question.
void ExitCommand();
