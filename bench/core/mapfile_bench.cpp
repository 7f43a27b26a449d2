// Opening and saving a full-size map: 100 x 100 cells with hanji edges, gate
// pairs and fifty objects of a hundred points each.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "mapfile.h"

namespace {

std::unique_ptr<MapDocument> FullMap() {
    auto doc = std::make_unique<MapDocument>();
    doc->isOpen = true;
    doc->width = 100;
    doc->height = 100;
    CopyName(doc->lowerShellImage, "map.dds");
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            // Hanji islands on a field of mixed terrain, each hanji cell with an edge record.
            const bool hanji = (x / 5 + y / 5) % 2 == 0;
            const int tile = hanji ? 20 + (x + y) % 5 : (x * 7 + y * 3) % 2 ? 2 : 27;
            doc->lowerShells[y][x] = {KindForTile(tile), tile};
            if (hanji) doc->sizzleShells[y][x] = {true, 125 + x % 5, 120 + y % 5, 105, 140, -1};
        }
    }
    for (int i = 0; i < 40; ++i) {
        const int x1 = (i * 13) % 100, y1 = (i * 7) % 50, x2 = (i * 11) % 100, y2 = 50 + (i * 3) % 50;
        doc->gates[y1][x1] = {true, x1, y1, x2, y2, 12, MakeGateColour()};
        doc->gates[y2][x2] = {true, x2, y2, x1, y1, 12, doc->gates[y1][x1].colour};
        doc->lowerShells[y1][x1] = {kKindGate, 12};
        doc->lowerShells[y2][x2] = {kKindGate, 12};
    }
    doc->upperShellCount = 10;
    for (int i = 0; i < 10; ++i) CopyName(doc->upperShellNames[i], ("object" + std::to_string(i) + ".dds").c_str());
    doc->matterCount = kMatterSlots;
    for (int slot = 0; slot < kMatterSlots; ++slot) {
        Matter& matter = doc->matters[slot];
        matter.used = true;
        matter.ref = slot % 10;
        CopyName(matter.imageName, doc->upperShellNames[matter.ref]);
        matter.count = kMatterPoints;
        for (int i = 0; i < kMatterPoints; ++i) {
            matter.points[i] = {static_cast<float>((slot * 2 + i % 10) % 100), static_cast<float>(i / 10 + slot), i};
        }
    }
    doc->startPoint = {1, 1};
    doc->endPoint = {98, 98};
    doc->SetMaxUse(10, 20, 30, 40, 50, 60, 70);
    return doc;
}

std::string ScratchFile(const char* name, const std::filesystem::path& folder = std::filesystem::temp_directory_path()) {
    return (folder / (std::string(name) + "-" + std::to_string(getpid()) + ".qrd")).string();
}

void BM_ReadMap(benchmark::State& state) {
    const std::string name = ScratchFile("quarrow-bench-read");
    if (!WriteMapFile(*FullMap(), name.c_str())) {
        state.SkipWithError("cannot write the map to read");
        return;
    }
    auto doc = std::make_unique<MapDocument>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadMapFile(*doc, name.c_str()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(name)));
    std::remove(name.c_str());
}
BENCHMARK(BM_ReadMap)->Unit(benchmark::kMillisecond);

void WriteMapInto(benchmark::State& state, const std::filesystem::path& folder) {
    const std::string name = ScratchFile("quarrow-bench-write", folder);
    const auto doc = FullMap();
    for (auto _ : state) {
        if (!WriteMapFile(*doc, name.c_str())) {
            state.SkipWithError("write failed");
            break;
        }
    }
    std::remove(name.c_str());
}

// The whole save as the editor does it: temporary file, sync to disk, rename.
void BM_WriteMap(benchmark::State& state) { WriteMapInto(state, std::filesystem::temp_directory_path()); }
BENCHMARK(BM_WriteMap)->Unit(benchmark::kMillisecond);

// The same save into a memory file system, where the sync costs nothing: what
// remains is formatting and writing.
void BM_WriteMapToMemoryFolder(benchmark::State& state) {
    if (!std::filesystem::is_directory("/dev/shm")) {
        state.SkipWithError("no /dev/shm");
        return;
    }
    WriteMapInto(state, "/dev/shm");
}
BENCHMARK(BM_WriteMapToMemoryFolder)->Unit(benchmark::kMillisecond);

}  // namespace
