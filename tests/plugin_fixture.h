// A host with the plugin loaded into it, for tests that drive the plugin as the game would.
#pragma once

#include "Kadenzo.h"
#include "host_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Not inline: an inline variable's initialization is ordered only within one module's definition
// order under the Itanium ABI; with Visual C++'s, globals of a test built from these (armingTrace in
// coach_test.cpp) could see them still empty. Each test file gets its own copies, initialized first.
namespace game {
const std::string loadRound = "Function TAGame.GameEvent_TrainingEditor_TA.LoadRound";
const std::string destroyed = "Function TAGame.GameEvent_TrainingEditor_TA.Destroyed";
const std::string roundChanged = "Function TAGame.GameEvent_TrainingEditor_TA.EventRoundChanged";
const std::string touch = "Function TAGame.Ball_TA.RecordCarHit";
const std::string explode = "Function TAGame.Ball_TA.Explode";
const std::string goal = "Function TAGame.Ball_TA.OnHitGoal";
const std::string restart = "Function Engine.Controller.Restart";
} // namespace game

class PluginFixture : public ::testing::Test {
protected:
    void SetUp() override {
        host.setTraceSink([this](const std::string& line) { trace.push_back(line); });
        host.setTracing(true);
        getPlugin();
        plugin = pluginInstance.get();
        plugin->cvarManager = host.makeCvarManager(id);
        plugin->gameWrapper = host.makeGameWrapper(id);
        static_cast<Halvex::Plugin::HalvexPlugin*>(plugin)->onLoad();
    }

    void TearDown() override {
        plugin->onUnload();
        host.dropPlugin(id);
        deleteMe();
        moduleCvarManager.reset();
    }

    void set(const std::string& name, const std::string& value) {
        ASSERT_TRUE(host.variables().find(name)) << name;
        ASSERT_EQ(host.variables().find(name)->setText(value), halvex::host::ConsoleVariable::TextOutcome::taken)
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

    // One attempt per character, each ended by a restart: G goal, X explosion, N nothing,
    // T touch then explosion, E explosion then goal.
    void play(const std::string& codes) {
        for (const char code : codes) {
            if (code == 'G') fire(game::goal);
            if (code == 'X') fire(game::explode);
            if (code == 'T') {
                fire(game::touch);
                fire(game::explode);
            }
            if (code == 'E') {
                fire(game::explode);
                fire(game::goal);
            }
            fire(game::restart);
        }
    }

    std::vector<std::string> takeTrace() {
        std::vector<std::string> lines;
        lines.swap(trace);
        return lines;
    }

    halvex::host::HostState host;
    halvex::host::PluginId id = host.addPlugin();
    Kadenzo* plugin = nullptr;
    std::vector<std::string> trace;
};
