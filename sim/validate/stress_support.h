// What the churn, hostile-settings and frame-budget checks share: random choices that follow the
// check's seed, a watched simulator driven through its console, short random sessions as console
// lines.
//
// Index of this file:
// - Random: seeded choices, the same on every platform
// - WatchedSimulator: a simulator whose host reports into the check, and its console
// - sessions: console lines of a short session
#pragma once

#include "console/console.h"
#include "validate/check.h"

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace kadenzo::validate {

// ---- Random ------------------------------------------------------------------------------------

// Rationale: std::mt19937_64's numbers are fixed by the standard, the library's distributions are
// not; choices made from the engine's numbers alone are the same with every C++ library, so a seed
// repeats a run on Linux and on Windows alike.
class Random {
public:
    explicit Random(std::uint64_t seed) : engine(seed) {}

    // A number from 0 to COUNT - 1; COUNT must not be 0. (The modulo's bias is far below anything a
    // check could notice.)
    std::size_t below(std::size_t count) { return static_cast<std::size_t>(engine() % count); }
    // A number from LEAST to MOST.
    std::size_t between(std::size_t least, std::size_t most) { return least + below(most - least + 1); }
    // True once in COUNT times on average.
    bool oneIn(std::size_t count) { return below(count) == 0; }

    // The items in an order that follows the seed (Fisher and Yates).
    template <typename Item> void shuffle(std::vector<Item>& items) {
        for (std::size_t index = items.size(); index > 1; --index)
            std::swap(items[index - 1], items[below(index)]);
    }

private:
    std::mt19937_64 engine;
};

// ---- WatchedSimulator --------------------------------------------------------------------------

// A simulator whose host reports the calling rules into the check, and a console over it whose output
// is discarded. The plugin is loaded by the constructor unless told otherwise.
struct WatchedSimulator {
    enum class Start { withPlugin, empty };

    // Throws what loadPlugin throws.
    explicit WatchedSimulator(CheckContext& context, Start start = Start::withPlugin);
    WatchedSimulator(const WatchedSimulator&) = delete;
    WatchedSimulator& operator=(const WatchedSimulator&) = delete;

    // The plugin's settings page and window, as the host holds them; fails the check when it has none.
    Halvex::Plugin::PluginSettingsWindow& settingsPage() const;

    sim::Simulator simulator;
    std::ostream discarded{nullptr};
    sim::Console console{simulator, discarded};
};

// Fails the check with the first violation of the host's calling rules reported so far, if any.
void requireNoViolations(const CheckContext& context);

// ---- Sessions ----------------------------------------------------------------------------------

// "attempts CODES" with LEAST to MOST random attempt codes.
std::string randomAttemptsLine(Random& random, std::size_t least, std::size_t most);

// The console lines of a short random session from a freshly loaded plugin: the plugin enabled,
// training on, a round loaded, a few attempts and frames, the settings window shown now and then, and
// now and then the training editor destroyed again (so that the plugin is unloaded both armed and
// disarmed).
std::vector<std::string> randomSessionLines(Random& random);

} // namespace kadenzo::validate
