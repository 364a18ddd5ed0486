// What onLoad registers: the thirteen variables of settings_table.h, each registered then bound, in
// order, and the two long-lived hooks, as the host traced the calls; then what the host holds for each
// variable, and that nothing else is registered.
#include "validate/check_support.h"
#include "validate/checks.h"

#include "number_text.h"
#include "settings_table.h"

#include <fmt/format.h>

namespace kadenzo::validate {

namespace {

using halvex::host::ConsoleVariable;

std::string registerCall(const Setting& setting) {
    return fmt::format("plugin register {} \"{}\"", setting.name, setting.defaultText);
}

std::vector<std::string> onLoadCalls() {
    std::vector<std::string> calls;
    for (const Setting& setting : settingsTable) {
        calls.push_back(registerCall(setting));
        calls.push_back(std::string("plugin bind ") + setting.name);
    }
    for (const HookedFunction& function : hookedFunctions)
        if (function.longLived) calls.push_back(std::string(function.hookCall) + " " + function.name);
    return calls;
}

// The variable names of the calls that register one, in order.
std::vector<std::string> registeredNames(const std::vector<std::string>& calls) {
    const std::string prefix = "plugin register ";
    std::vector<std::string> names;
    for (const std::string& call : calls)
        if (call.rfind(prefix, 0) == 0)
            names.push_back(call.substr(prefix.size(), call.find(' ', prefix.size()) - prefix.size()));
    return names;
}

// The order of the variables first, so that a swap is told as such.
void requireRegistrationOrder(const std::vector<std::string>& calls) {
    const std::vector<std::string> names = registeredNames(calls);
    for (std::size_t index = 0; index < names.size() && index < settingsCount; ++index)
        require(names[index] == settingsTable[index].name,
                fmt::format("registration {} is {}, expected {}", index + 1, names[index],
                            settingsTable[index].name));
    require(names.size() == settingsCount,
            fmt::format("onLoad registered {} variables, expected {}", names.size(), settingsCount));
}

const char* cellTypeWithArticle(ConsoleVariable::CellType type) {
    switch (type) {
    case ConsoleVariable::CellType::boolean:
        return "a bool";
    case ConsoleVariable::CellType::integer:
        return "an int";
    case ConsoleVariable::CellType::real:
        return "a float";
    }
    return "an unknown";
}

// SettingCell follows the host's cell types in order.
ConsoleVariable::CellType hostCellType(SettingCell cell) {
    return static_cast<ConsoleVariable::CellType>(static_cast<int>(cell));
}

std::string describeRange(bool hasMin, float min, bool hasMax, float max) {
    return (hasMin ? shortestText(min) : "") + ".." + (hasMax ? shortestText(max) : "");
}

void requireVariableAsRegistered(halvex::host::HostState& host, const Setting& setting) {
    const ConsoleVariable* variable = host.variables().find(setting.name);
    require(variable != nullptr, fmt::format("the host holds no variable {}", setting.name));
    require(variable->description() == setting.description,
            fmt::format("{}'s description is \"{}\", expected \"{}\"", setting.name, variable->description(),
                        setting.description));
    const halvex::host::VariableRange& range = variable->range();
    const bool sameRange = range.hasMin == setting.hasMin && range.hasMax == setting.hasMax &&
                           (!setting.hasMin || range.min == setting.min) &&
                           (!setting.hasMax || range.max == setting.max);
    require(sameRange, fmt::format("{}'s range is {}, expected {}", setting.name,
                                   describeRange(range.hasMin, range.min, range.hasMax, range.max),
                                   describeRange(setting.hasMin, setting.min, setting.hasMax, setting.max)));
    const std::vector<ConsoleVariable::CellType> cells = variable->boundCellTypes();
    require(cells.size() == 1,
            fmt::format("{} has {}, expected 1", setting.name, countOf(cells.size(), "bound cell")));
    require(cells.front() == hostCellType(setting.cell),
            fmt::format("{} is bound to {} cell, expected {} cell", setting.name,
                        cellTypeWithArticle(cells.front()), cellTypeWithArticle(hostCellType(setting.cell))));
}

} // namespace

void checkOnLoadRegistrations(CheckContext& context) {
    TracedHost traced(context);
    traced.load();
    const std::vector<std::string> calls = traced.takeCalls();
    requireRegistrationOrder(calls);
    if (const auto difference = callsDifference(calls, onLoadCalls()))
        throw CheckFailure("onLoad's " + *difference);

    for (const Setting& setting : settingsTable)
        requireVariableAsRegistered(traced.host, setting);
    if (const auto difference =
            registrationsDifference(registrationsOf(traced.host), loadedRegistrations(false)))
        throw CheckFailure("after onLoad " + *difference);

    std::size_t hooks = 0;
    for (const std::size_t count : registrationsOf(traced.host).hooks)
        hooks += count;
    context.report(fmt::format("{} variables, {} hooks", settingsCount, hooks));
    traced.unload();
}

} // namespace kadenzo::validate
