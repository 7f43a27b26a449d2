#pragma once
// The new-map dialog (template 140) and the new empty document it makes.

#include "wintypes.h"

class EditorScene;

constexpr int kNewMapWidthField = 1032;
constexpr int kNewMapHeightField = 1036;

// Creates and shows a modeless new-map dialog owned by `owner`. Each copy
// acts on its own when confirmed.
HWND OpenNewMapDialog(HWND owner);

// The most recently opened new-map dialog while it still exists, else null.
HWND NewestNewMapDialog();

// Dialog procedure of the new-map dialog: OK makes the map, Cancel closes.
INT_PTR NewMapDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// A side typed into the dialog, read as a signed number, within 10..100.
int ClampNewMapSide(int typed);

// Replaces the document with an empty map of width x height cells of empty
// space on the tile sheet map.dds, open and modified, with a fresh undo
// history. Points, limits and the file name stay as they were.
void CreateNewMap(EditorScene& scene, int width, int height);
