// Opening hostile map files costs time in proportion to their size: the same
// kind of file at 10 MB and at 100 MB, side by side, should differ by about ten
// in time, bytes per second staying level (no rescanning), and 100 MB should
// open well within a second.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "mapfile.h"

namespace {

enum class Shape { Digits, GridNumbers, LongLine };

std::string HostileFile(Shape shape, int64_t megabytes) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("quarrow-hostile-" + std::to_string(::getpid()) + "-" +
                               std::to_string(static_cast<int>(shape)) + "-" + std::to_string(megabytes) + ".qrd"))
                                 .string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    const char* head = shape == Shape::GridNumbers ? "*MAX_SHELL_WIDTH_HEIGHT 2147483647 2147483647\r\n*LOWER_SHELL\r\n"
                       : shape == Shape::LongLine  ? "*LOWER_SHELL_URL "
                                                   : "";
    const std::string unit = shape == Shape::GridNumbers ? "12 " : shape == Shape::LongLine ? "a" : "7";
    std::string block;
    while (block.size() < (1 << 20)) block += unit;
    block.resize((1 << 20) - (1 << 20) % unit.size());
    std::fputs(head, file);
    for (int64_t i = 0; i < megabytes; ++i) std::fwrite(block.data(), 1, block.size(), file);
    std::fclose(file);
    return path;
}

void BM_OpenHostileMap(benchmark::State& state) {
    const auto shape = static_cast<Shape>(state.range(0));
    const std::string path = HostileFile(shape, state.range(1));
    auto doc = std::make_unique<MapDocument>();
    for (auto _ : state) benchmark::DoNotOptimize(ReadMapFile(*doc, path.c_str()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(1) * (1 << 20));
    std::remove(path.c_str());
}

}  // namespace

BENCHMARK(BM_OpenHostileMap)
    ->ArgNames({"shape", "MB"})
    ->ArgsProduct({{static_cast<int>(Shape::Digits), static_cast<int>(Shape::GridNumbers),
                    static_cast<int>(Shape::LongLine)},
                   {10, 100}})
    ->Unit(benchmark::kMillisecond);
