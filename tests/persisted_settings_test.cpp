// Settings kept across runs (--config) and the console at a terminal: the values a run leaves reach the
// plugin of the next run, through a reload too; values of variables nobody registers are kept; bad lines
// are reported and skipped; files that could not be written at exit stop the run before it starts; the
// history's lines; what TAB completes.
//
// Index of this file:
// - Values across runs
// - Bad lines: refused values, and files that are no settings files
// - Sizes: nothing written larger than is read
// - Files that cannot be used
// - The file's words
// - The option
// - History
// - Completion
#include "built_modules.h"
#include "console/console.h"
#include "console/console_completion.h"
#include "console/console_history.h"
#include "console/persisted_settings.h"
#include "error_message.h"
#include "output/kept_files.h"
#include "output_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace kadenzo::sim;
using test::builtPlugin;
using Lines = std::vector<std::string>;

const std::string headingLine =
    "# Console variables kept by kadenzo-sim between runs (--config), rewritten at exit: NAME VALUE a line";

std::string keptFileErrorOf(const std::function<void()>& action) {
    return messageOf<KeptFileError>(action);
}

// One run of the host: the settings read, the plugin loaded, console lines, and at the end the plugin
// unloaded and the settings written, as kadenzo-sim does.
class HostRun {
public:
    HostRun(const std::string& configPath, std::ostream& warnings)
        : settings(PersistedSettings::read(configPath, simulator.host, warnings)),
          console(simulator, output) {
        simulator.defaultPluginPath = builtPlugin();
        loadPlugin(simulator, builtPlugin());
    }

    void type(const std::string& line) { console.execute(line); }
    std::string value(const std::string& name) {
        const halvex::host::ConsoleVariable* variable = simulator.host.variables().find(name);
        return variable ? variable->text() : "(not registered)";
    }
    int end(int status = 0) {
        unloadPlugin(simulator);
        return settings.writeAtExit(simulator.host, status, errors);
    }

    Simulator simulator;
    PersistedSettings settings;
    std::ostringstream output;
    std::ostringstream errors;
    Console console;
};

class PersistedSettingsTest : public output_test::FolderTest {
protected:
    std::string config() const { return path("settings.cfg"); }
    std::ostringstream warnings;
};

// ---- Values across runs ------------------------------------------------------------------------

TEST_F(PersistedSettingsTest, ValuesSurviveAReloadAndReachThePluginOfTheNextRun) {
    {
        HostRun run(config(), warnings);
        run.type("idealAccuracy 0.6");
        run.type("plugin unload");
        run.type("plugin load");
        EXPECT_EQ(run.value("idealAccuracy"), "0.6") << "a reload keeps the value";
        run.type("slowMoMaxSpeed 120");
        run.type("sv_soccar_gamespeed 0.8");
        EXPECT_EQ(entries(), Lines{}) << "nothing is written before the end";
        EXPECT_EQ(run.end(), 0) << run.errors.str();
    }
    EXPECT_EQ(entries(), Lines{"settings.cfg"}) << "a missing file is created at exit";
    const std::string written = contents("settings.cfg");
    EXPECT_EQ(written.rfind(headingLine + "\n", 0), 0u) << written;
    EXPECT_NE(written.find("\nidealAccuracy 0.6\n"), std::string::npos) << written;
    EXPECT_NE(written.find("\nslowMoMaxSpeed 120\n"), std::string::npos) << written;
    EXPECT_NE(written.find("\nsv_soccar_gamespeed 0.8\n"), std::string::npos) << written;

    HostRun second(config(), warnings);
    EXPECT_EQ(second.value("idealAccuracy"), "0.6");
    EXPECT_EQ(second.value("slowMoMaxSpeed"), "120");
    EXPECT_EQ(second.value("sv_soccar_gamespeed"), "0.8");
    second.type("plugin unload");
    second.type("plugin load");
    EXPECT_EQ(second.value("slowMoMaxSpeed"), "120");
    EXPECT_EQ(second.end(), 0);
    EXPECT_EQ(contents("settings.cfg"), written) << "a run that changes nothing writes the same file";
    EXPECT_EQ(warnings.str(), "");
}

