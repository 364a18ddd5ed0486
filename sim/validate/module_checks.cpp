// The module's side of loading: its "exports" record read byte by byte, and the two entry points
// getPlugin and deleteMe called directly, as the host calls them.
//
// Index of this file:
// - record.layout
// - entry.getplugin-once, entry.deleteme-idempotent
// - entry.fresh-after-deleteme
// - entry.host-copy-keeps-object
#include "validate/check_support.h"
#include "validate/checks.h"

#include "number_text.h"
#include "plugin_identity.h"
#include "settings_table.h"

#include <fmt/format.h>

#include <array>
#include <cstring>
#include <map>
#include <variant>

namespace kadenzo::validate {

namespace {

// ---- record.layout -----------------------------------------------------------------------------

// The record as the host reads it: 64 bytes, little-endian, at the address of the "exports" symbol.
class RecordBytes {
public:
    explicit RecordBytes(const void* record) { std::memcpy(bytes.data(), record, bytes.size()); }

    std::int32_t integerAt(std::size_t offset) const { return read<std::int32_t>(offset); }
    std::uintptr_t addressAt(std::size_t offset) const { return read<std::uintptr_t>(offset); }
    bool zeroAt(std::size_t offset, std::size_t length) const {
        for (std::size_t index = offset; index < offset + length; ++index)
            if (bytes[index] != 0) return false;
        return true;
    }

private:
    template <typename Value> Value read(std::size_t offset) const {
        Value value;
        std::memcpy(&value, bytes.data() + offset, sizeof value);
        return value;
    }

