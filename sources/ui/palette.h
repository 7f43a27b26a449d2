#pragma once
// The palette step of the main dialog's commands: mode, kind and object
// buttons, "Eraser", "Load", "Clear", "Empty" and undo, and the switch between
// the terrain palette and the object palette that follows each of them.

#include "wintypes.h"

class EditorScene;

// Runs the command `id` of the palette on `scene`; `dialog` is the main
// dialog whose buttons are checked and unchecked.
void RoutePaletteCommand(EditorScene& scene, HWND dialog, int id);
