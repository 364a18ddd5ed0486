// kadenzo-sim validate around its checks: options and their errors, the selection of checks, the result
// files, the runner with checks in processes of their own (the fake checks of validate/fake_checks.h, run
// by this very program) or in this process, and the command as a whole.
//
// Index of this file:
// - Options
// - Selection
// - Shell commands, JUnit XML, JSON
// - The runner: each way a check ends, in its own process and in this one
// - The command
#include "built_modules.h"
#include "error_message.h"
#include "fake_checks.h"
#include "output/run_files.h"
#include "output_test_support.h"
#include "platform/child_process.h"
#include "validate/sanitizer_build.h"
#include "validate/validate_options.h"
#include "validate/validation_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

namespace {

using namespace kadenzo::validate;
using namespace kadenzo::validate::test;
using kadenzo::sim::test::builtPlugin;
namespace fs = std::filesystem;

// ---- Options -------------------------------------------------------------------------------------

ValidateOptions parsed(const std::vector<std::string>& arguments) {
    return parseValidateOptions(arguments, "default.so");
}

std::string usageErrorOf(const std::vector<std::string>& arguments) {
    return messageOf<UsageError>([&] { parsed(arguments); });
}

// A folder of the test's own, empty at start.
std::string freshFolder(const std::string& name) {
    const fs::path folder = fs::u8path(::testing::TempDir()) / ("kadenzo-validate-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder.u8string();
}

TEST(ValidateOptions, DefaultsToTheModuleBesideTheSimulatorAndEveryCheck) {
    const ValidateOptions options = parsed({});
    EXPECT_EQ(options.modulePath, "default.so");
    EXPECT_FALSE(options.seed);
    EXPECT_EQ(options.timeoutSeconds, 30.0);
    EXPECT_TRUE(options.includes.empty() && options.excludes.empty());
    EXPECT_TRUE(options.junitPath.empty() && options.jsonPath.empty());
    EXPECT_FALSE(options.list || options.inProcess || options.help || options.runCheck);
}

TEST(ValidateOptions, TakesEveryOptionInAnyOrder) {
    const std::string folder = freshFolder("options");
    const ValidateOptions options =
        parsed({"--seed", "18446744073709551615", "--include", "^entry", "Other.so", "--exclude", "x",
                "--include", "y", "--timeout", "0.5", "--junit", folder + "/r.xml", "--json",
                folder + "/r.json", "--in-process", "--list"});
    EXPECT_EQ(options.modulePath, "Other.so");
    EXPECT_EQ(options.seed, 18446744073709551615u);
    EXPECT_EQ(options.timeoutSeconds, 0.5);
    EXPECT_EQ(options.includes.size(), 2u);
    EXPECT_EQ(options.excludes.size(), 1u);
    EXPECT_EQ(options.junitPath, folder + "/r.xml");
    EXPECT_EQ(options.jsonPath, folder + "/r.json");
    EXPECT_TRUE(options.inProcess && options.list);
    EXPECT_EQ(parsed({"--seed", "0", "--timeout", "86400"}).seed, 0u);
}

TEST(ValidateOptions, HelpWinsWhereverItStands) {
    EXPECT_TRUE(parsed({"--frobnicate", "--help"}).help);
    EXPECT_TRUE(parsed({"--seed", "x", "-h"}).help);
    EXPECT_EQ(usageErrorOf({"--help=1"}), "--help takes no value, not \"--help=1\"");
}

// A value follows its option or an '=', a flag takes none, and "--" ends the options: what follows is the
// module, whatever its name starts with.
TEST(ValidateOptions, AValueFollowsItsOptionOrAnEqualsSignAndDashDashEndsTheOptions) {
    const std::string folder = freshFolder("equals");
    const ValidateOptions options =
        parsed({"--seed=5", "--include=^entry", "--include", "^record", "--timeout=2",
                "--junit=" + folder + "/r.xml", "--list", "--", "-dash.so"});
    EXPECT_EQ(options.seed, 5u);
    ASSERT_EQ(options.includes.size(), 2u);
    EXPECT_EQ(options.includes[0].text, "^entry");
    EXPECT_EQ(options.timeoutSeconds, 2.0);
    EXPECT_EQ(options.junitPath, folder + "/r.xml");
    EXPECT_TRUE(options.list);
    EXPECT_EQ(options.modulePath, "-dash.so");
    EXPECT_EQ(parsed({"--", "--list"}).modulePath, "--list");
    EXPECT_FALSE(parsed({"--", "--list"}).list);
    EXPECT_EQ(parsed({"--seed", "1", "--"}).modulePath, "default.so");

    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"--list=1"}, "--list takes no value, not \"--list=1\""},
        {{"--in-process="}, "--in-process takes no value, not \"--in-process=\""},
        {{"--seed="}, "--seed needs a whole number"},
        {{"--seed", ""}, "--seed needs a whole number"},
        {{"--include="}, "--include needs a pattern"},
        {{"--json="}, "--json needs a file name"},
        {{"--seed=1", "--seed=1"}, "--seed can be given only once"},
        {{"--timeout=0"}, "--timeout needs a number of seconds above 0 and at most 86400, not \"0\""},
        {{"--frobnicate=1"}, "unknown option \"--frobnicate\""},
        {{"--", "a.so", "b.so"}, "only one module can be given, not also \"b.so\""},
        {{"--", ""}, "the module's path is empty"},
    };
    for (const auto& example : cases)
        EXPECT_EQ(usageErrorOf(example.arguments), example.message) << example.arguments.front();
}

