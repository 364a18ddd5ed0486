// One frame of the status overlay through the host's canvas, with tracing off, beside its floor.
//
// Index of this file:
// - The frame through the host
// - Its floor: the same texts formatted and recorded without the host
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

// What a canvas must keep of a frame: the position and colour set last, and each text drawn with them.
struct RecordedFrame {
    Vector2 position;
    LinearColor color;
    std::vector<halvex::host::CanvasText> texts;

    void draw(std::string text, float scale) {
        texts.push_back(halvex::host::CanvasText{std::move(text), position, color, scale, scale});
    }
};

// The overlay's irreducible work for the frame above: its six lines formatted, its sixteen colours,
// positions and texts recorded, and the game speed found by name in a hashed table (the plugin names
// the variable with a string of its own). Its layout arithmetic is left out, as is every check of the
// host's: it is the least any host could do for this frame.
void drawFloorFrame(const Kadenzo& plugin, const std::unordered_map<std::string, float>& variables,
                    RecordedFrame& frame) {
    const status_overlay::Anchors anchors = status_overlay::computeAnchors(Vector2{1920, 1080});
    // A line is handed to the canvas as the plugin does it: a copy of the formatted text.
    const auto line = [&](const std::string& text, int row) {
        frame.color = LinearColor{255, 255, 255, 255};
        frame.position = Vector2{status_overlay::lineStart(anchors, text.size()), anchors.y0 + row};
        frame.draw(text, 1.0f);
    };
    line(fmt::format("Streak: {0}", plugin.currentStreak), 0);
    for (std::size_t marker = 0; marker < plugin.statusColors.size(); ++marker) {
        frame.color = plugin.statusColors[marker];
        frame.position = Vector2{anchors.x0 + 15 * static_cast<int>(marker), anchors.y0 + 20};
        frame.draw("*", 1.5f);
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
        RecordedFrame check;
        drawFloorFrame(overlay.plugin, variables, check);
        if (!sameTexts(check.texts, overlay.frame()))
            state.SkipWithError("the floor draws other texts than the overlay");
    }
    for (auto _ : state) {
        RecordedFrame frame;
        drawFloorFrame(overlay.plugin, variables, frame);
        benchmark::DoNotOptimize(frame.texts.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(overlayFrameFloor);

} // namespace
