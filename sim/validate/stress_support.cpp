// The stress checks' shared parts (stress_support.h).
//
// Index of this file:
// - WatchedSimulator
// - Sessions
#include "validate/stress_support.h"

#include "game/attempt_codes.h"

#include <fmt/format.h>

#include <iterator>

namespace kadenzo::validate {

// ---- WatchedSimulator --------------------------------------------------------------------------

WatchedSimulator::WatchedSimulator(CheckContext& context, Start start) {
    context.watch(simulator.host);
    if (start == Start::withPlugin) sim::loadPlugin(simulator, context.modulePath());
}

Halvex::Plugin::PluginSettingsWindow& WatchedSimulator::settingsPage() const {
    Halvex::Plugin::PluginSettingsWindow* page =
        simulator.plugin ? simulator.plugin->settingsWindow() : nullptr;
    require(page != nullptr, "the plugin has no settings page");
    return *page;
}

void requireNoViolations(const CheckContext& context) {
    const std::vector<std::string> violations = context.contractViolations();
    if (violations.empty()) return;
    throw CheckFailure(fmt::format("the plugin broke the host's calling rules ({} times); first: {}",
                                   violations.size(), violations.front()));
}

// ---- Sessions ----------------------------------------------------------------------------------

std::string randomAttemptsLine(Random& random, std::size_t least, std::size_t most) {
    constexpr std::size_t codeCount = std::size(sim::attemptCodeLetters) - 1;
    std::string line = "attempts ";
    for (std::size_t attempt = random.between(least, most); attempt > 0; --attempt)
        line += sim::attemptCodeLetters[random.below(codeCount)];
    return line;
}

std::vector<std::string> randomSessionLines(Random& random) {
    std::vector<std::string> lines{"slowMoEnabled 1", "training on", "loadround",
                                   randomAttemptsLine(random, 1, 12)};
    const bool settingsShown = random.oneIn(4);
    if (settingsShown) lines.push_back("settings on");
    lines.push_back(fmt::format("frame {}", random.between(1, 3)));
    if (settingsShown) lines.push_back("settings off");
    if (random.oneIn(4)) lines.push_back("destroyed");
    return lines;
}

} // namespace kadenzo::validate
