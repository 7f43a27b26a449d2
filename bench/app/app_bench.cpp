// The editor as a person meets it, in-process on the offscreen platform:
// how long it takes from constructing the App to its first presented frame,
// and how many whole frames a second it draws with a 100 × 100 map open.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

#include "app.h"
#include "appdriver.h"
#include "benchmaps.h"
#include "editorscene.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The App as the entry point makes it, up to and including its first frame.
App* StartToFirstFrame() {
    App* app = new App;
    app->Init();
    RunUntilFirstFrame(*app);
    return app;
}

// The process's first start pays once for fonts, styles and the first
// images; later starts in the same process find them warm.
double coldStartMs = -1.0;

void BM_StartupToFirstFrame(benchmark::State& state) {
    if (!EnterRunFolder()) return state.SkipWithError("no run folder");
    if (coldStartMs < 0.0) {
        const Clock::time_point start = Clock::now();
        StopApp(StartToFirstFrame());
        coldStartMs = MillisecondsSince(start);
        DestroyWindowsLeftBehind();
    }
    for (auto _ : state) {
        StopApp(StartToFirstFrame());
        // The windows outlive Release (they go with the process); clearing
        // them is not part of a start.
        state.PauseTiming();
        DestroyWindowsLeftBehind();
        state.ResumeTiming();
    }
    if (ModalBoxesAsked() != 0) state.SkipWithError("a message box was asked during start-up");
    state.counters["cold_start_ms"] = coldStartMs;
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(20);

using MapPainter = void (*)(EditorScene&);

// One whole App::Frame with the map open; frames per second as a rate, the
// sprites the view hands over and the process's resident memory as counters.
void BM_Frame(benchmark::State& state, MapPainter paint) {
    if (!EnterRunFolder()) return state.SkipWithError("no run folder");
    App* app = new App;
    app->Init();
    EditorScene* scene = GetEditorScene();
    if (scene == nullptr || !EnterDataFolder()) {
        StopApp(app);
        DestroyWindowsLeftBehind();
        return state.SkipWithError("the editor scene or the data folder is missing");
    }
    paint(*scene);
    // The first frames load the tile sheet and object images.
    for (int frame = 0; frame < 10; ++frame) {
        DeliverMessages();
        app->Frame();
    }
    DeliverMessages();
    for (auto _ : state) app->Frame();
    state.counters["fps"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["sprites"] = SpritesInView(*scene);
    state.counters["rss_MB"] = static_cast<double>(ResidentKilobytes()) / 1024.0;
    StopApp(app);
    DestroyWindowsLeftBehind();
    EnterRunFolder();
}
BENCHMARK_CAPTURE(BM_Frame, typical, &PaintTypicalMap)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Frame, worst, &PaintWorstMap)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // The editor's windows need no display here.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    StartWindowSystem(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