// A value the plugin sets is shown and kept as people write it: 0.95 and 1.05, not 0.949999988 and
// 1.04999995.
TEST_F(PersistedSettingsTest, AFloatIsWrittenAsTheShortestTextThatReadsBackTheSame) {
    {
        HostRun run(config(), warnings);
        for (const char* line :
             {"slowMoEnabled 1", "training on", "loadround", "restart", "attempts GGGGGXXXXX"})
            run.type(line);
        EXPECT_EQ(run.value("sv_soccar_gamespeed"), "0.95") << "a step down";
        run.type("attempts GGGGGGGGGG");
        ASSERT_EQ(run.end(), 0) << run.errors.str();
    }
    const std::string written = contents("settings.cfg");
    EXPECT_NE(written.find("\nsv_soccar_gamespeed 1.05\n"), std::string::npos) << written;
    HostRun next(config(), warnings);
    EXPECT_EQ(next.simulator.host.variables().find("sv_soccar_gamespeed")->floatValue(),
              1.0f - 0.05f + 2.0f * 0.05f)
        << "read back as the float the plugin set";
    EXPECT_EQ(next.end(), 0);
}

// The plugin's bound cells get the values held, not the defaults: ten goals against a target of 0.9
// move the speed one step of the file's 0.25 (with the defaults: two steps of 0.05).
TEST_F(PersistedSettingsTest, ThePluginWorksWithTheValuesItRegisteredFromTheFile) {
    writeFile("settings.cfg", "slowMoEnabled 1\nidealAccuracy 0.9\nslowMoSpeedIncrement 0.25\n");
    HostRun run(config(), warnings);
    run.type("training on");
    run.type("loadround");
    run.type("restart");
    run.type("attempts GGGGGGGGGG");
    EXPECT_EQ(run.value("sv_soccar_gamespeed"), "1.25");
    EXPECT_EQ(run.end(), 0);
}

TEST_F(PersistedSettingsTest, AHeldValueTakesTheRangeOfTheRegistration) {
    writeFile("settings.cfg", "slowMoMaxSpeed 500\nslowMoMinSpeed -1\n");
    HostRun run(config(), warnings);
    EXPECT_EQ(run.value("slowMoMaxSpeed"), "200");
    EXPECT_EQ(run.value("slowMoMinSpeed"), "5");
    EXPECT_EQ(warnings.str(), "");
}

