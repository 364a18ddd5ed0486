// One frame of the status overlay through the host's canvas, with tracing off, beside its floor.
//
// Index of this file:
// - The frame through the host
// - Its floor: the same texts formatted and recorded by the canvas without the host's bookkeeping
#include "Kadenzo.h"
#include "host_state.h"
#include "loader/plugin_attachment.h"
#include "status_overlay.h"

#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace {

// ---- The frame through the host ----------------------------------------------------------------

// The plugin linked in and armed, in a session well under way: every line has several digits to format.
struct OverlayUnderWay {
    halvex::host::HostState host;
    kadenzo::sim::PluginAttachment attachment{host, {&getPlugin, &deleteMe}, "Kadenzo"};
    Kadenzo& plugin = static_cast<Kadenzo&>(attachment.plugin());

    OverlayUnderWay() {
        host.variables().find("slowMoEnabled")->setText("1");
        host.setInCustomTraining(true);
        host.fireEvent(game_function::loadRound, ActorWrapper(0x1000));
        plugin.totalShots = 1234;
        plugin.totalSuccesses = 901;
        plugin.currentStreak = 12;
        plugin.previousAccuracy = 0.7f;
    }
    ~OverlayUnderWay() {
        attachment.detach();
        moduleCvarManager.reset();
    }

    std::vector<halvex::host::CanvasText> frame() {
        halvex::host::Canvas canvas(host, Vector2{1920, 1080});
        host.renderFrame(canvas);
        return canvas.texts();
    }
};

void overlayFrame(benchmark::State& state) {
    OverlayUnderWay overlay;
    for (auto _ : state) {
        halvex::host::Canvas canvas(overlay.host, Vector2{1920, 1080});
        overlay.host.renderFrame(canvas);
        benchmark::DoNotOptimize(canvas.texts().data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(overlayFrame);

// ---- Its floor ---------------------------------------------------------------------------------

// The overlay's irreducible work for the frame above: its six lines formatted, its sixteen colours,
// positions and texts recorded by the host's canvas, called directly, and the game speed found by name in
// a hashed table (the plugin names the variable with a string of its own). What is left out is the
// host's bookkeeping between the plugin and the canvas: the wrappers, the call contract, the drawable's
// dispatch and the variable's handle.
void drawFloorFrame(const Kadenzo& plugin, const std::unordered_map<std::string, float>& variables,
                    halvex::host::Canvas& canvas) {
    const status_overlay::Anchors anchors = status_overlay::computeAnchors(Vector2{1920, 1080});
    // A line is handed to the canvas as the plugin does it: a copy of the formatted text.
    const auto line = [&](const std::string& text, int row) {
        canvas.setColor(255, 255, 255, 255);
        canvas.setPosition(Vector2{status_overlay::lineStart(anchors, text.size()), anchors.y0 + row});
        canvas.drawString(text, 1.0f, 1.0f);
    };
    line(fmt::format("Streak: {0}", plugin.currentStreak), 0);
    for (std::size_t marker = 0; marker < plugin.statusColors.size(); ++marker) {
        canvas.setColor(plugin.statusColors[marker]);
        canvas.setPosition(Vector2{anchors.x0 + 15 * static_cast<int>(marker), anchors.y0 + 20});
        canvas.drawString("*", 1.5f, 1.5f);
    }
    const float speed = variables.find(gameSpeedVariable)->second;
    line(fmt::format("Game speed: {0}%", status_overlay::truncateToInt(speed * 100.0f)), 40);
    line(fmt::format("Previous Accuracy: {0}%",
                     status_overlay::truncateToInt(plugin.previousAccuracy * 100.0f)),
         60);
    line(fmt::format("Total Shots: {0}", plugin.totalShots), 80);
    const std::int32_t totalAccuracy = status_overlay::percentOf(plugin.totalSuccesses, plugin.totalShots);
    line(fmt::format("Total Accuracy: {0}%", totalAccuracy), 100);
    const std::int32_t lastHundred =
        plugin.totalShots > 100 ? plugin.countLastShotsSuccesses() : totalAccuracy;
    line(fmt::format("Last 100 Shots Accuracy: {0}%", lastHundred), 120);
}

bool sameTexts(const std::vector<halvex::host::CanvasText>& left,
               const std::vector<halvex::host::CanvasText>& right) {
    if (left.size() != right.size()) return false;
    for (std::size_t index = 0; index < left.size(); ++index)
        if (left[index].text != right[index].text) return false;
    return true;
}

void overlayFrameFloor(benchmark::State& state) {
    OverlayUnderWay overlay;
    std::unordered_map<std::string, float> variables;
    for (const halvex::host::ConsoleVariable* variable : overlay.host.variables().all())
        variables.emplace(variable->name(), variable->floatValue());
    {
        halvex::host::Canvas check(overlay.host, Vector2{1920, 1080});
        drawFloorFrame(overlay.plugin, variables, check);
        if (!sameTexts(check.texts(), overlay.frame()))
            state.SkipWithError("the floor draws other texts than the overlay");
    }
    for (auto _ : state) {
        halvex::host::Canvas canvas(overlay.host, Vector2{1920, 1080});
        drawFloorFrame(overlay.plugin, variables, canvas);
        benchmark::DoNotOptimize(canvas.texts().data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(overlayFrameFloor);

} // namespace
