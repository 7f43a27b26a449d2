#pragma once
// The .qrd map file: keyword-structured text with CR LF line ends.
// docs/qrd-format.md describes the layout and how the reader treats damaged
// files.

#include <cstdio>

#include "mapdocument.h"

// Opens `fileName` into `doc`: resets the document, marks it open and
// unchanged, then takes every keyword section it finds. Out-of-range sizes,
// slots, counts, references and gate coordinates never make it read or write
// outside the document. The start, end and limit fields and the object
// buttons are updated through `doc.dialog`.
//
// Returns false when the file cannot be opened or read; the caller decides
// what a failed open means for the application. The caller also restarts the
// undo history (RestartUndo) after a successful read and resets the view
// offset: neither belongs to the document.
bool ReadMapFile(MapDocument& doc, const char* fileName);

// Reads an already opened stream into `doc` as ReadMapFile does after opening
// the file (the caller has reset the document). False on a read error.
bool ReadMapStream(MapDocument& doc, std::FILE* stream);

// Opens `fileName` for reading only when it is a regular file. The open never
// waits: a FIFO or device named like a map is refused (errno EINVAL, or
// EISDIR for a folder) instead of blocking the editor or feeding it forever.
std::FILE* OpenRegularFile(const char* fileName);

// Saves `doc` to `fileName`. The file is written under a temporary name in the
// same folder and renamed over the target only when every byte was written,
// so a failed save returns false and leaves an existing file as it was.
// The document itself is not changed (the caller clears isModified).
bool WriteMapFile(const MapDocument& doc, const char* fileName);
