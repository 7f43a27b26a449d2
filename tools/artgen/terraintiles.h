// The 24 x 24 tiles of the terrain kinds and the start and end markers.
#pragma once

#include "canvas.h"

namespace artgen {

// Direction an arrow of a one-way tile points to.
enum class Heading { Up, Right, Down, Left };

void DrawEmptySpace(Canvas& tile);
void DrawStartMarker(Canvas& tile);
void DrawEndMarker(Canvas& tile);
void DrawStone(Canvas& tile, int variant);
void DrawMud(Canvas& tile);
// frame 0 to 4 of the turning worm hole.
void DrawWormHole(Canvas& tile, int frame);
void DrawFood(Canvas& tile);
void DrawFilth(Canvas& tile);
// Light, nearly white: the editor tints it with the gate pair's colour.
void DrawGate(Canvas& tile);
void DrawOneWay(Canvas& tile, Heading heading);
void DrawMine(Canvas& tile);
void DrawTrap(Canvas& tile);

} // namespace artgen
