// The README's table of settings, which players read, against the plugin's own table of the variables
// it registers: every variable, in the plugin's order, with its default and range, and nothing else.
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

TEST(ReadmeSettings, ListEveryVariableWithItsDefaultAndRange) {
    const std::vector<ReadmeRow> rows = settingsRows(KADENZO_README);
    ASSERT_EQ(rows.size(), std::size(settingsTable)) << KADENZO_README << ": the settings table's rows";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Setting& setting = settingsTable[i];
        const ReadmeRow& row = rows[i];
        SCOPED_TRACE(std::string(KADENZO_README) + ":" + std::to_string(row.line));
        ASSERT_EQ(row.cells.size(), 4u) << "a row has the name, what it does, the default and the range";
        EXPECT_EQ(row.cells[0], "`" + std::string(setting.name) + "`");
        EXPECT_FALSE(row.cells[1].empty()) << setting.name << " is not explained";
        EXPECT_EQ(row.cells[2], setting.defaultText) << setting.name << "'s default";
        EXPECT_EQ(row.cells[3], rangeText(setting)) << setting.name << "'s range";
    }
}

} // namespace
