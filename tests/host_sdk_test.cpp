// Our implementation of the host SDK: console variables, hooks, drawables and per-plugin ownership.
//
// Index of this file:
// - Console variables
// - Hooks and drawables
// - The calling contract
#include "host_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using halvex::host::ConsoleVariable;
using halvex::host::HostState;
using halvex::host::VariableRange;

// ---- Console variables -------------------------------------------------------------------------

TEST(ConsoleNumbers, AcceptsDecimalScientificAndSpecialValuesOnly) {
    EXPECT_EQ(halvex::host::parseConsoleNumber("0.7"), 0.7f);
    EXPECT_EQ(halvex::host::parseConsoleNumber("-3"), -3.0f);
    EXPECT_EQ(halvex::host::parseConsoleNumber("1e2"), 100.0f);
    EXPECT_TRUE(std::isnan(*halvex::host::parseConsoleNumber("nan")));
    EXPECT_TRUE(std::isinf(*halvex::host::parseConsoleNumber("inf")));
    for (const char* bad : {"", "abc", "1.5x", " 1", "1 ", "0x10", "--1"})
        EXPECT_FALSE(halvex::host::parseConsoleNumber(bad)) << '"' << bad << '"';
}

TEST(ConsoleVariable, KeepsTheTextAsTypedAndClampsToTheRange) {
    ConsoleVariable variable("limit", "150", "", VariableRange{true, 5.0f, true, 200.0f});
    EXPECT_EQ(variable.text(), "150");
    EXPECT_EQ(variable.intValue(), 150);
    EXPECT_EQ(variable.setText("0.25e3"), ConsoleVariable::TextOutcome::taken);
    EXPECT_EQ(variable.text(), "200");
    EXPECT_EQ(variable.floatValue(), 200.0f);
    variable.setInt(-4);
    EXPECT_EQ(variable.text(), "5");
    variable.setFloat(7.5f);
    EXPECT_EQ(variable.text(), "7.5");
    EXPECT_EQ(variable.intValue(), 7);
    EXPECT_EQ(variable.setText("fast"), ConsoleVariable::TextOutcome::notANumber);
    EXPECT_EQ(variable.text(), "7.5");
}