TEST(ValidateOptions, EachBadUsageIsRefusedNamingTheOptionAndTheValue) {
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"--frobnicate"}, "unknown option \"--frobnicate\""},
        {{"-x", "a.so"}, "unknown option \"-x\""},
        {{"a.so", "b.so"}, "only one module can be given, not also \"b.so\""},
        {{""}, "the module's path is empty"},
        {{"--include"}, "--include needs a pattern"},
        {{"--exclude"}, "--exclude needs a pattern"},
        {{"--seed"}, "--seed needs a whole number"},
        {{"--timeout"}, "--timeout needs a number of seconds"},
        {{"--junit"}, "--junit needs a file name"},
        {{"--json"}, "--json needs a file name"},
        {{"--junit", ""}, "--junit needs a file name"},
        {{"--include", "("}, "--include: \"(\" is not a pattern: '(' at position 1 is never closed"},
        {{"--exclude", "[ab"}, "--exclude: \"[ab\" is not a pattern: '[' at position 1 is never closed"},
        {{"--include", "*"}, "--include: \"*\" is not a pattern: '*' at position 1 has nothing to repeat"},
        {{"--include", "a{4294967296}"},
         "--include: \"a{4294967296}\" is not a pattern: the count 4294967296 at position 2 is above the "
         "largest allowed, 1000"},
        {{"--seed", "-1"}, "--seed must be a whole number, not \"-1\""},
        {{"--seed", "1x"}, "--seed must be a whole number, not \"1x\""},
        {{"--seed", "18446744073709551616"},
         "--seed is too large (at most 18446744073709551615), not \"18446744073709551616\""},
    };
    for (const auto& example : cases)
        EXPECT_EQ(usageErrorOf(example.arguments), example.message) << example.arguments.front();
}

// --include and --exclude repeat (TakesEveryOptionInAnyOrder); every other option, flags among them,
// is refused the second time, as "--junit a.xml --junit b.xml" would otherwise leave a.xml unwritten.
TEST(ValidateOptions, AnOptionGivenTwiceIsRefusedNamingIt) {
    const std::string folder = freshFolder("twice");
    const std::vector<std::vector<std::string>> twice = {
        {"--seed", "1", "--seed", "2"},
        {"--timeout", "1", "--timeout", "1"},
        {"--junit", folder + "/a.xml", "--junit", folder + "/b.xml"},
        {"--json", folder + "/a.json", "--json", folder + "/b.json"},
        {"--list", "--list"},
        {"--in-process", "a.so", "--in-process"},
        {"--run-check", "x", "--run-check", "y"},
    };
    for (const auto& arguments : twice)
        EXPECT_EQ(usageErrorOf(arguments), arguments[0] + " can be given only once");
    EXPECT_TRUE(fs::is_empty(fs::u8path(folder)));
}

TEST(ValidateOptions, ATimeLimitIsAPositiveNumberOfSecondsUpToADay) {
    for (const char* bad : {"0", "0.0", "-1", "abc", "nan", "inf", "1e3", " 5", "5 s", "86400.5", "1."})
        EXPECT_EQ(usageErrorOf({"--timeout", bad}),
                  std::string("--timeout needs a number of seconds above 0 and at most 86400, not \"") + bad +
                      "\"");
    EXPECT_EQ(parsed({"--timeout", ".25"}).timeoutSeconds, 0.25);
}

