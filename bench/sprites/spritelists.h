#pragma once
// The sprites one frame of the editor hands to the drawing layer, as plain
// data: which image, which 24 × 24 rectangle of it, where, and the colour.
// The same lists feed every way of drawing them, so the figures compare.

#include <cstdint>
#include <vector>

namespace spritebench {

constexpr int kBufferWidth = 768;   // the view's client area: 32 × 25 cells
constexpr int kBufferHeight = 600;
constexpr int kCell = 24;

// Images a list draws from: the tile sheet and the four object images.
enum Image : int { kTileSheet = 0, kFirstObjectImage = 1, kObjectImageCount = 4 };
constexpr int kImageCount = kFirstObjectImage + kObjectImageCount;

struct Sprite {
    int image;
    int srcX, srcY;     // top-left of the 24 × 24 source rectangle
    int dstX, dstY;     // where it lands in the back buffer
    uint32_t colour;    // ARGB modulation; 0xFFFFFFFF draws the texels unchanged
};

// One frame of mixed opaque terrain, the view scrolled into the middle of a
// map: the 34 × 27 cells the scene visits (one cell around the view, so the
// outer ring lies outside the buffer) and the two markers.
std::vector<Sprite> TypicalFrame();

// The most one frame draws: the same 34 × 27 cells with two lower-layer
// sprites each (gate ground, tinted gate tile) and all five hanji edge
// sprites, then 50 objects of 100 pieces in view, tinted as unselected ones.
std::vector<Sprite> WorstFrame();

// How many 24-pixel rows of a list land inside the buffer (after clipping).
long VisibleRows(const std::vector<Sprite>& sprites);

}  // namespace spritebench