TEST(ConsoleVariable, NaNIsRefusedByARangeAndKeptWithout) {
    ConsoleVariable ranged("accuracy", "0.7", "", VariableRange{true, 0.0f, true, 1.0f});
    const auto cell = std::make_shared<float>(0.0f);
    ranged.bind(1, cell);
    EXPECT_EQ(ranged.setText("nan"), ConsoleVariable::TextOutcome::unordered);
    ranged.setFloat(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(ranged.text(), "0.7");
    EXPECT_EQ(*cell, 0.7f);
    ConsoleVariable free("speed", "1", "", VariableRange{});
    EXPECT_EQ(free.setText("nan"), ConsoleVariable::TextOutcome::taken);
    EXPECT_TRUE(std::isnan(free.floatValue()));
}

// The game's speed takes only a speed, whichever way a value comes: no range could say so without
// clamping a mistake into some other value.
TEST(HostState, TheGameSpeedRefusesWhatIsNoSpeed) {
    HostState host;
    const halvex::host::PluginId plugin = host.addPlugin();
    host.startPlugin(plugin);
    ConsoleVariable& speed = *host.variables().find("sv_soccar_gamespeed");
    const auto cell = std::make_shared<float>(0.0f);
    speed.bind(plugin, cell);
    ASSERT_EQ(speed.setText("0.75"), ConsoleVariable::TextOutcome::taken);
    for (const char* refused : {"nan", "-nan", "inf", "-inf", "1e39", "0", "-0", "1e-50", "-0.5"})
        EXPECT_EQ(speed.setText(refused), ConsoleVariable::TextOutcome::outsideRule) << refused;
    EXPECT_EQ(host.variables().hold("sv_soccar_gamespeed", "nan"), ConsoleVariable::TextOutcome::outsideRule);
    const CVarWrapper handle = host.makeCvarManager(plugin)->getCvar("sv_soccar_gamespeed");
    handle.setValue(std::numeric_limits<float>::infinity());
    handle.setValue(std::numeric_limits<float>::quiet_NaN());
    handle.setValue(0);
    speed.setFloat(-1.0f);
    EXPECT_EQ(speed.text(), "0.75");
    EXPECT_EQ(*cell, 0.75f) << "a refused value reaches no cell";
    EXPECT_EQ(speed.setText("1e-30"), ConsoleVariable::TextOutcome::taken) << "small, but a speed";
    handle.setValue(2);
    EXPECT_EQ(speed.text(), "2");
    EXPECT_EQ(host.contract().violationCount(), 0u);
}

TEST(ConsoleVariables, AHeldValueOutsideTheRuleIsToldWhenTheVariableIsAdded) {
    halvex::host::ConsoleVariables variables;
    ASSERT_EQ(variables.hold("pace", "-2"), ConsoleVariable::TextOutcome::taken) << "no rule known yet";
    std::vector<ConsoleVariable::TextOutcome> refusals;
    variables.setHeldValueRefusalSink(
        [&refusals](const ConsoleVariable&, const std::string&, ConsoleVariable::TextOutcome outcome) {
            refusals.push_back(outcome);
        });
    const ConsoleVariable& pace =
        variables.add("pace", "1", "", VariableRange{}, halvex::host::ValueRule::finitePositive);
    EXPECT_EQ(pace.text(), "1");
    EXPECT_EQ(refusals, std::vector<ConsoleVariable::TextOutcome>{ConsoleVariable::TextOutcome::outsideRule});
}

TEST(ConsoleVariable, ShowsTheValueHeldWhenTheTextIsBeyondAFloat) {
    ConsoleVariable variable("speed", "1", "", VariableRange{});
    variable.setText("1e39");
    EXPECT_EQ(variable.text(), "inf");
    variable.setText("-1e39");
    EXPECT_EQ(variable.text(), "-inf");
    variable.setText("1e-50");
    EXPECT_EQ(variable.text(), "0");
    variable.setText("0.1");
    EXPECT_EQ(variable.text(), "0.1") << "an ordinary number keeps the text it was typed as";
}

TEST(ConsoleVariable, WholeNumberViewIsDefinedForEveryValue) {
    ConsoleVariable variable("v", "0", "", VariableRange{});
    variable.setText("nan");
    EXPECT_EQ(variable.intValue(), 0);
    EXPECT_FALSE(variable.boolValue());
    variable.setText("1e20");
    EXPECT_EQ(variable.intValue(), std::numeric_limits<int>::max());
    variable.setText("-1e20");
    EXPECT_EQ(variable.intValue(), std::numeric_limits<int>::min());
    variable.setText("2147483647");
    EXPECT_EQ(variable.intValue(), 2147483647);
    variable.setText("-2.9");
    EXPECT_EQ(variable.intValue(), -2);
    EXPECT_TRUE(variable.boolValue());
}

// A float is written as people write it: the shortest text that reads back as the same float.
TEST(ConsoleNumbers, AFloatIsWrittenAsTheShortestTextThatReadsBackTheSame) {
    using halvex::host::formatConsoleFloat;
    const std::vector<std::pair<float, std::string>> written = {
        {0.95f, "0.95"},
        {1.05f, "1.05"},
        {0.1f, "0.1"},
        {std::nextafter(1.1f, 0.0f), "1.0999999"},
        {100.0f, "100"},
        {-0.0f, "-0"},
        {1e-45f, "1e-45"},
        {3.4028235e38f, "3.4028235e+38"},
        {2147483520.0f, "2147483500"},
    };
    for (const auto& [value, text] : written) {
        EXPECT_EQ(formatConsoleFloat(value), text);
        EXPECT_EQ(halvex::host::parseConsoleNumber(text), value) << text << " reads back as the same float";
    }
    ConsoleVariable variable("v", "0", "", VariableRange{true, 0.0f, true, 1.0f});
    variable.setFloat(0.95f);
    EXPECT_EQ(variable.text(), "0.95");
    variable.setText("7");
    EXPECT_EQ(variable.text(), "1") << "clamped, the value held";
}

// The shortest text of a large float is not its whole value ("2147483500" for 2147483520): the whole-
// number view of a value set as a float is the float's, never the text's.
TEST(ConsoleVariable, TheWholeNumberViewOfAFloatIsTheFloatsNotItsShortText) {
    ConsoleVariable variable("v", "0", "", VariableRange{});
    variable.setFloat(2147483520.0f);
    EXPECT_EQ(variable.text(), "2147483500");
    EXPECT_EQ(variable.intValue(), 2147483520);
    variable.setFloat(2147483648.0f);
    EXPECT_EQ(variable.intValue(), std::numeric_limits<int>::max());
    variable.setText("2147483500");
    EXPECT_EQ(variable.intValue(), 2147483500) << "a whole number typed is read exactly";
    variable.setInt(123456789);
    EXPECT_EQ(variable.intValue(), 123456789);
}

// What a range made of a value beyond it is said once, here, for the console and play --set alike.
TEST(ConsoleVariable, AValueBeyondTheRangeIsToldWithTheRangeAndWhatItHolds) {
    ConsoleVariable accuracy("idealAccuracy", "0.7", "", VariableRange{true, 0.0f, true, 1.0f});
    ASSERT_EQ(accuracy.setText("5"), ConsoleVariable::TextOutcome::taken);
    EXPECT_EQ(accuracy.clampNotice("5"), "idealAccuracy: 5 is beyond its range 0 to 1; it holds 1");
    accuracy.setText("-1e39");
    EXPECT_EQ(accuracy.clampNotice("-1e39"), "idealAccuracy: -1e39 is beyond its range 0 to 1; it holds 0");
    for (const char* inside : {"0", "1", "0.5", "-0", "nan", "fast"})
        EXPECT_EQ(accuracy.clampNotice(inside), std::nullopt) << inside;
    ConsoleVariable floor("floor", "1", "", VariableRange{true, 0.5f, false, 0.0f});
    floor.setText("0.25");
    EXPECT_EQ(floor.clampNotice("0.25"), "floor: 0.25 is beyond its range 0.5 and above; it holds 0.5");
    ConsoleVariable free("speed", "1", "", VariableRange{});
    EXPECT_EQ(free.clampNotice("1e39"), std::nullopt) << "no range, no clamp: the float's own infinity";
}

TEST(ConsoleVariable, EveryBoundCellFollowsEveryChange) {
    ConsoleVariable variable("v", "0.7", "", VariableRange{true, 0.0f, true, 1.0f});
    auto asFloat = std::make_shared<float>(-1.0f);
    auto asInt = std::make_shared<int>(-1);
    auto asBool = std::make_shared<bool>(true);
    variable.bind(1, asFloat);
    variable.bind(1, asInt);
    variable.bind(2, asBool);
    EXPECT_EQ(*asFloat, 0.7f);
    EXPECT_EQ(*asInt, 0);
    EXPECT_FALSE(*asBool);
    variable.setText("5");
    EXPECT_EQ(*asFloat, 1.0f);
    EXPECT_EQ(*asInt, 1);
    EXPECT_TRUE(*asBool);
    variable.dropBindingsOf(1);
    EXPECT_EQ(asFloat.use_count(), 1);
    variable.setText("0");
    EXPECT_EQ(*asFloat, 1.0f) << "a dropped binding is no longer written";
    EXPECT_FALSE(*asBool);
}

TEST(HostState, GameSpeedExistsAndRegistrationKeepsHeldValues) {
    HostState host;
    ASSERT_TRUE(host.variables().find("sv_soccar_gamespeed"));
    EXPECT_EQ(host.variables().find("sv_soccar_gamespeed")->floatValue(), 1.0f);
    const halvex::host::PluginId plugin = host.addPlugin();
    host.startPlugin(plugin);
    auto console = host.makeCvarManager(plugin);
    EXPECT_FALSE(console->getCvar("nothing"));
    console->registerCvar("speedStep", "0.05", "", true, true, 0.001f, true, 0.999f, true);
    host.variables().find("speedStep")->setText("0.2");
    const CVarWrapper again = console->registerCvar("speedStep", "0.05", "", true, false, 0, false, 0, true);
    ASSERT_TRUE(again);
    EXPECT_EQ(again.getFloatValue(), 0.2f);
    again.setValue(5.0f);
    EXPECT_EQ(again.getFloatValue(), 0.999f) << "the first registration's range holds";
}

// ---- Hooks and drawables -----------------------------------------------------------------------

class HostHooks : public ::testing::Test {
protected:
    HostHooks() {
        host.startPlugin(first);
        host.startPlugin(second);
    }

    HostState host;
    halvex::host::PluginId first = host.addPlugin();
    halvex::host::PluginId second = host.addPlugin();
    std::shared_ptr<GameWrapper> firstGame = host.makeGameWrapper(first);
    std::shared_ptr<GameWrapper> secondGame = host.makeGameWrapper(second);
    std::vector<std::string> calls;

    GameWrapper::EventCallback record(const std::string& what) {
        return [this, what](std::string) { calls.push_back(what); };
    }
};

TEST_F(HostHooks, PreHooksRunInRegistrationOrderThenPostHooks) {
    firstGame->HookEventPost("f", record("post 1"));
    firstGame->HookEvent("f", record("pre 1"));
    secondGame->HookEventWithCaller<ActorWrapper>("f", [this](ActorWrapper caller, void*, std::string name) {
        calls.push_back("caller " + std::to_string(caller.memory_address) + " " + name);
    });
    secondGame->HookEvent("f", record("pre 3"));
    secondGame->HookEventPost("f", record("post 2"));
    firstGame->HookEvent("g", record("other"));
    host.fireEvent("f", ActorWrapper(42));
    EXPECT_EQ(calls, (std::vector<std::string>{"pre 1", "caller 42 f", "pre 3", "post 1", "post 2"}));
}

TEST_F(HostHooks, UnhookRemovesOnlyThatPluginsHooksOfThatKind) {
    firstGame->HookEvent("f", record("pre 1"));
    firstGame->HookEventWithCaller<ActorWrapper>(
        "f", [this](ActorWrapper, void*, std::string) { calls.push_back("caller 1"); });
    firstGame->HookEventPost("f", record("post 1"));
    secondGame->HookEvent("f", record("pre 2"));
    firstGame->UnhookEvent("f");
    host.fireEvent("f");
    EXPECT_EQ(calls, (std::vector<std::string>{"pre 2", "post 1"}));
    calls.clear();
    firstGame->UnhookEventPost("f");
    host.fireEvent("f");
    EXPECT_EQ(calls, (std::vector<std::string>{"pre 2"}));
}

TEST_F(HostHooks, HooksMayUnhookAndRegisterWhileTheyRun) {
    firstGame->HookEvent("f", [this](std::string) {
        calls.push_back("first");
        firstGame->UnhookEvent("f");
        firstGame->HookEvent("f", record("added"));
        firstGame->UnhookEventPost("f");
    });
    firstGame->HookEvent("f", record("removed before it ran"));
    firstGame->HookEventPost("f", record("post removed"));
    secondGame->HookEvent("f", record("second"));
    host.fireEvent("f");
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(host.hooks().count("f"), 2u) << "the removed hooks are gone once the walk is over";
    calls.clear();
    host.fireEvent("f");
    EXPECT_EQ(calls, (std::vector<std::string>{"second", "added"}));
}

TEST_F(HostHooks, AHookMayFireAgainAndHookOtherFunctionsWhileItRuns) {
    bool inner = false;
    firstGame->HookEvent("f", [this, &inner](std::string name) {
        calls.push_back("outer " + name);
        for (int function = 0; function < 100; ++function)
            firstGame->HookEvent("g" + std::to_string(function), record("g"));
        if (inner) return;
        inner = true;
        secondGame->UnhookEvent("f");
        host.fireEvent("f");
    });
    secondGame->HookEvent("f", record("removed in the inner walk"));
    firstGame->HookEventPost("f", record("post"));
    host.fireEvent("f");
    EXPECT_EQ(calls, (std::vector<std::string>{"outer f", "outer f", "post", "post"}));
    EXPECT_EQ(host.hooks().count("f"), 2u);
    EXPECT_EQ(host.hooks().count("g99"), 2u);
}

TEST_F(HostHooks, DroppingAPluginRemovesAllItsRegistrations) {
    auto cell = std::make_shared<bool>(false);
    auto console = host.makeCvarManager(first);
    console->registerCvar("enabled", "0", "", true, false, 0, false, 0, true).bindTo(cell);
    firstGame->HookEvent("f", record("pre 1"));
    firstGame->HookEventPost("f", record("post 1"));
    firstGame->RegisterDrawable([this](CanvasWrapper) { calls.push_back("draw 1"); });
    secondGame->RegisterDrawable([this](CanvasWrapper) { calls.push_back("draw 2"); });
    host.dropPlugin(first);
    host.fireEvent("f");
    halvex::host::Canvas canvas(host, Vector2{100, 100});
    host.renderFrame(canvas);
    EXPECT_EQ(calls, (std::vector<std::string>{"draw 2"}));
    EXPECT_EQ(cell.use_count(), 1);
    EXPECT_EQ(host.variables().find("enabled")->text(), "0") << "values stay in the host";
}

TEST_F(HostHooks, TraceNamesEveryPluginCall) {
    std::vector<std::string> lines;
    host.setTraceSink([&lines](const std::string& line) { lines.push_back(line); });
    host.setTracing(true);
    auto console = host.makeCvarManager(first);
    console->getCvar("sv_soccar_gamespeed").setValue(0.9f);
    console->getCvar("sv_soccar_gamespeed").setValue(2);
    console->executeCommand("togglemenu Kadenzo", true);
    firstGame->HookEvent("f", record(""));
    firstGame->HookEventPost("f", record(""));
    firstGame->UnhookEvent("f");
    firstGame->UnhookEventPost("f");
    firstGame->RegisterDrawable([](CanvasWrapper) {});
    firstGame->UnregisterDrawables();
    halvex::host::Canvas canvas(host, Vector2{10, 10});
    CanvasWrapper wrapper(&canvas);
    wrapper.SetColor(255, 0, 7, 255);
    wrapper.SetColor(LinearColor{0.0f, 255.0f, 0.5f, 255.0f});
    wrapper.SetPosition(Vector2{-3, 12});
    wrapper.DrawString("Streak: 0", 1.5f, 1.0f, true, false);
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "plugin set sv_soccar_gamespeed 0.9", "plugin set sv_soccar_gamespeed 2 (int)",
                  "plugin command \"togglemenu Kadenzo\"", "plugin hook f", "plugin hook-post f",
                  "plugin unhook f", "plugin unhook-post f", "plugin drawable", "plugin unregister-drawables",
                  "canvas SetColor 255 0 7 255", "canvas SetColor 0 255 0.5 255", "canvas SetPosition -3 12",
                  "canvas DrawString \"Streak: 0\" 1.5 1"}));
    ASSERT_EQ(canvas.texts().size(), 1u);
    EXPECT_EQ(canvas.texts()[0].position.Y, 12);
    EXPECT_EQ(canvas.texts()[0].color.B, 0.5f);
}