TEST(ValidateOptions, ResultFilesAreCheckedBeforeAnythingRuns) {
    const std::string folder = freshFolder("targets");
    const std::string junitError = usageErrorOf({"--junit", folder});
    EXPECT_EQ(junitError.rfind("--junit: ", 0), 0u) << junitError;
    EXPECT_NE(junitError.find(folder), std::string::npos) << junitError;
    const std::string jsonError = usageErrorOf({"--json", folder + "/missing/r.json"});
    EXPECT_EQ(jsonError.rfind("--json: ", 0), 0u) << jsonError;
    EXPECT_TRUE(fs::is_empty(fs::u8path(folder)));
}

// Each parse is one run of kadenzo-sim, with the files of a run of its own.
std::string usageErrorOfRun(const std::vector<std::string>& arguments) {
    const kadenzo::output::RunFiles files;
    return usageErrorOf(arguments);
}

TEST(ValidateOptions, AReportThatIsTheModuleOrTheOtherReportIsRefusedHoweverSpelled) {
    const std::string folder = freshFolder("same");
    const output_test::WorkingFolder working(fs::u8path(folder).parent_path());
    const std::string relative = fs::u8path(folder).filename().u8string();
    const std::string twoSpellings = "--json: cannot write " + relative + "/r.xml: it is the same file as " +
                                     folder + "/./r.xml, the JUnit report (--junit)";
    EXPECT_EQ(usageErrorOfRun({"--junit", folder + "/./r.xml", "--json", relative + "/r.xml"}), twoSpellings);
    EXPECT_EQ(usageErrorOfRun({"--junit", "r.xml", "--json", "./r.xml"}),
              "--json: cannot write ./r.xml: it is the same file as r.xml, the JUnit report (--junit)");

    const std::string module = folder + "/module.so";
    std::ofstream(module) << "not loaded";
    EXPECT_EQ(usageErrorOfRun({"--json", relative + "/module.so", module}),
              "--json: cannot write " + relative + "/module.so: it is the same file as " + module +
                  ", the module under test");
    EXPECT_EQ(usageErrorOfRun({"--junit", kadenzo::platform::ownExecutablePath()}),
              "--junit: cannot write " + kadenzo::platform::ownExecutablePath() +
                  ": it is kadenzo-sim itself");
    EXPECT_EQ(fs::file_size(fs::u8path(module)), 10u);
    EXPECT_EQ(usageErrorOfRun({"--junit", folder + "/r.xml", "--json", folder + "/r.json", module}), "");
}

// ---- Selection -----------------------------------------------------------------------------------

void noCheck(CheckContext&) {}

const std::vector<Check> namedChecks{
    {"record.layout", "", false, noCheck},
    {"entry.getplugin-once", "", false, noCheck},
    {"entry.deleteme-idempotent", "", false, noCheck},
    {"lifecycle.random-events", "", true, noCheck},
};

std::vector<std::string> selectedNames(const std::vector<std::string>& arguments) {
    std::vector<std::string> names;
    for (const Check& check : selectChecks(namedChecks, parsed(arguments)))
        names.push_back(check.name);
    return names;
}

using Names = std::vector<std::string>;

TEST(ValidateSelection, IncludesMatchAnywhereInTheNameAndAnyOfThemSelects) {
    EXPECT_EQ(selectedNames({}), (Names{"record.layout", "entry.getplugin-once", "entry.deleteme-idempotent",
                                        "lifecycle.random-events"}));
    EXPECT_EQ(selectedNames({"--include", "^entry\\."}),
              (Names{"entry.getplugin-once", "entry.deleteme-idempotent"}));
    EXPECT_EQ(selectedNames({"--include", "random", "--include", "layout"}),
              (Names{"record.layout", "lifecycle.random-events"}));
}

TEST(ValidateSelection, ExcludesLeaveOutWhatTheyMatchAndWinOverIncludes) {
    EXPECT_EQ(selectedNames({"--exclude", "entry"}), (Names{"record.layout", "lifecycle.random-events"}));
    EXPECT_EQ(selectedNames({"--include", "^entry", "--exclude", "deleteme"}), Names{"entry.getplugin-once"});
    EXPECT_EQ(selectedNames({"--include", "record", "--include", "random", "--exclude", "record"}),
              Names{"lifecycle.random-events"});
}

TEST(ValidateSelection, SelectingNothingIsAnError) {
    const std::string noneSelected =
        "no check is selected: --include and --exclude leave none (see kadenzo-sim validate --list)";
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--include", "ONCE"},
                                                      {"--exclude", "."},
                                                      {"--include", "record", "--exclude", "lay"}})
        EXPECT_EQ(messageOf<UsageError>([&] { selectChecks(namedChecks, parsed(arguments)); }), noneSelected);
    EXPECT_EQ(messageOf<UsageError>([] { checkNamed(namedChecks, "record"); }),
              "no check is named \"record\"");
}

