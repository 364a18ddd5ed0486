// A host with the plugin loaded into it, for tests that drive the plugin as the game would.
#pragma once

#include "Kadenzo.h"
#include "game/attempt_codes.h"
#include "host_state.h"
#include "loader/plugin_attachment.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The game functions by the names the tests use. Not inline: an inline variable's initialization is
// ordered only within one module's definition order under the Itanium ABI; with Visual C++'s, globals
// of a test built from these (armingTrace in coach_test.cpp) could see them still empty. Each test file
// gets its own copies, initialized first.
namespace game {
const std::string loadRound = game_function::loadRound;
const std::string destroyed = game_function::editorDestroyed;
const std::string roundChanged = game_function::roundChanged;
const std::string touch = game_function::carHitBall;
const std::string explode = game_function::ballExploded;
const std::string goal = game_function::goalScored;
const std::string restart = game_function::controllerRestart;
} // namespace game

class PluginFixture : public ::testing::Test {
protected:
    void SetUp() override {
        host.setTraceSink([this](const std::string& line) { trace.push_back(line); });
        host.setTracing(true);
        attachment = std::make_unique<kadenzo::sim::PluginAttachment>(
            host, kadenzo::sim::PluginEntryPoints{&getPlugin, &deleteMe}, "Kadenzo");
        plugin = static_cast<Kadenzo*>(&attachment->plugin());
        id = attachment->id();
    }

    void TearDown() override {
        EXPECT_EQ(attachment->detach(), std::nullopt);
        // What unloading the module would release.
        moduleCvarManager.reset();
    }

    void set(const std::string& name, const std::string& value) {
        ASSERT_TRUE(host.variables().find(name)) << name;
        ASSERT_EQ(host.variables().find(name)->setText(value),
                  halvex::host::ConsoleVariable::TextOutcome::taken)
            << value;
    }
    float speed() { return host.variables().find("sv_soccar_gamespeed")->floatValue(); }
    void fire(const std::string& functionName) { host.fireEvent(functionName, ActorWrapper(0x1000)); }

    // Enabled, in training, armed, and past the restart that starts the round.
    void startTraining() {
        set("slowMoEnabled", "1");
        host.setInCustomTraining(true);
        fire(game::loadRound);
        fire(game::restart);
    }

    // One attempt per character, each ended by a restart (attempt_codes.h).
    void play(const std::string& codes) {
        kadenzo::sim::playAttempts(codes, [this](const char* functionName) { fire(functionName); });
    }

    std::vector<std::string> takeTrace() {
        std::vector<std::string> lines;
        lines.swap(trace);
        return lines;
    }

    halvex::host::HostState host;
    std::unique_ptr<kadenzo::sim::PluginAttachment> attachment;
    halvex::host::PluginId id = 0;
    Kadenzo* plugin = nullptr;
    std::vector<std::string> trace;
};