// ---- The calling contract ----------------------------------------------------------------------

TEST_F(HostHooks, CallsFromAnotherThreadAreRefusedAndReported) {
    std::vector<std::string> violations;
    host.contract().setViolationSink([&violations](const std::string& line) { violations.push_back(line); });
    auto console = host.makeCvarManager(first);
    std::thread([&] {
        firstGame->HookEvent("f", record("from another thread"));
        EXPECT_FALSE(console->getCvar("sv_soccar_gamespeed"));
        halvex::host::Canvas canvas(host, Vector2{10, 10});
        CanvasWrapper(&canvas).DrawString("x", 1, 1, true, false);
        EXPECT_TRUE(canvas.texts().empty());
    }).join();
    host.fireEvent("f");
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(host.contract().violationCount(), 3u);
    ASSERT_EQ(violations.size(), 3u);
    EXPECT_EQ(violations[0], "HookEvent was called on a thread the host did not call the plugin on; the host "
                             "ignored the call");
}

TEST_F(HostHooks, CallsBeforeStartOrAfterDropAreRefused) {
    const halvex::host::PluginId unstarted = host.addPlugin();
    host.makeGameWrapper(unstarted)->RegisterDrawable([this](CanvasWrapper) { calls.push_back("early"); });
    auto cell = std::make_shared<float>(0.0f);
    const CVarWrapper speed = host.makeCvarManager(first)->getCvar("sv_soccar_gamespeed");
    host.dropPlugin(first);
    speed.bindTo(cell);
    speed.setValue(0.5f);
    firstGame->HookEventPost("f", record("late"));
    host.fireEvent("f");
    halvex::host::Canvas canvas(host, Vector2{10, 10});
    host.renderFrame(canvas);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(cell.use_count(), 1) << "no binding was made";
    EXPECT_EQ(host.variables().find("sv_soccar_gamespeed")->floatValue(), 1.0f);
    EXPECT_EQ(host.contract().violationCount(), 4u);
}