TEST_F(PersistedSettingsTest, AVariableNeverRegisteredIsKeptAndWrittenBackInNameOrder) {
    writeFile("settings.cfg", "zz_otherPlugin_volume 3\n\"spaced name\" 1e3\naa_first -2 # a comment\n");
    HostRun run(config(), warnings);
    EXPECT_EQ(run.value("zz_otherPlugin_volume"), "(not registered)");
    EXPECT_EQ(run.end(), 0);
    const Lines lines = keptFileLines(contents("settings.cfg"));
    ASSERT_EQ(lines.size(), 18u) << "the heading, 13 of the plugin's, the game's and 3 others";
    EXPECT_EQ(lines[0], headingLine);
    EXPECT_EQ(lines[1], "aa_first -2");
    EXPECT_EQ(lines[15], "\"spaced name\" 1e3");
    EXPECT_EQ(lines[17], "zz_otherPlugin_volume 3");
    Lines names;
    for (std::size_t index = 1; index < lines.size(); ++index)
        names.push_back(splitWords(lines[index]).at(0));
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

// ---- Bad lines ---------------------------------------------------------------------------------

TEST_F(PersistedSettingsTest, RefusedValuesAreReportedWithFileAndLineAndTheRestLoads) {
    writeFile("settings.cfg", "idealAccuracy 0.65\n"
                              "\n"
                              "slowMoMaxSpeed high\n"
                              "zz_other lots\n"
                              "sv_soccar_gamespeed 0x10\n"
                              "slowMoMinSpeed 40\r\n");
    HostRun run(config(), warnings);
    const std::string file = config();
    EXPECT_EQ(warnings.str(), file + ":3: \"high\" is not a number (slowMoMaxSpeed takes a number)\n" + file +
                                  ":4: \"lots\" is not a number (zz_other takes a number)\n" + file +
                                  ":5: \"0x10\" is not a number (sv_soccar_gamespeed takes a number)\n");
    EXPECT_EQ(run.value("idealAccuracy"), "0.65");
    EXPECT_EQ(run.value("slowMoMinSpeed"), "40");
    EXPECT_EQ(run.value("slowMoMaxSpeed"), "150");
    EXPECT_EQ(run.end(), 0) << "a refused value changes no status";
    const std::string written = contents("settings.cfg");
    EXPECT_EQ(written.find("zz_other"), std::string::npos)
        << "refused values are dropped when it is rewritten";
    EXPECT_NE(written.find("\nslowMoMaxSpeed 150\n"), std::string::npos) << written;
}

// A file named by mistake (the module, a script, anything with a line that is no setting) would be
// destroyed by the settings written over it at exit.
TEST_F(PersistedSettingsTest, AFileWithALineThatIsNoSettingIsNeitherReadNorWritten) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"idealAccuracy 0.65\nslowMoEnabled\n",
         "2: expected NAME VALUE (one console variable a line), not 1 word"},
        {"# a comment\nonTouchEnabled 1 2\n",
         "2: expected NAME VALUE (one console variable a line), not 3 words"},
        {"showStatus \"0\n", "1: unterminated quote"},
        {std::string("idealAccuracy 0.6\nzz 1\0\n", 25), "2: the line holds a NUL byte"},
        {"\x7f"
         "ELF\x02\x01\x01 x\n",
         "1: the line holds the control byte \\x7F"},
        {"frame 10\nscreenshot a.png now\n",
         "2: expected NAME VALUE (one console variable a line), not 3 words"},
        {std::string(ScriptReader::longestLine + 1, 'a'),
         "1: the line is longer than " + std::to_string(ScriptReader::longestLine) + " bytes"},
    };
    for (const auto& [text, cause] : files) {
        writeFile("settings.cfg", text);
        Simulator simulator;
        EXPECT_EQ(keptFileErrorOf([&] { PersistedSettings::read(config(), simulator.host, warnings); }),
                  config() + ":" + cause + ", so " + config() + " is no settings file; it is left as it is");
        EXPECT_EQ(simulator.host.variables().heldValues().size(), 0u) << "nothing was read";
        EXPECT_EQ(contents("settings.cfg"), text);
    }
    EXPECT_EQ(warnings.str(), "");
}

TEST_F(PersistedSettingsTest, AFileThatBecameSomethingElseMeanwhileIsNotWrittenOver) {
    writeFile("settings.cfg", "idealAccuracy 0.6\n");
    HostRun run(config(), warnings);
    run.type("idealAccuracy 0.5");
    writeFile("settings.cfg", "frame 1 2\n");
    EXPECT_EQ(run.end(0), keptFileNotWritten);
    EXPECT_EQ(run.errors.str(),
              "kadenzo-sim: cannot write settings " + config() + ": " + config() +
                  ":1: expected NAME VALUE (one console variable a line), not 3 words, so " + config() +
                  " is no settings file; it is left as it is\n");
    EXPECT_EQ(contents("settings.cfg"), "frame 1 2\n");
}

// ---- Sizes -------------------------------------------------------------------------------------

// Settings lines of held variables (long names, so that there are not too many) up to exactly SIZE bytes.
std::string settingsOfSize(std::size_t size) {
    std::string text;
    const std::string name(200, 'v');
    for (int index = 0; text.size() + 220 < size; ++index)
        text += name + std::to_string(index) + " 1\n";
    text += '#' + std::string(size - text.size() - 2, '-') + '\n';
    return text;
}

