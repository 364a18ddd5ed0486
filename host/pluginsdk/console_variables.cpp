// The host's console variables: parsing and clamping numbers, one variable, and the table of them all.
//
// Index of this file:
// - Numbers
// - Rules
// - One variable
// - All variables
#include "console_variables.h"

#include "number_text.h"

#include <fmt/format.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace halvex::host {

// ---- Numbers -----------------------------------------------------------------------------------

std::optional<ConsoleNumber> readConsoleNumber(const std::string& text) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text.front()))) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const float parsed = std::strtof(text.c_str(), &end);
    const bool beyondFloat = errno == ERANGE;
    if (end != text.c_str() + text.size()) return std::nullopt;
    // Hexadecimal floats are a C library extra, not console syntax.
    if (text.find_first_of("xX") != std::string::npos) return std::nullopt;
    return ConsoleNumber{parsed, beyondFloat};
}

std::optional<float> parseConsoleNumber(const std::string& text) {
    const auto number = readConsoleNumber(text);
    if (!number) return std::nullopt;
    return number->value;
}

std::string formatConsoleFloat(float value) {
    return kadenzo::shortestText(value);
}

namespace {

int saturatingTruncate(float value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483648.0f) return std::numeric_limits<int>::max();
    if (value <= -2147483648.0f) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// An integer text such as "150" or "-3", read exactly rather than through a float.
std::optional<long long> parseInteger(const std::string& text) {
    if (text.empty() || text.find_first_not_of("+-0123456789") != std::string::npos) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (end != text.c_str() + text.size() || errno == ERANGE) return std::nullopt;
    return parsed;
}

float clampToRange(float value, const VariableRange& range) {
    if (range.hasMin && value < range.min) return range.min;
    if (range.hasMax && value > range.max) return range.max;
    return value;
}

} // namespace

std::string rangeInWords(const VariableRange& range) {
    if (range.hasMin && range.hasMax)
        return formatConsoleFloat(range.min) + " to " + formatConsoleFloat(range.max);
    if (range.hasMin) return formatConsoleFloat(range.min) + " and above";
    if (range.hasMax) return formatConsoleFloat(range.max) + " and below";
    return "";
}

// ---- Rules ------------------------------------------------------------------------------------

bool ruleAdmits(ValueRule rule, float value) {
    switch (rule) {
    case ValueRule::anyNumber:
        return true;
    case ValueRule::finitePositive:
        return std::isfinite(value) && value > 0.0f;
    }
    return false;
}

const char* describeRule(ValueRule rule) {
    switch (rule) {
    case ValueRule::anyNumber:
        return "any number";
    case ValueRule::finitePositive:
        return "a finite number above 0";
    }
    return "";
}

// ---- One variable ------------------------------------------------------------------------------

ConsoleVariable::ConsoleVariable(std::string name, std::string defaultText, std::string description,
                                 VariableRange range, ValueRule rule)
    : variableName(std::move(name)), variableDefault(std::move(defaultText)),
      variableDescription(std::move(description)), variableRange(range), valueRule(rule) {
    if (setText(variableDefault) != TextOutcome::taken) assign(0.0f, "0", true);
}

