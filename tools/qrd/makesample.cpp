// qrd_sample OUT.qrd: writes the sample map that Execute/data/sample.qrd holds.

#include <cstdio>
#include <memory>

#include "mapfile.h"
#include "samplemap.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: qrd_sample OUT.qrd\n", stderr);
        return 2;
    }
    auto doc = std::make_unique<MapDocument>();
    PaintSampleMap(*doc);
    if (!WriteMapFile(*doc, argv[1])) {
        std::fprintf(stderr, "qrd_sample: cannot write '%s'\n", argv[1]);
        return 2;
    }
    return 0;
}
