// The host's console variables: their values as the host holds them, their ranges and the cells that
// plugins have bound to them, and the values it keeps for variables no plugin has registered yet.
#pragma once

#include "halvex/export.h"
#include "halvex/types.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace halvex::host {

// A console number as a float holds it.
struct ConsoleNumber {
    float value;
    // The number written is beyond what a float holds exactly at its scale: too large (it became
    // infinite) or too small (it became zero or lost precision).
    bool beyondFloat;
};

// Reads a console number: decimal or scientific notation, "nan" and "inf" included, nothing else
// around it. Returns no value for anything else.
HALVEX_SDK_API std::optional<ConsoleNumber> readConsoleNumber(const std::string& text);
// The same, for the value alone.
HALVEX_SDK_API std::optional<float> parseConsoleNumber(const std::string& text);

// A float as people write it: the shortest text that reads back as the same float ("0.95", not
// "0.949999988"). Every float the host shows (the console, its trace, the settings file, play's CSV and
// report) is written by it.
HALVEX_SDK_API std::string formatConsoleFloat(float value);

struct VariableRange {
    bool hasMin = false;
    float min = 0.0f;
    bool hasMax = false;
    float max = 0.0f;
};

// What a variable's value must be besides lying in its range. A value the rule refuses is refused
// whichever way it comes (the console, a settings file, a plugin's setter) and changes nothing.
// Rationale: a range clamps, which would turn a mistake such as "nan" into some other value; a rule
// refuses instead. Plugins' variables have none: their registration names only a range.
enum class ValueRule {
    anyNumber,
    finitePositive, // a finite number above 0, as a speed must be
};

// The range in words: "0 to 1", "5 and above", "2 and below"; "" for none.
HALVEX_SDK_API std::string rangeInWords(const VariableRange& range);

HALVEX_SDK_API bool ruleAdmits(ValueRule rule, float value);
// The values the rule admits, in words: "a finite number above 0".
HALVEX_SDK_API const char* describeRule(ValueRule rule);

class HALVEX_SDK_API ConsoleVariable {
public:
    using Cell = std::variant<std::shared_ptr<bool>, std::shared_ptr<int>, std::shared_ptr<float>>;

    ConsoleVariable(std::string name, std::string defaultText, std::string description, VariableRange range,
                    ValueRule rule = ValueRule::anyNumber);

    const std::string& name() const { return variableName; }
    const std::string& defaultText() const { return variableDefault; }
    const std::string& description() const { return variableDescription; }
    const VariableRange& range() const { return variableRange; }
    bool hasRange() const { return variableRange.hasMin || variableRange.hasMax; }
    ValueRule rule() const { return valueRule; }
    // The value as the console shows it: the text it was given, or the clamped number.
    const std::string& text() const { return valueText; }

    float floatValue() const { return value; }
    // Whole-number view: integer texts exactly, other values truncated toward zero, saturated to the
    // 32-bit range, NaN as 0.
    int intValue() const;
    bool boolValue() const { return intValue() != 0; }

    // What became of a text given to setText.
    enum class TextOutcome {
        taken,       // the value (clamped to the range) is held and every bound cell has it
        notANumber,  // refused; nothing changed
        unordered,   // NaN for a variable with a range, which NaN cannot be placed in: refused
        outsideRule, // a number the variable's rule refuses, after clamping: refused; nothing changed
    };

    // Each setter clamps to the range and writes every bound cell. NaN for a variable with a range, and a
    // value its rule refuses, are refused and change nothing (setInt and setFloat say nothing of it). A
    // variable keeps the text it was given, unless clamping or the float changed the value it stands for;
    // then it shows the value held.
    TextOutcome setText(const std::string& text);
    // Says what the range made of TEXT, a text setText took: "NAME: TEXT is beyond its range 0 to 1; it
    // holds 1"; none when the range left its value as it was (NaN and texts that are no number included).
    std::optional<std::string> clampNotice(const std::string& text) const;
    void setInt(int newValue);
    void setFloat(float newValue);

    void bind(PluginId owner, Cell cell);
    void dropBindingsOf(PluginId owner);
    std::size_t bindingCount() const { return bindings.size(); }

    // What a bound cell holds, in the order of Cell's alternatives.
    enum class CellType { boolean, integer, real };
    static CellType typeOf(const Cell& cell) { return static_cast<CellType>(cell.index()); }
    // The type of each cell bound to the variable, in the order they were bound.
    std::vector<CellType> boundCellTypes() const;

private:
    struct Binding {
        PluginId owner;
        Cell cell;
    };

    // Stores the clamped value; keeps the given text when clamping left the value alone. GIVEN says that
    // TEXT is the text the value was given as, rather than one formatted from the float.
    void assign(float newValue, std::string text, bool given);
    void writeCell(const Cell& cell) const;

    std::string variableName;
    std::string variableDefault;
    std::string variableDescription;
    VariableRange variableRange;
    ValueRule valueRule;
    std::string valueText;
    // valueText is a text the value was given as (typed, or an integer set), which intValue reads exactly;
    // a text formatted from the float is only the float's shortest spelling, and intValue truncates the
    // float instead (a float such as 2147483520 is spelled "2147483500").
    bool textGiven = true;
    float value = 0.0f;
    std::vector<Binding> bindings;
};

class HALVEX_SDK_API ConsoleVariables {
public:
    // Not copyable (the variables are owned); said explicitly, since a DLL exports every member of an
    // exported class, the implicit ones included.
    ConsoleVariables() = default;
    ConsoleVariables(const ConsoleVariables&) = delete;
    ConsoleVariables& operator=(const ConsoleVariables&) = delete;

    // Told when a variable is added that refuses the value held for it (NaN for a variable with a
    // range, a value outside its rule): the variable, which keeps its default, the text held and the
    // outcome.
    using HeldValueRefusal = std::function<void(const ConsoleVariable& variable, const std::string& heldText,
                                                ConsoleVariable::TextOutcome outcome)>;

    // Makes the variable, or returns the one of that name unchanged (so a plugin loaded again finds
    // the values it left). A new variable takes the value held for its name, if any, clamped to its
    // range, instead of its default; either way the name is no longer held.
    ConsoleVariable& add(const std::string& name, const std::string& defaultText,
                         const std::string& description, VariableRange range,
                         ValueRule rule = ValueRule::anyNumber);
    // Keeps TEXT for NAME, which no variable has yet, until a plugin registers it, as a host keeps the
    // settings of plugins that are not loaded now; a later hold of the same name replaces it. TEXT must
    // be a console number: anything else is refused (notANumber) and nothing is held. For a registered
    // name, the same as its setText.
    ConsoleVariable::TextOutcome hold(const std::string& name, const std::string& text);
    // The texts held for names no variable has, in name order.
    const std::map<std::string, std::string>& heldValues() const { return held; }
    void setHeldValueRefusalSink(HeldValueRefusal sink) { heldValueRefusal = std::move(sink); }

    ConsoleVariable* find(const std::string& name);
    const ConsoleVariable* find(const std::string& name) const;
    // In name order.
    std::vector<const ConsoleVariable*> all() const;
    void dropBindingsOf(PluginId owner);

private:
    // unique_ptr keeps a variable's address stable for the wrappers that point at it.
    std::map<std::string, std::unique_ptr<ConsoleVariable>> variables;
    std::map<std::string, std::string> held;
    HeldValueRefusal heldValueRefusal;
};

} // namespace halvex::host
