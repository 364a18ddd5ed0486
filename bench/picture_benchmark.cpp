// Rendering the simulator's pictures in memory: a full-size overlay frame and a session chart.
#include "pictures/pictures.h"
#include "render/offscreen_renderer.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::unique_ptr<kadenzo::render::OffscreenRenderer> makeRenderer(benchmark::State& state) {
    std::string error;
    auto renderer = kadenzo::render::OffscreenRenderer::create(error);
    if (!renderer) state.SkipWithError(error.c_str());
    return renderer;
}

// Seven overlay lines and a row of markers on a 1920 x 1080 canvas, as `play --out` draws it.
void overlayPicture(benchmark::State& state) {
    auto renderer = makeRenderer(state);
    if (!renderer) return;
    std::vector<halvex::host::CanvasText> texts;
    const char* lines[] = {"Streak: 12",
                           "**********",
                           "Game speed: 94%",
                           "Previous Accuracy: 70%",
                           "Total Shots: 1234",
                           "Total Accuracy: 73%",
                           "Last 100 Shots Accuracy: 71%"};
    int y = 52;
    for (const char* line : lines) {
        texts.push_back(halvex::host::CanvasText{line, Vector2{1400, y}, LinearColor{255, 255, 255, 255}});
        y += 20;
    }
    const kadenzo::render::Scene scene = kadenzo::sim::canvasScene(Vector2{1920, 1080}, texts);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer->render(scene).rgba.data());
}
BENCHMARK(overlayPicture)->Unit(benchmark::kMillisecond);

void speedChartPicture(benchmark::State& state) {
    auto renderer = makeRenderer(state);
    if (!renderer) return;
    kadenzo::sim::TenAttemptWindows windows;
    for (int window = 0; window < 30; ++window)
        windows.add(kadenzo::sim::TenAttemptWindow{window % 11, 1.0f + 0.05f * (window % 5),
                                                   1.0f + 0.05f * ((window + 1) % 5)});
    const kadenzo::render::Scene scene = kadenzo::sim::speedChartScene(windows, 0.7f);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer->render(scene).rgba.data());
}
BENCHMARK(speedChartPicture)->Unit(benchmark::kMillisecond);

} // namespace
