// The 240 x 240 images of upper-layer objects and the 24 x 24 cursor frame.
#pragma once

#include "canvas.h"

namespace artgen {

constexpr int kObjectSize = 240;

Canvas DrawCursorFrame();
Canvas DrawTree();
Canvas DrawRock();
Canvas DrawHouse();
Canvas DrawPond();

} // namespace artgen
