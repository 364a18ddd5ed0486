// What the checks share: opening the module's entry points, a host of the check's own, the
// registrations it watches, and comparing lists of calls.
//
// Index of this file:
// - The entry points
// - A host of the check's own
// - Registrations
// - Calls
#include "validate/check_support.h"

#include "console/console.h"

#include <fmt/format.h>

#include <algorithm>
#include <map>

namespace kadenzo::validate {

// ---- The entry points --------------------------------------------------------------------------

OpenedModule::OpenedModule(const std::string& path) : library(path), exported(sim::checkedRecord(library)) {}

PluginHandle& handleAt(std::uintptr_t address) {
    require(address != 0, "getPlugin returned no handle (the address 0)");
    return *reinterpret_cast<PluginHandle*>(address);
}

// ---- A host of the check's own -----------------------------------------------------------------

TracedHost::TracedHost(CheckContext& context) : modulePath(context.modulePath()) {
    context.watch(host);
    host.setTraceSink([this](const std::string& line) { calls.push_back(line); });
    host.setTracing(true);
    host.setInCustomTraining(true);
}

TracedHost::~TracedHost() = default;

void TracedHost::load() {
    loaded = std::make_unique<sim::LoadedPlugin>(host, modulePath);
}

void TracedHost::unload() {
    if (hostInterface) hostInterface->detach();
    const std::optional<std::string> failure = loaded->unload();
    loaded.reset();
    require(!failure, failure.value_or(""));
}

void TracedHost::set(const std::string& name, const std::string& text) {
    halvex::host::ConsoleVariable* variable = host.variables().find(name);
    require(variable != nullptr, "the plugin registered no variable " + name);
    try {
        sim::setVariableText(*variable, text);
    } catch (const sim::ConsoleError& refused) {
        throw CheckFailure(refused.what());
    }
}

std::vector<std::string> TracedHost::takeCalls() {
    std::vector<std::string> taken;
    taken.swap(calls);
    return taken;
}

sim::HostInterface& TracedHost::ui() {
    if (!hostInterface) hostInterface = std::make_unique<sim::HostInterface>(host);
    return *hostInterface;
}

void loadWatched(CheckContext& context, sim::Simulator& simulator) {
    context.watch(simulator.host);
    sim::loadPlugin(simulator, context.modulePath());
}

// ---- Registrations -----------------------------------------------------------------------------

Registrations registrationsOf(halvex::host::HostState& host) {
    Registrations found;
    for (std::size_t index = 0; index < hookedFunctionCount; ++index)
        found.hooks[index] = host.hooks().count(hookedFunctions[index].name);
    found.drawables = host.drawableCount();
    return found;
}

Registrations loadedRegistrations(bool armed) {
    Registrations expected;
    for (std::size_t index = 0; index < hookedFunctionCount; ++index)
        expected.hooks[index] = hookedFunctions[index].longLived || armed ? 1 : 0;
    expected.drawables = armed ? 1 : 0;
    return expected;
}

namespace {

std::string registeredDifference(std::size_t actual, std::size_t expected, const std::string& noun,
                                 const std::string& where) {
    if (expected == 0)
        return fmt::format("{} remain{} {}", countOf(actual, noun), actual == 1 ? "s" : "", where);
    return fmt::format("{} {} {}, expected {}", actual == 0 ? "there is" : "there are", countOf(actual, noun),
                       where, expected);
}

} // namespace

std::optional<std::string> registrationsDifference(const Registrations& actual,
                                                   const Registrations& expected) {
    for (std::size_t index = 0; index < hookedFunctionCount; ++index)
        if (actual.hooks[index] != expected.hooks[index])
            return registeredDifference(actual.hooks[index], expected.hooks[index], "hook",
                                        std::string("on ") + hookedFunctions[index].name);
    if (actual.drawables != expected.drawables)
        return registeredDifference(actual.drawables, expected.drawables, "drawable", "registered");
    return std::nullopt;
}

void requireNothingRegistered(halvex::host::HostState& host, const std::string& when) {
    if (const auto difference = registrationsDifference(registrationsOf(host), Registrations{}))
        throw CheckFailure(when + " " + *difference);
    for (const halvex::host::ConsoleVariable* variable : host.variables().all())
        require(variable->bindingCount() == 0, fmt::format("{} {} still has {}", when, variable->name(),
                                                           countOf(variable->bindingCount(), "binding")));
}

// ---- Calls -------------------------------------------------------------------------------------

std::optional<std::string> callsDifference(const std::vector<std::string>& actual,
                                           const std::vector<std::string>& expected) {
    const std::size_t common = std::min(actual.size(), expected.size());
    for (std::size_t index = 0; index < common; ++index)
        if (actual[index] != expected[index])
            return fmt::format("call {} is '{}', expected '{}'", index + 1, actual[index], expected[index]);
    if (actual.size() > common)
        return fmt::format("call {} '{}' is one too many", common + 1, actual[common]);
    if (expected.size() > common) return fmt::format("call {} '{}' is missing", common + 1, expected[common]);
    return std::nullopt;
}

std::optional<std::string> unorderedCallsDifference(const std::vector<std::string>& actual,
                                                    const std::vector<std::string>& expected) {
    std::map<std::string, int> balance; // calls made minus calls expected
    for (const std::string& call : actual)
        ++balance[call];
    for (const std::string& call : expected)
        --balance[call];
    for (const auto& entry : balance) {
        if (entry.second < 0)
            return fmt::format("'{}' was {}", entry.first,
                               entry.second == -1 ? "not called" : "called too few times");
        if (entry.second > 0)
            return fmt::format("'{}' was called {}", entry.first,
                               entry.second == 1 ? "once too often" : "too many times");
    }
    return std::nullopt;
}

std::string countOf(std::size_t count, const std::string& noun) {
    if (count == 0) return "no " + noun;
    if (count == 1) return "1 " + noun;
    return fmt::format("{} {}s", count, noun);
}

} // namespace kadenzo::validate