// ---- Shell commands, JUnit XML, JSON -------------------------------------------------------------

TEST(ValidateReport, TheRepeatCommandIsQuotedForAShell) {
    EXPECT_EQ(repeatCommand("lifecycle.random-events", 7, "build/Kadenzo.so"),
              "kadenzo-sim validate --include '^lifecycle\\.random-events$' --seed 7 build/Kadenzo.so");
    EXPECT_EQ(
        repeatCommand("a.b", 18446744073709551615u, "/my plugins/it's.so"),
        "kadenzo-sim validate --include '^a\\.b$' --seed 18446744073709551615 '/my plugins/it'\\''s.so'");
    EXPECT_EQ(repeatCommand("a.b", 1, "-dash.so"),
              "kadenzo-sim validate --include '^a\\.b$' --seed 1 -- -dash.so");
    EXPECT_EQ(shellQuoted(""), "''");
    EXPECT_EQ(shellQuoted("$(rm -rf x)"), "'$(rm -rf x)'");
}

std::vector<CheckResult> sampleResults() {
    CheckResult passed{"record.layout", false, Outcome::pass, 0.0125, "", {"64 bytes"}, "", 0};
    CheckResult quiet{"entry.getplugin-once", false, Outcome::pass, 0.5, "", {}, "", 0};
    CheckResult failed{
        "onload.registrations", false, Outcome::fail, 1.0, "slowMoEnabled's default is \"1\"", {}, "", 0};
    CheckResult crashed{"lifecycle.random-events",
                        true,
                        Outcome::crash,
                        2.25,
                        "killed by signal 11 (SIGSEGV)",
                        {"script:", "loadround"},
                        "SEGV on unknown address\n",
                        12};
    return {passed, quiet, failed, crashed};
}

const RunDescription sampleRun{"build/Kadenzo.so", 42};

// clang-format off
const char* const sampleJUnit = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<testsuite name="kadenzo-sim validate" tests="4" failures="2" errors="0" skipped="0" time="3.763">
  <properties>
    <property name="module" value="build/Kadenzo.so"/>
    <property name="seed" value="42"/>
  </properties>
  <testcase classname="validate.record" name="record.layout" time="0.013">
    <system-out>64 bytes</system-out>
  </testcase>
  <testcase classname="validate.entry" name="entry.getplugin-once" time="0.500"/>
  <testcase classname="validate.onload" name="onload.registrations" time="1.000">
    <failure message="slowMoEnabled&apos;s default is &quot;1&quot;" type="FAIL">slowMoEnabled&apos;s default is &quot;1&quot;</failure>
  </testcase>
  <testcase classname="validate.lifecycle" name="lifecycle.random-events" time="2.250">
    <failure message="killed by signal 11 (SIGSEGV)" type="CRASH">killed by signal 11 (SIGSEGV)
script:
loadround
repeat: kadenzo-sim validate --include &apos;^lifecycle\.random-events$&apos; --seed 42 build/Kadenzo.so</failure>
    <system-err>SEGV on unknown address
(12 more bytes of output dropped: the first 1048576 are kept)</system-err>
  </testcase>
</testsuite>
)xml";

const char* const sampleJson = R"json({
  "module": "build/Kadenzo.so",
  "seed": 42,
  "checks": [
    {
      "name": "record.layout",
      "result": "PASS",
      "seconds": 0.013,
      "reason": "",
      "reports": [
        "64 bytes"
      ],
      "output": "",
      "outputDroppedBytes": 0
    },
    {
      "name": "lifecycle.random-events",
      "result": "CRASH",
      "seconds": 2.250,
      "reason": "killed by signal 11 (SIGSEGV)",
      "reports": [
        "script:",
        "loadround"
      ],
      "output": "SEGV on unknown address\n",
      "outputDroppedBytes": 12
    }
  ]
}
)json";
// clang-format on