    std::array<unsigned char, sizeof(halvex::PluginRecord)> bytes;
};

// A text field of the record and what it must hold; null for "anything but empty".
struct TextField {
    const char* name;
    std::size_t offset;
    const char* expected;
};

constexpr TextField textFields[] = {
    {"fileName", 8, nullptr},
    {"className", 16, pluginClassName},
    {"pluginName", 24, pluginTitle},
    {"pluginVersion", 32, KADENZO_PROJECT_VERSION},
};

// The two entry points: the record's field and the exported function it must point at.
struct EntryField {
    const char* name;
    std::size_t offset;
};

constexpr EntryField entryFields[] = {{"getPlugin", 48}, {"deleteMe", 56}};

// Everything wrong with the record, one phrase each.
class Findings {
public:
    void expect(bool condition, const std::string& finding) {
        if (!condition) found.push_back(finding);
    }
    void failIfAny() const {
        if (found.empty()) return;
        std::string line = found.front();
        for (std::size_t index = 1; index < found.size(); ++index)
            line += "; " + found[index];
        throw CheckFailure(line);
    }

private:
    std::vector<std::string> found;
};

void checkTextField(Findings& findings, const RecordBytes& record, const TextField& field) {
    const auto* text = reinterpret_cast<const char*>(record.addressAt(field.offset));
    if (!text) {
        findings.expect(false, fmt::format("{} is null", field.name));
        return;
    }
    if (field.expected)
        findings.expect(std::strcmp(text, field.expected) == 0,
                        fmt::format("{} is \"{}\", expected \"{}\"", field.name, text, field.expected));
    else
        findings.expect(text[0] != '\0', fmt::format("{} is empty", field.name));
}

void checkEntryField(Findings& findings, const RecordBytes& record, const sim::DynamicLibrary& library,
                     const EntryField& field) {
    const std::uintptr_t inRecord = record.addressAt(field.offset);
    const auto exported = reinterpret_cast<std::uintptr_t>(library.symbol(field.name));
    if (inRecord == 0) {
        findings.expect(false,
                        fmt::format("the record's {} is null, so the host has nothing to call", field.name));
        return;
    }
    if (exported == 0) {
        findings.expect(false, fmt::format("the module exports no function {}", field.name));
        return;
    }
    findings.expect(inRecord == exported, fmt::format("the record's {} is {:#x}, the exported {} is {:#x}",
                                                      field.name, inRecord, field.name, exported));
}

// ---- The entry points --------------------------------------------------------------------------

Halvex::Plugin::PluginSettingsWindow& settingsPageOf(const PluginHandle& handle) {
    auto* page = dynamic_cast<Halvex::Plugin::PluginSettingsWindow*>(handle.get());
    require(page != nullptr, "the plugin object has no settings window interface");
    return *page;
}

// ---- entry.fresh-after-deleteme ----------------------------------------------------------------

// The value a cell held, as a float.
float cellValue(const halvex::host::ConsoleVariable::Cell& cell) {
    return std::visit([](const auto& value) { return static_cast<float>(*value); }, cell);
}

// What the overlay shows of a run's counts, and what a fresh object shows there.
struct CountLine {
    const char* prefix;
    const char* fresh;
};

constexpr CountLine countLines[] = {{"Streak: ", "0"}, {"Previous Accuracy: ", "0%"}, {"Total Shots: ", "0"}};

// One frame's overlay: the rest of each count line's text, by its prefix.
std::map<std::string, std::string> countsShown(TracedHost& traced) {
    traced.game.renderCanvas();
    std::map<std::string, std::string> shown;
    for (const halvex::host::CanvasText& text : traced.game.lastFrame()->texts())
        for (const CountLine& line : countLines)
            if (text.text.rfind(line.prefix, 0) == 0)
                shown[line.prefix] = text.text.substr(std::strlen(line.prefix));
    traced.takeCalls();
    return shown;
}

// Enabled, a round loaded and begun: the overlay shows from now on.
void startRun(TracedHost& traced) {
    traced.set(setting::slowMoEnabled.name, "1");
    traced.fire(game_function::loadRound);
    traced.fire(game_function::controllerRestart);
}

// The first object's run: twelve attempts, so that a window closed (previous accuracy) and the streak
// ended above zero. Fails the check when the overlay does not show it.
void playFirstRun(TracedHost& traced) {
    startRun(traced);
    for (const char code : std::string("GGXGGGTGGGGG"))
        traced.game.playAttempt(code);
    const auto shown = countsShown(traced);
    const auto total = shown.find("Total Shots: ");
    require(total != shown.end() && total->second == "12",
            "after 12 attempts the overlay does not show \"Total Shots: 12\"");
}

void requireFreshCounts(TracedHost& traced) {
    startRun(traced);
    const auto shown = countsShown(traced);
    for (const CountLine& line : countLines) {
        const auto found = shown.find(line.prefix);
        require(found != shown.end(),
                fmt::format("the new object's overlay shows no \"{}\" line", line.prefix));
        require(found->second == line.fresh,
                fmt::format("the new object's overlay shows \"{}{}\", expected \"{}{}\"", line.prefix,
                            found->second, line.prefix, line.fresh));
    }
}

// Each cell's value when the plugin handed it to the host, by variable name.
class CellsBeforeBinding {
public:
    explicit CellsBeforeBinding(halvex::host::HostState& host) : host(host) {
        host.setBindingObserver([this](const halvex::host::ConsoleVariable& variable,
                                       const halvex::host::ConsoleVariable::Cell& cell) {
            values[variable.name()] = cellValue(cell);
        });
    }
    ~CellsBeforeBinding() { host.setBindingObserver(nullptr); }
    CellsBeforeBinding(const CellsBeforeBinding&) = delete;
    CellsBeforeBinding& operator=(const CellsBeforeBinding&) = delete;