TEST_F(PersistedSettingsTest, AFileOfTheLargestSizeIsReadButNothingLargerIsWritten) {
    const std::string largest = settingsOfSize(largestKeptFile);
    ASSERT_EQ(largest.size(), largestKeptFile);
    writeFile("settings.cfg", largest);
    HostRun run(config(), warnings);
    EXPECT_EQ(warnings.str(), "");
    EXPECT_EQ(run.end(), keptFileNotWritten);
    const std::string message = run.errors.str();
    EXPECT_EQ(message.rfind("kadenzo-sim: cannot write settings " + config() + ": it would be ", 0), 0u)
        << message;
    EXPECT_NE(message.find(" bytes, more than the " + std::to_string(largestKeptFile) +
                           " that kadenzo-sim reads\n"),
              std::string::npos)
        << message;
    // Compared as a whole: on a failure GoogleTest would spend minutes on a diff of 16 MiB.
    EXPECT_TRUE(contents("settings.cfg") == largest) << "left as it was, to be read by the next run";
}

// NaN is a console number; whether a variable takes it is known only once it is registered with its
// range, so the refusal comes then, naming the line it came from. The game's speed is registered before
// the file is read, and refuses at once what is no speed.
TEST_F(PersistedSettingsTest, NanIsRefusedByARangedVariableWhenItIsRegistered) {
    writeFile("settings.cfg", "sv_soccar_gamespeed nan\nzz_unranged nan\n# idealAccuracy 1\nidealAccuracy "
                              "nan\nsv_soccar_gamespeed -inf\nsv_soccar_gamespeed 0\n");
    HostRun run(config(), warnings);
    EXPECT_EQ(warnings.str(),
              config() + ":1: \"nan\" is refused: sv_soccar_gamespeed takes a finite number above 0\n" +
                  config() + ":5: \"-inf\" is refused: sv_soccar_gamespeed takes a finite number above 0\n" +
                  config() + ":6: \"0\" is refused: sv_soccar_gamespeed takes a finite number above 0\n" +
                  config() + ":4: \"nan\" cannot be clamped to the range 0..1 of idealAccuracy\n");
    EXPECT_EQ(run.value("idealAccuracy"), "0.7");
    EXPECT_EQ(run.value("sv_soccar_gamespeed"), "1");
    EXPECT_EQ(run.end(), 0);
    const std::string written = contents("settings.cfg");
    EXPECT_NE(written.find("\nzz_unranged nan\n"), std::string::npos) << written;
    EXPECT_NE(written.find("\nidealAccuracy 0.7\n"), std::string::npos) << written;
}

// ---- Files that cannot be used -----------------------------------------------------------------

TEST_F(PersistedSettingsTest, AFileThatCouldNotBeWrittenAtExitIsRefusedBeforeAnythingRuns) {
    std::filesystem::create_directory(folder / "folder");
    Simulator simulator;
    const auto readError = [&](const std::string& target) {
        return keptFileErrorOf([&] { PersistedSettings::read(target, simulator.host, warnings); });
    };
    EXPECT_EQ(readError(path("folder")), "cannot write settings " + path("folder") + ": it is a folder");
    EXPECT_EQ(readError(path("absent/settings.cfg")), "cannot write settings " + path("absent/settings.cfg") +
                                                          ": the folder " + path("absent") +
                                                          " does not exist");
    writeFile("kept.cfg", "idealAccuracy 0.1\n");
    std::filesystem::permissions(folder / "kept.cfg", std::filesystem::perms::owner_read);
    EXPECT_EQ(readError(path("kept.cfg")), "cannot write settings " + path("kept.cfg") + ": it is read-only");
    EXPECT_EQ(simulator.host.variables().heldValues().size(), 0u) << "nothing was read";
}

TEST_F(PersistedSettingsTest, AFailureToWriteAtExitIsReportedAndMakesTheStatusNonZero) {
    writeFile("settings.cfg", "idealAccuracy 0.6\n");
    HostRun run(config(), warnings);
    std::filesystem::remove(folder / "settings.cfg");
    std::filesystem::create_directory(folder / "settings.cfg");
    EXPECT_EQ(run.end(0), keptFileNotWritten);
    EXPECT_EQ(run.errors.str(), "kadenzo-sim: cannot write settings " + config() + ": it is a folder\n");
    EXPECT_EQ(run.settings.writeAtExit(run.simulator.host, 2, run.errors), 2)
        << "a failure already there stays";
}

TEST_F(PersistedSettingsTest, NoFileNothingReadNorWritten) {
    HostRun run("", warnings);
    EXPECT_EQ(run.settings.historyPath(), "");
    EXPECT_EQ(run.end(), 0);
    EXPECT_EQ(entries(), Lines{});
}

