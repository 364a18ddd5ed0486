// What the players' part of the README says of the plugin against the plugin's own facts: its table of
// settings against the variables the plugin registers (every variable, in the plugin's order, with the
// label its page shows, its default and its range, and nothing else), and the name the host lists it by;
// and the presets the developers' part names against CMakePresets.json.
#include "plugin_identity.h"
#include "settings_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ReadmeRow {
    int line;
    std::vector<std::string> cells;
};

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> cellsOf(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(line.substr(1));
    while (std::getline(in, cell, '|'))
        cells.push_back(trimmed(cell));
    return cells;
}

// The rows under "## Settings" that name a variable (a first cell in backticks).
std::vector<ReadmeRow> settingsRows(const char* path) {
    std::ifstream in(path);
    std::vector<ReadmeRow> rows;
    std::string line;
    bool inSection = false;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.rfind("## ", 0) == 0) inSection = line == "## Settings";
        if (inSection && line.rfind("| `", 0) == 0) rows.push_back({number, cellsOf(line)});
    }
    return rows;
}

std::string number(float value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

std::string rangeText(const Setting& setting) {
    if (setting.cell == SettingCell::boolean) return "0 or 1";
    return number(setting.min) + " to " + number(setting.max);
}

TEST(ReadmeSettings, ListEveryVariableWithItsLabelDefaultAndRange) {
    const std::vector<ReadmeRow> rows = settingsRows(KADENZO_README);
    ASSERT_EQ(rows.size(), std::size(settingsTable)) << KADENZO_README << ": the settings table's rows";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Setting& setting = settingsTable[i];
        const ReadmeRow& row = rows[i];
        SCOPED_TRACE(std::string(KADENZO_README) + ":" + std::to_string(row.line));
        ASSERT_EQ(row.cells.size(), 5u)
            << "a row has the name, the page's label, what it does, the default and the range";
        EXPECT_EQ(row.cells[0], "`" + std::string(setting.name) + "`");
        EXPECT_EQ(row.cells[1], setting.pageLabel) << setting.name << "'s label on the settings page";
        EXPECT_FALSE(row.cells[2].empty()) << setting.name << " is not explained";
        EXPECT_EQ(row.cells[3], setting.defaultText) << setting.name << "'s default";
        EXPECT_EQ(row.cells[4], rangeText(setting)) << setting.name << "'s range";
    }
}

// The players' part: what comes before the line that ends it.
std::string playersPart(const char* path) {
    std::ifstream in(path);
    std::ostringstream text;
    std::string line;
    while (std::getline(in, line) && line != "<!-- The players' part ends here. -->")
        text << line << '\n';
    return text.str();
}

TEST(ReadmeNames, ThePluginAsTheHostListsIt) {
    const std::string players = playersPart(KADENZO_README);
    EXPECT_NE(players.find(std::string("\"") + pluginTitle + "\""), std::string::npos)
        << "the troubleshooting names the plugin by the title the host lists, \"" << pluginTitle << "\"";
    EXPECT_NE(players.find(std::string("**") + pluginClassName + "** page"), std::string::npos)
        << "the settings page is named as the host shows it";
}

// The names of the presets of one kind ("configurePresets", "buildPresets", "testPresets",
// "workflowPresets"), from that array of the file up to the next.
std::set<std::string> presetNames(const std::string& presets, const std::string& kind) {
    const auto begin = presets.find("\"" + kind + "\"");
    if (begin == std::string::npos) return {};
    const auto end = presets.find("Presets\":", begin + kind.size() + 2);
    const std::string section =
        presets.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
    std::set<std::string> names;
    const std::regex name("\"name\": \"([^\"]+)\"");
    for (auto match = std::sregex_iterator(section.begin(), section.end(), name);
         match != std::sregex_iterator(); ++match)
        names.insert((*match)[1]);
    return names;
}

// "cmake --preset NAME", "cmake --build --preset NAME", "ctest --preset NAME" and
// "cmake --workflow --preset NAME|NAME", each name a preset of the kind its command takes.
TEST(ReadmePresets, EveryPresetTheReadmeNamesIsOneOfItsCommandsKind) {
    std::ifstream presetsFile(KADENZO_PRESETS);
    std::ostringstream text;
    text << presetsFile.rdbuf();
    const std::string presets = text.str();
    ASSERT_TRUE(presetNames(presets, "configurePresets").count("default"))
        << KADENZO_PRESETS << " has no configure preset default";
    std::ifstream in(KADENZO_README);
    std::string line;
    int named = 0;
    const std::regex command(
        "(cmake|ctest)( --build| --workflow)? --preset ([a-z0-9][a-z0-9-]*(\\|[a-z0-9][a-z0-9-]*)*)");
    for (int number = 1; std::getline(in, line); ++number) {
        for (auto match = std::sregex_iterator(line.begin(), line.end(), command);
             match != std::sregex_iterator(); ++match) {
            const std::string kind = (*match)[1] == "ctest"         ? "testPresets"
                                     : (*match)[2] == " --build"    ? "buildPresets"
                                     : (*match)[2] == " --workflow" ? "workflowPresets"
                                                                    : "configurePresets";
            const std::set<std::string> known = presetNames(presets, kind);
            std::istringstream names((*match)[3]);
            std::string name;
            while (std::getline(names, name, '|')) {
                ++named;
                EXPECT_TRUE(known.count(name))
                    << KADENZO_README << ":" << number << ": \"" << (*match)[0] << "\" names " << name
                    << ", which is none of the " << kind << " of " << KADENZO_PRESETS;
            }
        }
    }
    EXPECT_GT(named, 0) << KADENZO_README << " names no preset";
}

} // namespace
