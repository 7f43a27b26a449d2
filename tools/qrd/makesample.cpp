// qrd_sample [NAME] OUT.qrd: writes the shipped sample map NAME (sample.qrd
// when left out; showcase.qrd is the other) as Execute/data holds it.

#include <cstdio>
#include <cstring>
#include <memory>

#include "mapfile.h"
#include "samplemap.h"

namespace {

const SampleMap* FindSample(const char* name) {
    for (const SampleMap& sample : kSampleMaps) {
        if (std::strcmp(sample.fileName, name) == 0) return &sample;
    }
    return nullptr;
}

int Usage() {
    std::fputs("usage: qrd_sample [sample.qrd | showcase.qrd] OUT.qrd\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) return Usage();
    const SampleMap* sample = FindSample(argc == 3 ? argv[1] : "sample.qrd");
    if (sample == nullptr) return Usage();
    const char* outName = argv[argc - 1];
    auto doc = std::make_unique<MapDocument>();
    sample->paint(*doc);
    if (!WriteMapFile(*doc, outName)) {
        std::fprintf(stderr, "qrd_sample: cannot write '%s'\n", outName);
        return 2;
    }
    return 0;
}
