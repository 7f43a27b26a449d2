#pragma once
// Starting and inspecting the window layer from the Qt side: the program's
// entry, tests and benchmarks use these; the editor's own code does not.

#include <cstddef>

#include "wintypes.h"

class QWidget;

using WinMainFunction = int (*)(HINSTANCE, HINSTANCE, LPSTR, int);

// Makes the Qt application the layer runs on (once per process), with the
// dialog font's fallbacks fixed so Korean labels always find their glyphs.
void InitWindowSystem(int& argc, char** argv);

// Starts the window system and hands over to the program's WinMain.
int RunWinMain(int argc, char** argv, WinMainFunction winMain);

// The widget placed for a window (a dialog's frame, or the control itself),
// and the widget of its client area. Null for a dead handle.
QWidget* WindowWidget(HWND window);
QWidget* ClientWidget(HWND window);

// Destroys every window, top-level ones last-made first, then empties the
// message queue: what the end of the process does, for tests that start the
// program more than once.
void DestroyAllWindows();
void DiscardMessages();
std::size_t PendingMessageCount();
