#pragma once
// The dialog side of the upper-layer objects: "Load" with its file chooser,
// "Clear" and "Empty", and the messages that tell the user why one of them,
// or a placement, was refused. The slot data themselves change in the core's
// UpperObjects, reached through the editor scene.

#include "mapdocument.h"
#include "wintypes.h"

// Whether "Load", "Clear" and "Empty" may act; if not, the user is told why
// in a message box owned by the main dialog.
bool CheckObjectCommand();

// "Load": lets the user choose an image for the selected slot and arms it for
// the next click in the view. False when refused or cancelled.
bool LoadObjectImage(HWND owner);

// The common open dialog for object images. On success the bare file name is
// in `name` and the result is true; otherwise `name` is left as it was. A
// name longer than a name field holds is refused with a message, never cut.
bool ChooseObjectImage(HWND owner, char (&name)[kNameSize]);

// "Empty" and "Clear" on the selected slot, with the messages of a refusal.
void EmptyObjectSlot();
void ClearObjectSlot();

// Tells the user that a placement was refused because the map already names
// as many different object images as it can hold.
void ReportObjectNamesFull();