// ---- The file's words --------------------------------------------------------------------------

TEST(SettingsText, NamesReadBackAsTheyWereAndThoseNoLineCanHoldAreLeftOut) {
    halvex::host::HostState host;
    for (const char* name : {"plain", "two words", "hash#name", "tab\tname", "", "quote\"name", "line\nend"})
        ASSERT_EQ(host.variables().hold(name, "1"), halvex::host::ConsoleVariable::TextOutcome::taken);
    const Lines lines = keptFileLines(settingsText(host.variables()));
    EXPECT_EQ(lines, (Lines{headingLine, "\"\" 1", "\"hash#name\" 1", "plain 1", "sv_soccar_gamespeed 1",
                            "\"tab\tname\" 1", "\"two words\" 1"}));
    for (std::size_t index = 1; index < lines.size(); ++index) {
        const std::vector<std::string> words = splitWords(lines[index]);
        ASSERT_EQ(words.size(), 2u) << lines[index];
        EXPECT_EQ(lines[index], consoleWord(words[0]) + " 1");
    }
}

TEST(HeldValues, ANameRegisteredLaterTakesItsValueOnceAndRefusalsAreTold) {
    halvex::host::HostState host;
    halvex::host::ConsoleVariables& variables = host.variables();
    using Outcome = halvex::host::ConsoleVariable::TextOutcome;
    EXPECT_EQ(variables.hold("speed", "fast"), Outcome::notANumber);
    EXPECT_EQ(variables.hold("speed", "3"), Outcome::taken);
    EXPECT_EQ(variables.hold("ratio", "nan"), Outcome::taken);
    EXPECT_EQ(variables.find("speed"), nullptr) << "held, not registered";
    std::vector<std::string> refused;
    variables.setHeldValueRefusalSink(
        [&refused](const halvex::host::ConsoleVariable& variable, const std::string& text, Outcome) {
            refused.push_back(variable.name() + "=" + text);
        });
    EXPECT_EQ(variables.add("speed", "1", "", {true, 0.0f, true, 2.0f}).text(), "2");
    EXPECT_EQ(variables.add("ratio", "0.5", "", {true, 0.0f, true, 1.0f}).text(), "0.5");
    EXPECT_EQ(refused, Lines{"ratio=nan"});
    EXPECT_TRUE(variables.heldValues().empty());
    EXPECT_EQ(variables.hold("speed", "1.5"), Outcome::taken);
    EXPECT_EQ(variables.find("speed")->text(), "1.5") << "a registered name is set at once";
}

// ---- The option --------------------------------------------------------------------------------

TEST(ConfigOption, IsTakenOutWhereverItStands) {
    std::vector<std::string> arguments{"play",   "--attempts", "20", "--config", "my settings.cfg",
                                       "--seed", "1"};
    EXPECT_EQ(takeConfigOption(arguments), "my settings.cfg");
    EXPECT_EQ(arguments, (Lines{"play", "--attempts", "20", "--seed", "1"}));
    std::vector<std::string> none{"script.kz"};
    EXPECT_EQ(takeConfigOption(none), "");
    EXPECT_EQ(none, Lines{"script.kz"});
    const auto errorOf = [](std::vector<std::string> given) {
        return messageOf<ConsoleError>([&] { takeConfigOption(given); });
    };
    EXPECT_EQ(errorOf({"--config"}), "--config needs a file name");
    EXPECT_EQ(errorOf({"--config", ""}), "--config needs a file name");
    EXPECT_EQ(errorOf({"--config", "a", "--config", "b"}), "--config can be given only once");
    EXPECT_EQ(
        errorOf({"play", "--config", "-"}),
        "--config needs a file name, not \"-\": settings are read from a file and written back to it at "
        "exit, which standard input and output cannot do");
}

