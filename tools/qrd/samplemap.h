#pragma once
// The sample map shipped in Execute/data: made with the editor's own tools,
// the way a designer would paint it, from a fixed random seed.

#include "mapdocument.h"

// Paints the 20 x 15 sample into `doc` (which must stay alive while painting).
void PaintSampleMap(MapDocument& doc);
