// settings.hostile-values: every console variable of the plugin, and the game speed, set through the
// console to its limits, beyond them, zero, NaN, the infinities, the largest and smallest floats and
// beyond what a float holds, each followed by a short session with frames and the settings page
// shown: first each value alone, then all of them piling up, in an order that follows the seed. A value may
// be refused (a ConsoleError from the console, as NaN is for a ranged variable); anything else that throws, a
// broken calling rule, or a game speed the plugin writes that is no finite positive number fails the check,
// which then reports the console script that leads there.
//
// Index of this file:
// - values: the hostile values of one variable
// - Run: the script so far, the speed the plugin writes, the steps
// - checkHostileSettings
#include "validate/checks.h"

#include "validate/stress_support.h"

#include <fmt/format.h>

#include <cmath>
#include <iterator>

namespace kadenzo::validate {

namespace {

// ---- Values ------------------------------------------------------------------------------------

// For every variable, as the console reads them.
constexpr const char* everyVariablesValues[] = {
    "0",
    "-0",
    "nan",
    "inf",
    "-inf",
    "3.4028235e38",  // the largest float
    "-3.4028235e38", // the lowest
    "1e39",          // beyond a float: infinite once read
    "-1e39",
    "1e-45", // the smallest subnormal float
};
static_assert(std::size(everyVariablesValues) == 10);

// The fixed values, and for a variable with a range its limits and a value beyond each.
std::vector<std::string> hostileValues(const halvex::host::ConsoleVariable& variable) {
    std::vector<std::string> values(std::begin(everyVariablesValues), std::end(everyVariablesValues));
    const halvex::host::VariableRange& range = variable.range();
    using halvex::host::formatConsoleFloat;
    if (range.hasMin) {
        values.push_back(formatConsoleFloat(range.min));
        values.push_back(formatConsoleFloat(range.min - (1.0f + std::fabs(range.min))));
    }
    if (range.hasMax) {
        values.push_back(formatConsoleFloat(range.max));
        values.push_back(formatConsoleFloat(range.max + (1.0f + std::fabs(range.max))));
    }
    return values;
}

// ---- Run ---------------------------------------------------------------------------------------

struct Step {
    std::string variable;
    std::string value;
};

class Run {
public:
    explicit Run(CheckContext& context) : context(context), watched(context) {
        watched.simulator.host.setTraceSink([this](const std::string& line) { noteSpeedWrite(line); });
        watched.simulator.host.setTracing(true);
    }

    // Every plugin variable and the game speed, each with each of its values, in the seed's order.
    std::vector<Step> steps(Random& random) {
        std::vector<Step> all;
        for (const halvex::host::ConsoleVariable* variable : watched.simulator.host.variables().all())
            for (const std::string& value : hostileValues(*variable))
                all.push_back(Step{variable->name(), value});
        random.shuffle(all);
        return all;
    }

    // A line that must be carried out, and leave the game speed and the calling rules sound.
    void execute(const std::string& line) {
        script.push_back(line);
        try {
            watched.console.execute(line);
        } catch (const std::exception& failure) {
            fail(fmt::format("\"{}\" failed: {}", line, failure.what()));
        }
        requireSound(line);
    }

    // A setting through the console; false when the console refused the value, which changes nothing
    // and is left out of the script.
    bool trySet(const Step& step) {
        const std::string line = step.variable + " " + step.value;
        try {
            watched.console.execute(line);
        } catch (const sim::ConsoleError&) {
            return false;
        } catch (const std::exception& failure) {
            script.push_back(line);
            fail(fmt::format("\"{}\" failed: {}", line, failure.what()));
        }
        script.push_back(line);
        requireSound(line);
        return true;
    }

    int speedWrites() const { return writes; }
    std::size_t variableCount() { return watched.simulator.host.variables().all().size(); }

    // What the variable holds, as the console shows it.
    std::string valueText(const std::string& name) {
        const halvex::host::ConsoleVariable* variable = watched.simulator.host.variables().find(name);
        return variable ? variable->text() : std::string();
    }

private:
    // "plugin set sv_soccar_gamespeed VALUE", with " (int)" after the value for the integer setter.
    void noteSpeedWrite(const std::string& line) {
        const std::string prefix = std::string("plugin set ") + gameSpeedVariable + " ";
        if (line.rfind(prefix, 0) != 0) return;
        const std::string value = line.substr(prefix.size(), line.find(' ', prefix.size()) - prefix.size());
        ++writes;
        const std::optional<float> speed = halvex::host::parseConsoleNumber(value);
        if (!speed || !halvex::host::ruleAdmits(halvex::host::gameSpeedRule, *speed))
            unsoundSpeed = fmt::format("the plugin set the game speed to {}", value);
    }

    void requireSound(const std::string& line) {
        if (!unsoundSpeed.empty()) fail(fmt::format("after \"{}\": {}", line, unsoundSpeed));
        try {
            requireNoViolations(context);
        } catch (const CheckFailure& failure) {
            fail(fmt::format("after \"{}\": {}", line, failure.what()));
        }
    }

    // Reports the script that leads to the failure, one command per line, then fails the check.
    [[noreturn]] void fail(const std::string& why) {
        context.report("# the steps up to the failure, a console script for kadenzo-sim:");
        for (const std::string& line : script)
            context.report(line);
        throw CheckFailure(why);
    }

    CheckContext& context;
    WatchedSimulator watched;
    std::vector<std::string> script;
    int writes = 0;
    std::string unsoundSpeed;
};

// The plugin's switch. Where values pile up it is set on again after each of its own, so that the
// values of the other variables meet an armed plugin.
constexpr const char* switchVariable = "slowMoEnabled";

// Ten to fourteen attempts, all goals or all explosions: every session ends a window far from any
// target accuracy, so that the plugin steps the speed up or down in each (random attempts would miss
// the default target of 0.7 the same way every time, and the speed would settle at its lower limit).
std::string steppingAttemptsLine(Random& random) {
    return "attempts " + std::string(random.between(10, 14), random.oneIn(2) ? 'G' : 'X');
}

void playSession(Run& run, Random& random) {
    run.execute("loadround");
    run.execute(steppingAttemptsLine(random));
    run.execute("frame 2");
}

} // namespace

void checkHostileSettings(CheckContext& context) {
    Random random(context.seed());
    Run run(context);
    const std::string switchOn = std::string(switchVariable) + " 1";
    for (const std::string& line : {switchOn, std::string("training on"), std::string("settings on")})
        run.execute(line);
    const std::vector<Step> steps = run.steps(random);
    int refused = 0;
    // Each value alone: the variable is set back to what it held once its session is over.
    for (const Step& step : steps) {
        const std::string before = run.valueText(step.variable);
        if (!run.trySet(step)) ++refused;
        playSession(run, random);
        run.execute(step.variable + " " + before);
    }
    // The same values piling up, each staying until its variable is set again.
    for (const Step& step : steps) {
        if (!run.trySet(step)) ++refused;
        playSession(run, random);
        if (step.variable == switchVariable) run.execute(switchOn);
    }
    context.report(fmt::format("{} values of {} variables set through the console, each alone and then "
                               "piling up; {} refused; the plugin set the game speed {} times, always to a "
                               "finite positive number",
                               steps.size(), run.variableCount(), refused, run.speedWrites()));
}

} // namespace kadenzo::validate
