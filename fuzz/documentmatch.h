#pragma once
// What saving a document and opening the file again must give back: the
// same document, except where the file format does not carry a value.

#include "mapdocument.h"

// The first way `reopened` (read back from the file `opened` was saved to)
// differs from `opened` where the format promises it will not, or null.
// Not compared: gate colours (new on every read), cells outside the map,
// fractions of object points (saved truncated), kinds (derived from tiles),
// the edge flag of a cell whose group is empty, and gate pairs whose ends do
// not name each other (a damaged file; the format lists every end as a pair).
const char* FirstDifference(const MapDocument& opened, const MapDocument& reopened);
