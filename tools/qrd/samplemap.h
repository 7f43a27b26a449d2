#pragma once
// The sample maps shipped in Execute/data: made with the editor's own tools,
// the way a designer would paint them, each from a fixed random seed.

#include "mapdocument.h"

// Paints the 20 x 15 sample (sample.qrd) into `doc`.
void PaintSampleMap(MapDocument& doc);
// Paints the 100 x 100 showcase (showcase.qrd) into `doc`: caverns in hanji
// paper joined by tunnels, every kind, gates, one-way runs in all four
// headings and a village of objects.
void PaintShowcaseMap(MapDocument& doc);

struct SampleMap {
    const char* fileName;   // as shipped in Execute/data
    void (*paint)(MapDocument& doc);
};

inline constexpr SampleMap kSampleMaps[] = {
    {"sample.qrd", PaintSampleMap},
    {"showcase.qrd", PaintShowcaseMap},
};