// "--config=FILE" as well, and only before the "--" that ends the options, which stays for the command's
// own parser with everything after it; the rest is handed on as given.
TEST(ConfigOption, TakesItsValueAfterAnEqualsSignAndStopsAtDashDash) {
    std::vector<std::string> arguments{"play", "--seed=1", "--config=my settings.cfg", "--", "--config", "x"};
    EXPECT_EQ(takeConfigOption(arguments), "my settings.cfg");
    EXPECT_EQ(arguments, (Lines{"play", "--seed=1", "--", "--config", "x"}));
    std::vector<std::string> script{"--", "--config=a.cfg"};
    EXPECT_EQ(takeConfigOption(script), "");
    EXPECT_EQ(script, (Lines{"--", "--config=a.cfg"}));
    const auto errorOf = [](std::vector<std::string> given) {
        return messageOf<ConsoleError>([&] { takeConfigOption(given); });
    };
    EXPECT_EQ(errorOf({"--config="}), "--config needs a file name");
    EXPECT_EQ(errorOf({"--config=a", "--config", "a"}), "--config can be given only once");
    EXPECT_EQ(errorOf({"--config=-"}).rfind("--config needs a file name, not \"-\"", 0), 0u);
}

// ---- History -----------------------------------------------------------------------------------

class ConsoleHistoryTest : public output_test::FolderTest {};

TEST_F(ConsoleHistoryTest, KeepsWhatWasTypedWithoutBlanksOrRepeatsAndOnlyTheLatestLines) {
    ConsoleHistory history = ConsoleHistory::read(path("settings.cfg.history"));
    EXPECT_TRUE(history.lines().empty());
    for (const char* line : {"cvars", "cvars", "  ", "", "idealAccuracy 0.6", "cvars"})
        history.add(line);
    EXPECT_EQ(Lines(history.lines().begin(), history.lines().end()),
              (Lines{"cvars", "idealAccuracy 0.6", "cvars"}));
    std::ostringstream errors;
    EXPECT_EQ(history.writeAtExit(0, errors), 0);
    EXPECT_EQ(contents("settings.cfg.history"), "cvars\nidealAccuracy 0.6\ncvars\n");

    ConsoleHistory again = ConsoleHistory::read(path("settings.cfg.history"));
    for (std::size_t line = 0; line < ConsoleHistory::mostLines; ++line)
        again.add("frame " + std::to_string(line));
    EXPECT_EQ(again.lines().size(), ConsoleHistory::mostLines);
    EXPECT_EQ(again.lines().front(), "frame 0");
    EXPECT_EQ(again.lines().back(), "frame 999");
}

// The file holds the most lines already, so the line typed takes the place of the oldest, a short one;
// being longer, it would make the file larger than is read, so the next oldest goes too.
TEST_F(ConsoleHistoryTest, AHistoryOfTheLargestSizeKeepsItsNewestLinesWithinIt) {
    std::string largest = "cvars 0\n";
    const std::size_t rest = largestKeptFile - largest.size();
    const std::size_t others = ConsoleHistory::mostLines - 1;
    for (std::size_t line = 1; line <= others; ++line) {
        std::string text = "cvars " + std::to_string(line);
        text.resize(rest / others - 1 + (line == 1 ? rest % others : 0), '.');
        largest += text + '\n';
    }
    ASSERT_EQ(largest.size(), largestKeptFile);
    writeFile("settings.cfg.history", largest);
    ConsoleHistory history = ConsoleHistory::read(path("settings.cfg.history"));
    const std::string typed = "idealAccuracy " + std::string(5000, '6');
    history.add(typed);
    std::ostringstream errors;
    EXPECT_EQ(history.writeAtExit(0, errors), 0) << errors.str();
    const std::string written = contents("settings.cfg.history");
    EXPECT_LE(written.size(), largestKeptFile);
    const Lines lines = keptFileLines(written);
    ASSERT_EQ(lines.size(), ConsoleHistory::mostLines - 1);
    EXPECT_EQ(lines.front().rfind("cvars 2.", 0), 0u);
    EXPECT_EQ(lines.back(), typed);
    EXPECT_EQ(ConsoleHistory::read(path("settings.cfg.history")).lines().back(), typed)
        << "the next run reads it";
}