int ConsoleVariable::intValue() const {
    if (const auto integer = textGiven ? parseInteger(valueText) : std::nullopt) {
        if (*integer > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
        if (*integer < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
        return static_cast<int>(*integer);
    }
    return saturatingTruncate(value);
}

ConsoleVariable::TextOutcome ConsoleVariable::setText(const std::string& text) {
    const auto number = readConsoleNumber(text);
    if (!number) return TextOutcome::notANumber;
    if (std::isnan(number->value) && hasRange()) return TextOutcome::unordered;
    if (!ruleAdmits(valueRule, clampToRange(number->value, variableRange))) return TextOutcome::outsideRule;
    if (number->beyondFloat)
        assign(number->value, formatConsoleFloat(number->value), false);
    else
        assign(number->value, text, true);
    return TextOutcome::taken;
}

std::optional<std::string> ConsoleVariable::clampNotice(const std::string& text) const {
    const auto number = readConsoleNumber(text);
    if (!number || std::isnan(number->value) || clampToRange(number->value, variableRange) == number->value)
        return std::nullopt;
    return variableName + ": " + text + " is beyond its range " + rangeInWords(variableRange) +
           "; it holds " + valueText;
}

void ConsoleVariable::setInt(int newValue) {
    assign(static_cast<float>(newValue), std::to_string(newValue), true);
}

void ConsoleVariable::setFloat(float newValue) {
    assign(newValue, formatConsoleFloat(newValue), false);
}

// Rationale: NaN compares false with every bound, so it would pass any range unclamped; a variable
// with a range keeps its value instead.
void ConsoleVariable::assign(float newValue, std::string text, bool given) {
    if (std::isnan(newValue) && hasRange()) return;
    const float clamped = clampToRange(newValue, variableRange);
    if (!ruleAdmits(valueRule, clamped)) return;
    const bool changedByClamp = !(clamped == newValue) && !(std::isnan(clamped) && std::isnan(newValue));
    value = clamped;
    valueText = changedByClamp ? formatConsoleFloat(clamped) : std::move(text);
    textGiven = given && !changedByClamp;
    for (const Binding& binding : bindings)
        writeCell(binding.cell);
}

void ConsoleVariable::writeCell(const Cell& cell) const {
    if (const auto* boolCell = std::get_if<std::shared_ptr<bool>>(&cell))
        **boolCell = boolValue();
    else if (const auto* intCell = std::get_if<std::shared_ptr<int>>(&cell))
        **intCell = intValue();
    else
        **std::get_if<std::shared_ptr<float>>(&cell) = value;
}

void ConsoleVariable::bind(PluginId owner, Cell cell) {
    writeCell(cell);
    bindings.push_back(Binding{owner, std::move(cell)});
}

std::vector<ConsoleVariable::CellType> ConsoleVariable::boundCellTypes() const {
    std::vector<CellType> types;
    for (const Binding& binding : bindings)
        types.push_back(typeOf(binding.cell));
    return types;
}

void ConsoleVariable::dropBindingsOf(PluginId owner) {
    std::vector<Binding> kept;
    for (Binding& binding : bindings)
        if (binding.owner != owner) kept.push_back(std::move(binding));
    bindings = std::move(kept);
}

// ---- All variables -----------------------------------------------------------------------------

ConsoleVariable& ConsoleVariables::add(const std::string& name, const std::string& defaultText,
                                       const std::string& description, VariableRange range, ValueRule rule) {
    auto found = variables.find(name);
    if (found != variables.end()) return *found->second;
    auto made = std::make_unique<ConsoleVariable>(name, defaultText, description, range, rule);
    ConsoleVariable& variable = *variables.emplace(name, std::move(made)).first->second;
    const auto heldEntry = held.find(name);
    if (heldEntry != held.end()) {
        const std::string heldText = std::move(heldEntry->second);
        held.erase(heldEntry);
        const ConsoleVariable::TextOutcome outcome = variable.setText(heldText);
        if (outcome != ConsoleVariable::TextOutcome::taken && heldValueRefusal)
            heldValueRefusal(variable, heldText, outcome);
    }
    return variable;
}

ConsoleVariable::TextOutcome ConsoleVariables::hold(const std::string& name, const std::string& text) {
    if (ConsoleVariable* variable = find(name)) return variable->setText(text);
    if (!readConsoleNumber(text)) return ConsoleVariable::TextOutcome::notANumber;
    held[name] = text;
    return ConsoleVariable::TextOutcome::taken;
}

ConsoleVariable* ConsoleVariables::find(const std::string& name) {
    const auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.get();
}

const ConsoleVariable* ConsoleVariables::find(const std::string& name) const {
    const auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.get();
}

std::vector<const ConsoleVariable*> ConsoleVariables::all() const {
    std::vector<const ConsoleVariable*> list;
    for (const auto& entry : variables)
        list.push_back(entry.second.get());
    return list;
}

void ConsoleVariables::dropBindingsOf(PluginId owner) {
    for (auto& entry : variables)
        entry.second->dropBindingsOf(owner);
}

} // namespace halvex::host
