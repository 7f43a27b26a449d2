#pragma once
// A memory drawing context that measures text with a default font like the
// platform's: about 16 pixels tall and wider than the 12-pixel text font.

#include "d3dtypes.h"

// A memory context; the reference context is ignored (there is one screen).
HDC CreateCompatibleDC(HDC reference);
BOOL DeleteDC(HDC context);

// The size `count` bytes of UTF-8 text take in the context's font. Without a
// Qt GUI application the size is estimated from a fixed cell per character.
BOOL GetTextExtentPoint32A(HDC context, LPCSTR text, int count, SIZE* size);