TEST_F(ConsoleHistoryTest, MemoryOnlyWithoutAFileAndRefusedLikeTheSettings) {
    ConsoleHistory memory;
    memory.add("cvars");
    std::ostringstream errors;
    EXPECT_EQ(memory.writeAtExit(0, errors), 0);
    EXPECT_EQ(entries(), Lines{});
    std::filesystem::create_directory(folder / "history");
    EXPECT_EQ(keptFileErrorOf([&] { ConsoleHistory::read(path("history")); }),
              "cannot write history " + path("history") + ": it is a folder");
}

// ---- Completion --------------------------------------------------------------------------------

Completion complete(const std::string& beforeCursor) {
    return completeConsoleWord(beforeCursor, {"idealAccuracy", "slowMoEnabled", "slowMoMaxSpeed"});
}

std::string tab(const std::string& beforeCursor) {
    return completionInsertion(complete(beforeCursor), beforeCursor);
}

TEST(Completion, CommandsAndVariablesStartALine) {
    EXPECT_EQ(tab("cva"), "rs ");
    EXPECT_EQ(tab("  idealAcc"), "uracy ");
    EXPECT_EQ(tab("loadr"), "ound ") << "game function shorthands are commands";
    EXPECT_EQ(tab("slowMo"), "") << "nothing certain beyond what is typed";
    EXPECT_EQ(complete("slowMo").candidates, (Lines{"slowMoEnabled", "slowMoMaxSpeed"}));
    EXPECT_EQ(tab("slowMoM"), "axSpeed ");
    EXPECT_EQ(tab("c"), "");
    EXPECT_EQ(complete("c").candidates, (Lines{"canvas", "click", "close", "collapse", "cvars"}));
    EXPECT_EQ(tab("nosuch"), "");
    EXPECT_TRUE(complete("nosuch").candidates.empty());
    EXPECT_EQ(tab("idealAccuracy 0."), "") << "values are not completed";
}

TEST(Completion, EventCompletesTheGameFunctionsBlanksIncluded) {
    EXPECT_EQ(tab("event F"), "unction ");
    EXPECT_EQ(tab("event Function TAGame.B"), "all_TA.");
    EXPECT_EQ(tab("event Function TAGame.Ball_TA.OnH"), "itGoal ");
    EXPECT_EQ(complete("event Function Engine").candidates, Lines{"Function Engine.Controller.Restart"});
    EXPECT_EQ(complete("event ").candidates.size(), 7u);
}

// The commands the help text lists: a line of the list is indented by two blanks and starts with the
// command and its arguments, or with several commands separated by commas, before the column of what
// they do; the lines that go on describing start further in.
Lines commandsListedIn(const std::string& help) {
    Lines commands;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        if (line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] == ' ') continue;
        const std::string usage = line.substr(2, line.find("  ", 2) - 2);
        if (usage.find(", ") != std::string::npos) {
            std::istringstream names(usage);
            for (std::string name; std::getline(names >> std::ws, name, ',');)
                commands.push_back(name);
        } else {
            commands.push_back(usage.substr(0, usage.find(' ')));
        }
    }
    return commands;
}

// The one table the console runs commands from is the one it completes from; the help text a person
// reads lists each of its words as a command, and no command besides (NAME stands for a variable).
TEST(Completion, EveryCommandWordIsInTheHelpText) {
    const Lines words = Console::commandWords();
    EXPECT_EQ(words.size(), 29u);
    const Lines listed = commandsListedIn(consoleHelp());
    const auto contains = [](const Lines& lines, const std::string& word) {
        return std::find(lines.begin(), lines.end(), word) != lines.end();
    };
    for (const std::string& word : words)
        EXPECT_TRUE(contains(listed, word)) << word << " is not listed as a command";
    for (const std::string& command : listed)
        EXPECT_TRUE(command == "NAME" || contains(words, command))
            << command << " is listed but is no command";
}

// Besides the commands, the help says how to leave the console and what Ctrl+C does there.
TEST(Completion, TheHelpTextSaysHowToLeave) {
    const std::string help = consoleHelp();
    EXPECT_NE(help.find("quit or exit (or Ctrl+D on an empty line) ends the session and writes the settings"),
              std::string::npos)
        << help;
    EXPECT_NE(help.find("Ctrl+C drops the line being typed"), std::string::npos) << help;
}

} // namespace
