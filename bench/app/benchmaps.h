#pragma once
// The two 100 × 100 maps the frame benchmarks draw, painted into the running
// editor's scene with its own tools, as a level designer's clicks would.

class EditorScene;

// Mixed terrain: every one of the eleven kinds, hanji patches with their
// borders, a dozen gate pairs; the view scrolled into the middle.
void PaintTypicalMap(EditorScene& scene);

// Hanji with a hole at every other cell of every other row, so each visited
// cell carries its edge and corner records, and 50 objects of 100 pieces in
// view, none selected (all tinted); the view scrolled into the middle.
void PaintWorstMap(EditorScene& scene);

// Sprites one frame of the map's view hands to the drawing layer.
int SpritesInView(const EditorScene& scene);
