// What the players' part of the README says of the plugin against the plugin's own facts: its table of
// settings against the variables the plugin registers (every variable, in the plugin's order, with the
// label its page shows, its default and its range, and nothing else), and the name the host lists it by.
#include "plugin_identity.h"
#include "settings_table.h"

#include <gtest/gtest.h>

#include <fstream>
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

} // namespace
