// A small sample map composed from the tile sheet the way the editor draws
// one: terrain, gate tints, hanji edges and corners from the retiling rules,
// markers on top. Used to look at how the tiles meet.
#pragma once

#include "canvas.h"

#include <string>
#include <vector>

namespace artgen {

// rows: one character per cell. '.' empty space, 'H' hanji, 'S' stone, 'M' mud,
// 'W' worm hole, 'F' food, 'X' filth, 'O' mine, 'T' trap, '^' '>' 'v' '<'
// one-way, 'a'..'d' gate ends (same letter, same pair), 's' start and 'e' end
// (on empty space).
Canvas ComposeMap(const std::vector<std::string>& rows, int wormFrame);

// The sample shown in the docs.
std::vector<std::string> SampleMapRows();

} // namespace artgen