    void requireInitialValues() const {
        for (const Setting& setting : settingsTable) {
            const auto found = values.find(setting.name);
            require(found != values.end(), fmt::format("the new object bound no cell to {}", setting.name));
            require(found->second == setting.initialValue,
                    fmt::format("the new object's {} cell held {} before binding, expected its initial {}",
                                setting.name, shortest(found->second), shortest(setting.initialValue)));
        }
    }

private:
    halvex::host::HostState& host;
    std::map<std::string, float> values;
};

} // namespace

// ---- record.layout -----------------------------------------------------------------------------

void checkRecordLayout(CheckContext& context) {
    const sim::DynamicLibrary library(context.modulePath());
    const void* symbol = library.symbol("exports");
    require(symbol != nullptr, "the module has no \"exports\" record");
    const RecordBytes record(symbol);

    Findings findings;
    findings.expect(
        record.integerAt(0) == halvex::pluginApiVersion,
        fmt::format("apiVersion is {}, expected {}", record.integerAt(0), halvex::pluginApiVersion));
    findings.expect(record.zeroAt(4, 4), "the padding after apiVersion (bytes 4 to 7) is not zero");
    for (const TextField& field : textFields)
        checkTextField(findings, record, field);
    findings.expect(record.integerAt(40) == pluginType,
                    fmt::format("pluginType is {}, expected {}", record.integerAt(40), pluginType));
    findings.expect(record.zeroAt(44, 4), "the padding after pluginType (bytes 44 to 47) is not zero");
    for (const EntryField& field : entryFields)
        checkEntryField(findings, record, library, field);
    findings.failIfAny();
}

// ---- entry.getplugin-once, entry.deleteme-idempotent -------------------------------------------

void checkGetPluginOnce(CheckContext& context) {
    const OpenedModule module(context.modulePath());
    {
        const std::uintptr_t first = module.record().getPlugin();
        const PluginHandle& handle = handleAt(first);
        require(handle != nullptr, "the first getPlugin's handle holds no object");
        const std::weak_ptr<Halvex::Plugin::HalvexPlugin> object = handle;
        const std::uintptr_t second = module.record().getPlugin();
        require(
            second == first,
            fmt::format("the second getPlugin returned the handle at {:#x}, the first {:#x}", second, first));
        require(!object.expired() && handle.get() == object.lock().get(),
                "the second getPlugin replaced the object the first one made");
    }
    module.record().deleteMe();
}

void checkDeleteMeIdempotent(CheckContext& context) {
    const OpenedModule module(context.modulePath());
    module.record().deleteMe(); // before any getPlugin
    const std::uintptr_t address = module.record().getPlugin();
    const PluginHandle& handle = handleAt(address);
    require(handle != nullptr, "getPlugin after a deleteMe without object gives a handle holding no object");
    {
        const std::weak_ptr<Halvex::Plugin::HalvexPlugin> object = handle;
        module.record().deleteMe();
        require(handle == nullptr, "after deleteMe the handle still holds an object");
        require(object.expired(), "after deleteMe the object lives on although the host holds no copy");
    }
    module.record().deleteMe();
    require(handle == nullptr, "after a second deleteMe the handle holds an object");
    require(module.record().getPlugin() == address, "getPlugin after two deleteMe returns another handle");
    require(handle != nullptr, "getPlugin after two deleteMe gives no object");
    module.record().deleteMe();
}

// ---- entry.fresh-after-deleteme ----------------------------------------------------------------

void checkFreshAfterDeleteMe(CheckContext& context) {
    const OpenedModule module(context.modulePath());
    TracedHost traced(context);
    std::uintptr_t address = 0;
    std::weak_ptr<Halvex::Plugin::HalvexPlugin> firstObject;
    {
        sim::PluginAttachment first(traced.host, module.entryPoints(), context.modulePath());
        address = module.record().getPlugin();
        firstObject = handleAt(address);
        playFirstRun(traced);
        const auto failure = first.detach();
        require(!failure, failure.value_or(""));
    }
    require(handleAt(address) == nullptr, "after deleteMe the handle still holds an object");
    require(firstObject.expired(), "the first object outlived deleteMe and the host's release");

    const CellsBeforeBinding cells(traced.host);
    sim::PluginAttachment second(traced.host, module.entryPoints(), context.modulePath());
    require(module.record().getPlugin() == address, "getPlugin after deleteMe returns another handle");
    require(handleAt(address) != nullptr, "getPlugin after deleteMe gives no object");
    cells.requireInitialValues();
    requireFreshCounts(traced);
    const auto failure = second.detach();
    require(!failure, failure.value_or(""));
}

// ---- entry.host-copy-keeps-object --------------------------------------------------------------

void checkHostCopyKeepsObject(CheckContext& context) {
    const OpenedModule module(context.modulePath());
    {
        const std::uintptr_t address = module.record().getPlugin();
        PluginHandle hostCopy = handleAt(address);
        require(hostCopy != nullptr, "getPlugin's handle holds no object");
        const std::weak_ptr<Halvex::Plugin::HalvexPlugin> object = hostCopy;
        const std::string name = settingsPageOf(hostCopy).GetPluginName();
        module.record().deleteMe();
        require(handleAt(address) == nullptr, "after deleteMe the handle still holds an object");
        require(!object.expired(), "deleteMe destroyed the object while the host still held a copy");
        const std::string nameAfter = settingsPageOf(hostCopy).GetPluginName();
        require(nameAfter == name,
                fmt::format("after deleteMe GetPluginName gives \"{}\", before it \"{}\"", nameAfter, name));
        hostCopy.reset();
        require(object.expired(), "the object lives on after the host released the last copy");
    }
}

} // namespace kadenzo::validate