// What a plugin puts in a reason, a report or its output, and a person in the module's name, reaches
// the terminal with every control character (C0, DEL, C1) shown as its bytes.
TEST(ValidateReport, TheTerminalSeesControlCharactersAsEscapes) {
    CheckResult hostile{"odd",
                        true,
                        Outcome::fail,
                        1.0,
                        "red \x1b[31m, bell \a, delete \x7f, csi \xc2\x9b, tab \t",
                        {"title \x1b]0;owned\x07 \xc3\xbc"},
                        "clear \x1b[2J\rback\n",
                        3};
    const RunDescription hostileRun{"plugins/\x1b[2Jmodule.so", 7};
    const std::string text = progressLines(hostile, 1, 1, 3, hostileRun) + resultTable({hostile});
    EXPECT_NE(text.find("red \\x1B[31m, bell \\x07, delete \\x7F, csi \\xC2\\x9B, tab \\x09"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("title \\x1B]0;owned\\x07 \xc3\xbc"), std::string::npos) << text;
    EXPECT_NE(text.find("output: clear \\x1B[2J\\x0Dback\n"), std::string::npos) << text;
    EXPECT_NE(
        text.find("repeat: kadenzo-sim validate --include '^odd$' --seed 7 'plugins/\\x1B[2Jmodule.so'\n"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("output: (3 more bytes of output dropped: the first 1048576 are kept)"),
              std::string::npos)
        << text;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const auto byte = static_cast<unsigned char>(text[index]);
        EXPECT_FALSE((byte < 0x20 && byte != '\n') || byte == 0x7f)
            << "control byte " << int(byte) << " in " << text;
        EXPECT_FALSE(byte == 0xc2 && index + 1 < text.size() &&
                     static_cast<unsigned char>(text[index + 1]) >= 0x80 &&
                     static_cast<unsigned char>(text[index + 1]) <= 0x9f)
            << text;
    }
}

TEST(ValidateReport, JUnitHasATestCasePerCheckAndAFailureForEachThatDidNotPass) {
    EXPECT_EQ(junitXml(sampleResults(), sampleRun), sampleJUnit);
}

TEST(ValidateReport, JsonHasTheModuleTheSeedAndEveryCheck) {
    EXPECT_EQ(resultsJson({sampleResults()[0], sampleResults()[3]}, sampleRun), sampleJson);
    EXPECT_EQ(resultsJson({}, RunDescription{"m", 0}),
              "{\n  \"module\": \"m\",\n  \"seed\": 0,\n  \"checks\": [\n  ]\n}\n");
}

CheckResult oddResult() {
    return CheckResult{
        "odd", false, Outcome::timeout, 1.0, "a <b> & \"c\" 'd'", {oddReportLine, "\xef\xbf\xbe"}, "", 0};
}

TEST(ValidateReport, XmlEscapesMarkupControlBytesAndBytesThatAreNoUtf8) {
    const std::string xml = junitXml({oddResult()}, RunDescription{"<m>.so", 1});
    EXPECT_NE(xml.find(R"(<property name="module" value="&lt;m&gt;.so"/>)"), std::string::npos);
    EXPECT_NE(xml.find(R"(message="a &lt;b&gt; &amp; &quot;c&quot; &apos;d&apos;" type="TIMEOUT">)"),
              std::string::npos);
    EXPECT_NE(
        xml.find("tab\there, a line\nend, bell \\x07, escape \\x1B[0m, backslash \\n, bytes \\xFF\\xFE, "
                 "\xc3\xbc, &lt;&amp;&gt;&quot;&apos;\n\\xEF\\xBF\\xBE</failure>"),
        std::string::npos)
        << xml;
    // In an attribute, line ends and tabs are kept as character references.
    CheckResult multiLine = oddResult();
    multiLine.reason = "one\ttwo\nthree\r";
    EXPECT_NE(junitXml({multiLine}, sampleRun).find("message=\"one&#9;two&#10;three&#13;\""),
              std::string::npos);
    for (const char character : xml)
        EXPECT_FALSE(static_cast<unsigned char>(character) < 0x20 && character != '\n' && character != '\t')
            << "control byte " << static_cast<int>(character);
}

TEST(ValidateReport, JsonEscapesQuotesBackslashesControlBytesAndBytesThatAreNoUtf8) {
    const std::string json = resultsJson({oddResult()}, RunDescription{"C:\\m\".dll", 1});
    EXPECT_NE(json.find(R"("module": "C:\\m\".dll")"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("reason": "a <b> & \"c\" 'd'")"), std::string::npos) << json;
    EXPECT_NE(json.find("\"tab\\there, a line\\nend, bell \\u0007, escape \\u001b[0m, backslash \\\\n, "
                        "bytes \\\\xFF\\\\xFE, \xc3\xbc, <&>\\\"'\""),
              std::string::npos)
        << json;
}

// ---- The runner: each way a check ends, in its own process and in this one ----------------------

const Check& fakeCheck(const std::string& name) {
    return checkNamed(fakeChecks(), name);
}

RunSettings inProcessesOfTheirOwn(double timeoutSeconds = 10) {
    RunSettings settings;
    settings.modulePath = builtPlugin();
    settings.seed = 7;
    settings.timeoutSeconds = timeoutSeconds;
    settings.processCommand = fakeSetup().processCommand;
    return settings;
}

CheckResult runAlone(const std::string& name, const RunSettings& settings) {
    const std::vector<CheckResult> results = runChecks({fakeCheck(name)}, settings, nullptr);
    return results.at(0);
}

const std::string threadViolation = "the plugin broke the host's rules: RegisterDrawable was called on a "
                                    "thread the host did not call the plugin "
                                    "on; the host ignored the call (1 in all)";

TEST(ValidateRunner, EachCheckRunsInAProcessOfItsOwnAndEndsInOneLineOfWhy) {
    std::vector<Check> checks;
    for (const char* name : {"fake.passes", "fake.fails", "fake.throws-int", "fake.crashes",
                             "fake.thread-call", "fake.random-fails", "fake.module-path"})
        checks.push_back(fakeCheck(name));
    std::vector<std::string> finished;
    const std::vector<CheckResult> results = runChecks(
        checks, inProcessesOfTheirOwn(), [&](const CheckResult& result) { finished.push_back(result.name); });
    ASSERT_EQ(results.size(), checks.size());
    EXPECT_EQ(finished,
              (std::vector<std::string>{"fake.passes", "fake.fails", "fake.throws-int", "fake.crashes",
                                        "fake.thread-call", "fake.random-fails", "fake.module-path"}));

    EXPECT_EQ(results[0].outcome, Outcome::pass);
    EXPECT_EQ(results[0].reason, "");
    EXPECT_EQ(results[0].reports, std::vector<std::string>{"measured: 3 frames"});

    EXPECT_EQ(results[1].outcome, Outcome::fail);
    EXPECT_EQ(results[1].reason, "the record is 60 bytes, not 64");

    EXPECT_EQ(results[2].outcome, Outcome::fail);
    EXPECT_EQ(results[2].reason, "the check threw something that is not a std::exception");

    // A signal on POSIX, an exception code on Windows; in the sanitizers' build the sanitizer may see the
    // fault first and end the process itself. Rationale: clang's sanitizer starts a symbolizer process
    // to write its report, which may outlive the crashed process by a moment, and is then counted.
    const std::string symbolizerLeft =
        kadenzo::validate::addressSanitizerBuild
            ? R"((; 1 process it started was still running when it ended \(ended since\))?)"
            : "";
    const std::regex crashReason(
        R"((killed by signal \d+ \(SIG[A-Z]+\)|exception 0xC0000005 \(access violation\))"
        R"(|its process ended with status \d+ before its result))" +
        symbolizerLeft);
    EXPECT_EQ(results[3].outcome, Outcome::crash);
    EXPECT_TRUE(std::regex_match(results[3].reason, crashReason)) << results[3].reason;
    // Reported before the crash, so sent before it.
    EXPECT_EQ(results[3].reports, std::vector<std::string>{"about to crash"});

    EXPECT_EQ(results[4].outcome, Outcome::fail);
    EXPECT_EQ(results[4].reason, threadViolation);
    EXPECT_EQ(results[4].reports,
              std::vector<std::string>{"the check then failed: no drawable was registered"});

    EXPECT_EQ(results[5].outcome, Outcome::fail);
    EXPECT_EQ(results[5].reason, "seed 7 found a fault");
    EXPECT_TRUE(results[5].random);

    EXPECT_EQ(results[6].outcome, Outcome::pass) << results[6].reason;
}

// The check's process gets the module after "--", so that a name starting with '-' reaches it as a name.
TEST(ValidateRunner, AModuleWhoseNameStartsWithADashReachesTheCheck) {
    RunSettings settings = inProcessesOfTheirOwn();
    settings.modulePath = "-module-of-another-name.so";
    const CheckResult result = runAlone("fake.passes", settings);
    EXPECT_EQ(result.outcome, Outcome::pass) << result.reason;
}

TEST(ValidateRunner, AHangingCheckIsKilledAtItsTimeLimit) {
    // Long enough for the process to start and report, under Wine on a busy machine too.
    const CheckResult result = runAlone("fake.hangs", inProcessesOfTheirOwn(3));
    EXPECT_EQ(result.outcome, Outcome::timeout);
    EXPECT_EQ(result.reason, "no result after 3 s");
    EXPECT_EQ(result.reports, std::vector<std::string>{"about to hang"});
    EXPECT_GE(result.seconds, 3.0);
    EXPECT_LT(result.seconds, 30.0);
}

TEST(ValidateRunner, ReportLinesArriveAsTheyWereMadeWhateverTheyHold) {
    const CheckResult odd = runAlone("fake.odd-text", inProcessesOfTheirOwn());
    EXPECT_EQ(odd.outcome, Outcome::fail);
    EXPECT_EQ(odd.reason, "why it failed");
    EXPECT_EQ(odd.reports, (std::vector<std::string>{oddReportLine, "and a second line"}));

    // Far more than a pipe holds: read while the check runs.
    const CheckResult many = runAlone("fake.many-lines", inProcessesOfTheirOwn(60));
    EXPECT_EQ(many.outcome, Outcome::pass) << many.reason;
    ASSERT_EQ(many.reports.size(), static_cast<std::size_t>(manyLines));
    EXPECT_EQ(many.reports.front(), manyLine(0));
    EXPECT_EQ(many.reports.back(), manyLine(manyLines - 1));

    const CheckResult printed = runAlone("fake.prints-result", inProcessesOfTheirOwn());
    EXPECT_EQ(printed.outcome, Outcome::fail);
    EXPECT_EQ(printed.reason, "printed a pass but failed");
}

// The result counts only when the process then ends with the status that goes with its token.
TEST(ValidateRunner, AResultIsConfirmedByTheExitStatusThatGoesWithIt) {
    const CheckResult result = runAlone("fake.exits-zero-after-result", inProcessesOfTheirOwn());
    EXPECT_EQ(result.outcome, Outcome::crash);
    const std::regex reason(
        R"(its process ended with status 0 after its result \(PASS\), not with the status \d+ )"
        R"(that confirms it)");
    EXPECT_TRUE(std::regex_match(result.reason, reason)) << result.reason;
}

TEST(ValidateRunner, InThisProcessTheVerdictsAreTheSame) {
    RunSettings settings = inProcessesOfTheirOwn();
    settings.processCommand.reset();
    std::vector<Check> checks;
    for (const char* name :
         {"fake.passes", "fake.fails", "fake.throws-int", "fake.thread-call", "fake.odd-text"})
        checks.push_back(fakeCheck(name));
    const std::vector<CheckResult> results = runChecks(checks, settings, nullptr);
    ASSERT_EQ(results.size(), 5u);
    EXPECT_EQ(results[0].outcome, Outcome::pass);
    EXPECT_EQ(results[0].reports, std::vector<std::string>{"measured: 3 frames"});
    EXPECT_EQ(results[1].reason, "the record is 60 bytes, not 64");
    EXPECT_EQ(results[2].reason, "the check threw something that is not a std::exception");
    EXPECT_EQ(results[3].reason, threadViolation);
    EXPECT_EQ(results[4].reports, (std::vector<std::string>{oddReportLine, "and a second line"}));
    for (std::size_t index = 1; index < results.size(); ++index)
        EXPECT_EQ(results[index].outcome, Outcome::fail) << results[index].name;
}

TEST(ValidateRunner, AProgramThatCannotBeStartedFailsTheCheck) {
    RunSettings settings = inProcessesOfTheirOwn();
    settings.processCommand = CheckProcessCommand{freshFolder("no-program") + "/no-such-program", {}};
    const CheckResult result = runAlone("fake.passes", settings);
    EXPECT_EQ(result.outcome, Outcome::fail);
    EXPECT_EQ(result.reason.rfind("its process could not be started: cannot start ", 0), 0u) << result.reason;
}

// ---- The command ---------------------------------------------------------------------------------

struct CommandRun {
    int status = 0;
    std::string out;
    std::string err;
};

CommandRun validate(std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runValidate(arguments, fakeSetup(), out, err);
    return {status, out.str(), err.str()};
}

std::string fileText(const std::string& path) {
    std::ifstream file(fs::u8path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(ValidateCommand, ShowsALinePerCheckThenTheTableAndTheSummary) {
    const CommandRun run = validate({"--seed", "7", "--include", "passes|random", builtPlugin()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    const std::regex expected(
        "kadenzo-sim validate: .+, 2 checks, seed 7 \\(each in a process of its own, at most 30 s\\)\n"
        "\\[1/2\\] fake.passes        PASS     +\\d+\\.\\d\\d s\n"
        "        measured: 3 frames\n"
        "\\[2/2\\] fake.random-fails  FAIL     +\\d+\\.\\d\\d s  seed 7 found a fault\n"
        "        repeat: kadenzo-sim validate --include '\\^fake\\\\\\.random-fails\\$' --seed 7 .+\n"
        "\n"
        "check              result       time  why\n"
        "fake.passes        PASS     +\\d+\\.\\d\\d s\n"
        "fake.random-fails  FAIL     +\\d+\\.\\d\\d s  seed 7 found a fault\n"
        "2 checks: 1 passed, 1 failed, 0 crashed, 0 timed out in \\d+\\.\\d\\d s\n");
    EXPECT_TRUE(std::regex_match(run.out, expected)) << run.out;
}

TEST(ValidateCommand, ExitsWithZeroOnlyWhenEveryCheckPassed) {
    EXPECT_EQ(validate({"--include", "^fake\\.passes$", builtPlugin()}).status, 0);
    EXPECT_EQ(validate({"--include", "passes|module-path", "--in-process", builtPlugin()}).status, 0);
    EXPECT_EQ(validate({"--include", "passes|fails", "--in-process", builtPlugin()}).status, 1);
    EXPECT_EQ(validate({"--include", "crashes", builtPlugin()}).status, 1);
    EXPECT_EQ(validate({"--include", "hangs", "--timeout", "0.5", builtPlugin()}).status, 1);
}

TEST(ValidateCommand, DrawsASeedAndSaysIt) {
    const CommandRun run = validate({"--include", "random", builtPlugin()});
    std::smatch seed;
    ASSERT_TRUE(std::regex_search(run.out, seed, std::regex("seed (\\d+) ")));
    EXPECT_NE(run.out.find("seed " + seed[1].str() + " found a fault"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("--seed " + seed[1].str() + " "), std::string::npos) << run.out;
}

TEST(ValidateCommand, WritesJUnitAndJsonOnceTheChecksRan) {
    const std::string folder = freshFolder("files");
    const CommandRun run = validate({"--seed", "3", "--include", "passes|\\.fails$", "--junit",
                                     folder + "/r.xml", "--json", folder + "/r.json", builtPlugin()});
    EXPECT_EQ(run.status, 1) << run.err;
    const std::string xml = fileText(folder + "/r.xml");
    EXPECT_NE(xml.find("tests=\"2\" failures=\"1\""), std::string::npos) << xml;
    EXPECT_NE(xml.find("<failure message=\"the record is 60 bytes, not 64\" type=\"FAIL\">"),
              std::string::npos);
    const std::string json = fileText(folder + "/r.json");
    EXPECT_NE(json.find("\"seed\": 3,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"name\": \"fake.fails\",\n      \"result\": \"FAIL\","), std::string::npos) << json;
    // Nothing but the two files: no temporary file is left.
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::u8path(folder)), fs::directory_iterator()), 2);
}

TEST(ValidateCommand, ListsTheSelectedChecksWithoutLookingAtTheModule) {
    const CommandRun run = validate({"--list", "--include", "pass|crash", "no-such-module.so"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "fake.passes   passes and reports a figure\n"
                       "fake.crashes  writes through a null pointer\n");
}

TEST(ValidateCommand, BadUsageAndModulesThatAreNoModuleEndWithStatusTwoBeforeAnythingRuns) {
    const std::string folder = freshFolder("usage");
    const std::string notAModule = folder + "/not-a-module.so";
    std::ofstream(fs::u8path(notAModule)) << "hello";
    const struct {
        std::vector<std::string> arguments;
        std::string err;
    } cases[] = {
        {{"--frobnicate"},
         "kadenzo-sim validate: unknown option \"--frobnicate\"\n(see kadenzo-sim validate --help)\n"},
        {{"--include", "nothing-is-named-so"},
         "kadenzo-sim validate: no check is selected: --include and --exclude leave none (see kadenzo-sim "
         "validate "
         "--list)\n(see kadenzo-sim validate --help)\n"},
        {{folder + "/missing.so"},
         "kadenzo-sim validate: cannot load module " + folder + "/missing.so: no such file\n"},
        {{folder}, "kadenzo-sim validate: cannot load module " + folder + ": it is a folder\n"},
    };
    for (const auto& example : cases) {
        const CommandRun run = validate(example.arguments);
        EXPECT_EQ(run.status, 2) << example.arguments.front();
        EXPECT_EQ(run.err, example.err);
        EXPECT_EQ(run.out, "");
    }
    const CommandRun truncated = validate({notAModule});
    EXPECT_EQ(truncated.status, 2);
    EXPECT_EQ(truncated.err.rfind("kadenzo-sim validate: cannot load module " + notAModule + ": ", 0), 0u)
        << truncated.err;
}

TEST(ValidateCommand, HelpSaysWhatInProcessGivesUp) {
    const CommandRun run = validate({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--in-process"), std::string::npos);
    EXPECT_NE(run.out.find("no time limit"), std::string::npos);
}

} // namespace