// However many plugins run at once, each may call from its start until it is dropped, and no longer.
TEST(HostState, EveryStartedPluginMayCallUntilItIsDroppedHoweverManyRun) {
    HostState host;
    host.setInCustomTraining(true);
    std::vector<halvex::host::PluginId> plugins;
    std::vector<std::shared_ptr<GameWrapper>> games;
    for (int index = 0; index < 20; ++index) {
        plugins.push_back(host.addPlugin());
        games.push_back(host.makeGameWrapper(plugins.back()));
        host.startPlugin(plugins.back());
    }
    host.startPlugin(plugins[3]);
    for (std::size_t index = 0; index < plugins.size(); ++index)
        EXPECT_TRUE(games[index]->IsInCustomTraining()) << index;
    for (std::size_t index = 0; index < plugins.size(); index += 3)
        host.dropPlugin(plugins[index]);
    for (std::size_t index = 0; index < plugins.size(); ++index)
        EXPECT_EQ(games[index]->IsInCustomTraining(), index % 3 != 0) << index;
    const halvex::host::PluginId late = host.addPlugin();
    host.startPlugin(late);
    EXPECT_TRUE(host.makeGameWrapper(late)->IsInCustomTraining());
    EXPECT_EQ(host.contract().violationCount(), 7u);
}

TEST_F(HostHooks, EveryCallIsCountedWhetherCarriedOutOrRefused) {
    const std::size_t before = host.contract().callsChecked();
    firstGame->IsInCustomTraining();
    secondGame->IsInCustomTraining();
    std::thread([this] { firstGame->IsInCustomTraining(); }).join();
    host.dropPlugin(first);
    firstGame->IsInCustomTraining();
    EXPECT_EQ(host.contract().callsChecked() - before, 4u);
    EXPECT_EQ(host.contract().violationCount(), 2u);
}

TEST(HostState, AnEmptyVariableHandleDoesNothing) {
    const CVarWrapper none;
    none.bindTo(std::make_shared<bool>(true));
    none.setValue(3);
    EXPECT_EQ(none.getIntValue(), 0);
    EXPECT_EQ(none.getStringValue(), "");
}

} // namespace
