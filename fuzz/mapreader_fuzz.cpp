// The map reader on arbitrary bytes: it must never read or write outside the
// document, and what it leaves must stay within the document's capacities.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "mapfile.h"

namespace {

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "map reader left %s\n", what);
    std::abort();
}

void CheckCapacities(const MapDocument& doc) {
    Require(doc.width >= 0 && doc.width <= kGridSize, "a width outside the grid");
    Require(doc.height >= 0 && doc.height <= kGridSize, "a height outside the grid");
    Require(doc.upperShellCount >= 0 && doc.upperShellCount <= kUpperShellNames, "too many image names");
    for (const Matter& matter : doc.matters) {
        if (!matter.used) continue;
        Require(matter.count >= 0 && matter.count <= kMatterPoints, "an object with too many points");
        Require(matter.ref >= -1 && matter.ref < kUpperShellNames, "an image reference outside the names");
    }
    for (const auto& row : doc.gates) {
        for (const Gate& gate : row) {
            if (!gate.present) continue;
            Require(gate.partnerX >= 0 && gate.partnerX < kGridSize && gate.partnerY >= 0 &&
                        gate.partnerY < kGridSize,
                    "a gate partner outside the grid");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static MapDocument doc;  // large: one per process, reset by every read
    std::FILE* stream = size ? fmemopen(const_cast<uint8_t*>(data), size, "rb") : std::tmpfile();
    if (!stream) return 0;
    doc.ResetDocument();
    ReadMapStream(doc, stream);
    std::fclose(stream);
    CheckCapacities(doc);
    return 0;
}
