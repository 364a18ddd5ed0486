// The lifecycle of a loaded plugin: disarmed until a round loads while it is enabled, armed (the pack's
// five hooks and the status drawable) until the editor is destroyed while it is enabled or the host
// calls onUnload; everything of the plugin's gone once the host unloads it.
//
// Index of this file:
// - The calls of arming and disarming
// - lifecycle.transitions: each transition, the exact calls it makes
// - lifecycle.random-events: random console scripts against a model of the state machine
// - lifecycle.unload-clears
#include "validate/check_support.h"
#include "validate/checks.h"

#include "console/console.h"
#include "game/attempt_codes.h"
#include "settings_table.h"

#include <fmt/format.h>

#include <random>
#include <sstream>

namespace kadenzo::validate {

namespace {

// ---- The calls of arming and disarming ---------------------------------------------------------

constexpr const char* drawableCall = "plugin drawable";
constexpr const char* unregisterDrawablesCall = "plugin unregister-drawables";

// The pack's hooks and the drawable, in any order.
std::vector<std::string> armingCalls() {
    std::vector<std::string> calls{drawableCall};
    for (const HookedFunction& function : hookedFunctions)
        if (!function.longLived) calls.push_back(std::string(function.hookCall) + " " + function.name);
    return calls;
}

// The pack's hooks removed in the order they were made, then the drawable.
std::vector<std::string> disarmingCalls() {
    std::vector<std::string> calls;
    for (const HookedFunction& function : hookedFunctions)
        if (!function.longLived) calls.push_back(std::string(function.unhookCall) + " " + function.name);
    calls.push_back(unregisterDrawablesCall);
    return calls;
}

void requireRegistrations(halvex::host::HostState& host, const Registrations& expected,
                          const std::string& after) {
    if (const auto difference = registrationsDifference(registrationsOf(host), expected))
        throw CheckFailure("after " + after + " " + *difference);
}

// ---- lifecycle.transitions ---------------------------------------------------------------------

enum class Calls { none, arming, disarming };

struct Transition {
    const char* name;
    void (*act)(TracedHost& traced);
    Calls calls;
    bool armedAfter;
};

void loadRound(TracedHost& traced) {
    traced.fire(game_function::loadRound);
}
void editorDestroyed(TracedHost& traced) {
    traced.fire(game_function::editorDestroyed);
}
void enable(TracedHost& traced) {
    traced.set(setting::slowMoEnabled.name, "1");
}
void disable(TracedHost& traced) {
    traced.set(setting::slowMoEnabled.name, "0");
}
// The host's own call, on the object it holds.
void hostOnUnload(TracedHost& traced) {
    traced.plugin().plugin().onUnload();
}

// From a freshly loaded plugin (disabled: slowMoEnabled's default is 0), in custom training.
constexpr Transition transitions[] = {
    {"LoadRound while disabled and disarmed", loadRound, Calls::none, false},
    {"Destroyed while disabled and disarmed", editorDestroyed, Calls::none, false},
    {"enabling while disarmed", enable, Calls::none, false},
    {"Destroyed while enabled and disarmed", editorDestroyed, Calls::none, false},
    {"LoadRound while enabled and disarmed", loadRound, Calls::arming, true},
    {"LoadRound while armed", loadRound, Calls::none, true},
    {"Destroyed while armed and enabled", editorDestroyed, Calls::disarming, false},
    {"Destroyed after disarming", editorDestroyed, Calls::none, false},
    {"LoadRound after Destroyed disarmed", loadRound, Calls::arming, true},
    {"disabling while armed", disable, Calls::none, true},
    {"Destroyed while armed and disabled", editorDestroyed, Calls::none, true},
    {"LoadRound while armed and disabled", loadRound, Calls::none, true},
    {"enabling while armed", enable, Calls::none, true},
    {"the host's onUnload while armed", hostOnUnload, Calls::disarming, false},
    {"the host's onUnload while disarmed", hostOnUnload, Calls::none, false},
    {"LoadRound after the host's onUnload", loadRound, Calls::arming, true},
    {"disabling while armed, again", disable, Calls::none, true},
    {"the host's onUnload while armed and disabled", hostOnUnload, Calls::disarming, false},
    {"LoadRound while disabled after the host's onUnload", loadRound, Calls::none, false},
};

std::optional<std::string> unexpectedCalls(const std::vector<std::string>& calls, Calls expected) {
    switch (expected) {
    case Calls::none:
        if (calls.empty()) return std::nullopt;
        return fmt::format("the plugin called '{}', expected nothing", calls.front());
    case Calls::arming:
        return unorderedCallsDifference(calls, armingCalls());
    case Calls::disarming:
        return callsDifference(calls, disarmingCalls());
    }
    return std::nullopt;
}

// ---- lifecycle.random-events -------------------------------------------------------------------

// The state machine as the host sees it: armed or not, and the setting that lets rounds arm it.
struct LifecycleModel {
    bool enabled = false; // slowMoEnabled's default
    bool armed = false;
};

enum class StepKind { loadRound, destroyed, enable, disable, attempts, reload };

struct StepChoice {
    StepKind kind;
    int weight;
};

// A reload loads the module again, by far the slowest step (some 40 ms under Wine): about one step in 25.
constexpr StepChoice stepChoices[] = {
    {StepKind::loadRound, 6}, {StepKind::destroyed, 6}, {StepKind::enable, 4},
    {StepKind::disable, 2},   {StepKind::attempts, 6},  {StepKind::reload, 1},
};

constexpr int sequenceCount = 200;
constexpr int stepsPerSequence = 50;
constexpr int mostAttemptsPerStep = 3;

// One step: the console lines that make it, and what it does to the model.
struct Step {
    StepKind kind;
    std::vector<std::string> lines;
};

void apply(LifecycleModel& model, StepKind kind) {
    switch (kind) {
    case StepKind::loadRound:
        model.armed = model.armed || model.enabled;
        break;
    case StepKind::destroyed:
        model.armed = model.armed && !model.enabled;
        break;
    case StepKind::enable:
        model.enabled = true;
        break;
    case StepKind::disable:
        model.enabled = false;
        break;
    case StepKind::attempts:
        break;
    case StepKind::reload:
        model.armed = false; // a fresh object; the host keeps the variable's value
        break;
    }
}

// Rationale: the engine's numbers are the same with every standard library, a distribution's are not;
// the slight bias of a remainder does not matter here.
class Choices {
public:
    explicit Choices(std::uint64_t seed) : engine(seed) {}
    std::size_t below(std::size_t count) { return static_cast<std::size_t>(engine() % count); }

private:
    std::mt19937_64 engine;
};

StepKind chooseKind(Choices& choices) {
    int total = 0;
    for (const StepChoice& choice : stepChoices)
        total += choice.weight;
    int drawn = static_cast<int>(choices.below(static_cast<std::size_t>(total)));
    for (const StepChoice& choice : stepChoices) {
        if (drawn < choice.weight) return choice.kind;
        drawn -= choice.weight;
    }
    return stepChoices[0].kind;
}

Step makeStep(Choices& choices, const std::string& modulePath) {
    const StepKind kind = chooseKind(choices);
    const std::string enabledVariable = setting::slowMoEnabled.name;
    switch (kind) {
    case StepKind::loadRound:
        return {kind, {"loadround"}};
    case StepKind::destroyed:
        return {kind, {"destroyed"}};
    case StepKind::enable:
        return {kind, {enabledVariable + " 1"}};
    case StepKind::disable:
        return {kind, {enabledVariable + " 0"}};
    case StepKind::attempts: {
        std::string codes;
        const std::size_t letters = sizeof sim::attemptCodeLetters - 1;
        for (std::size_t count = 1 + choices.below(mostAttemptsPerStep); count > 0; --count)
            codes += sim::attemptCodeLetters[choices.below(letters)];
        return {kind, {"attempts " + codes}};
    }
    case StepKind::reload:
        return {kind, {"plugin unload", "plugin load \"" + modulePath + "\""}};
    }
    return {kind, {}};
}

// Reports the console script that replays the sequence up to and including step LAST.
void reportReplay(CheckContext& context, int sequence, const std::vector<Step>& steps, std::size_t last) {
    context.report(fmt::format("# sequence {} of seed {}; replay: kadenzo-sim --plugin \"{}\" SCRIPT, "
                               "SCRIPT holding these lines",
                               sequence, context.seed(), context.modulePath()));
    context.report("trace on");
    context.report("training on");
    for (std::size_t index = 0; index <= last && index < steps.size(); ++index)
        for (const std::string& line : steps[index].lines)
            context.report(line);
}

std::string describeModel(const LifecycleModel& model) {
    return fmt::format("{} and {}", model.armed ? "armed" : "disarmed",
                       model.enabled ? "enabled" : "disabled");
}

// Plays one sequence in a simulator of its own, as kadenzo-sim runs the script; fails the check at the
// first step after which the plugin's registrations differ from the model's.
void playSequence(CheckContext& context, int sequence, const std::vector<Step>& steps) {
    sim::Simulator simulator;
    loadWatched(context, simulator);
    std::ostringstream output;
    sim::Console console(simulator, output);
    console.execute("training on");
    LifecycleModel model;
    for (std::size_t index = 0; index < steps.size(); ++index) {
        const Step& step = steps[index];
        std::optional<std::string> difference;
        try {
            for (const std::string& line : step.lines)
                console.execute(line);
            apply(model, step.kind);
            difference =
                registrationsDifference(registrationsOf(simulator.host), loadedRegistrations(model.armed));
        } catch (const std::exception& failure) {
            difference = std::string("it failed: ") + failure.what();
        }
        if (!difference) continue;
        reportReplay(context, sequence, steps, index);
        throw CheckFailure(fmt::format("sequence {}, step {} ({}), expected {}: {}", sequence, index + 1,
                                       step.lines.front(), describeModel(model), *difference));
    }
    try {
        console.shutDown();
    } catch (const std::exception& failure) {
        reportReplay(context, sequence, steps, steps.size());
        throw CheckFailure(fmt::format("sequence {}, at its end: {}", sequence, failure.what()));
    }
}

} // namespace

// ---- lifecycle.transitions ---------------------------------------------------------------------

void checkLifecycleTransitions(CheckContext& context) {
    TracedHost traced(context);
    traced.load();
    traced.takeCalls();
    for (const Transition& transition : transitions) {
        transition.act(traced);
        if (const auto difference = unexpectedCalls(traced.takeCalls(), transition.calls))
            throw CheckFailure(std::string(transition.name) + ": " + *difference);
        requireRegistrations(traced.host, loadedRegistrations(transition.armedAfter), transition.name);
    }
    context.report(fmt::format("{} transitions", std::size(transitions)));
    traced.unload();
}

// ---- lifecycle.random-events -------------------------------------------------------------------

void checkLifecycleRandomEvents(CheckContext& context) {
    Choices choices(context.seed());
    for (int sequence = 1; sequence <= sequenceCount; ++sequence) {
        std::vector<Step> steps;
        for (int step = 0; step < stepsPerSequence; ++step)
            steps.push_back(makeStep(choices, context.modulePath()));
        playSequence(context, sequence, steps);
    }
    context.report(fmt::format("{} sequences of {} steps", sequenceCount, stepsPerSequence));
}

// ---- lifecycle.unload-clears -------------------------------------------------------------------

void checkUnloadClears(CheckContext& context) {
    TracedHost traced(context);
    traced.load();
    enable(traced);
    loadRound(traced);
    requireRegistrations(traced.host, loadedRegistrations(true), "LoadRound while enabled");
    hostOnUnload(traced);
    requireRegistrations(traced.host, loadedRegistrations(false), "onUnload");

    // The host unloads a plugin that is armed again: onUnload, then it drops the rest.
    loadRound(traced);
    requireRegistrations(traced.host, loadedRegistrations(true), "LoadRound after onUnload");
    traced.unload();
    requireNothingRegistered(traced.host, "after unloading");
}

} // namespace kadenzo::validate
