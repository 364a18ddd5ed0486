// The step tables of a sweep, grouped, as a Markdown table.
//
// Index of this file:
// - The targets
// - The groups
// - The table
#include "study/study_steps.h"

#include "console/console.h"
#include "console_variables.h"
#include "settings_table.h"
#include "study/staircase_window_counts.h"

#include <fmt/format.h>

#include <algorithm>
#include <optional>

namespace kadenzo::study {

namespace {

// ---- The targets -------------------------------------------------------------------------------

// The target accuracy as the plugin holds it once its console variable is given TEXT; NOTICES gets
// what the range made of a value beyond it.
float heldTarget(const std::string& text, std::vector<std::string>& notices) {
    const Setting& setting = setting::idealAccuracy;
    halvex::host::ConsoleVariable variable(setting.name, setting.defaultText, setting.description,
                                           {setting.hasMin, setting.min, setting.hasMax, setting.max});
    if (const std::optional<std::string> notice = sim::setVariableText(variable, text))
        notices.push_back("--set " + *notice);
    return variable.floatValue();
}

// The text the target is given at a point of VALUE.
std::string targetText(const StudyOptions& options, double value) {
    if (options.sweep.name == setting::idealAccuracy.name) return sweepValueText(value);
    std::string text = setting::idealAccuracy.defaultText;
    for (const auto& given : options.settings)
        if (given.first == setting::idealAccuracy.name) text = given.second;
    return text;
}

// ---- The table ---------------------------------------------------------------------------------

std::string stepText(int step) {
    return step > 0 ? fmt::format("+{}", step) : fmt::format("{}", step);
}

bool holdsTheSpeed(const StepTable& steps) {
    return std::find(steps.begin(), steps.end(), 0) != steps.end();
}

std::string groupValues(const StepGroup& group) {
    const std::string first = sweepValueText(group.first);
    return group.first == group.last ? first : first + "-" + sweepValueText(group.last);
}

std::string noteOf(const Sweep& sweep, const StepGroup& group) {
    std::string note;
    if (sweep.name != setting::idealAccuracy.name)
        note = fmt::format("{} {}", setting::idealAccuracy.name, halvex::host::formatConsoleFloat(group.target));
    if (!holdsTheSpeed(group.steps)) note += std::string(note.empty() ? "" : "; ") + "never holds the speed";
    return note;
}

// One row of cells, each padded to its column's width (steps to the right), as a Markdown row.
std::string markdownRow(const std::vector<std::string>& cells, const std::vector<std::size_t>& widths) {
    std::string row = "|";
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const std::string padding(widths[c] - cells[c].size(), ' ');
        const bool step = c > 0 && c + 1 < cells.size();
        row += " " + (step ? padding + cells[c] : cells[c] + padding) + " |";
    }
    return row + "\n";
}

} // namespace

// ---- The groups --------------------------------------------------------------------------------

std::vector<StepGroup> stepGroups(const StudyOptions& options, std::vector<std::string>& notices) {
    std::vector<StepGroup> groups;
    for (const double value : sweepValues(options.sweep)) {
        std::vector<std::string> pointNotices;
        const float target = heldTarget(targetText(options, value), pointNotices);
        for (const std::string& notice : pointNotices)
            if (std::find(notices.begin(), notices.end(), notice) == notices.end()) notices.push_back(notice);
        const StepTable steps = pluginStepTable(target);
        if (!groups.empty() && groups.back().steps == steps)
            groups.back().last = value;
        else
            groups.push_back(StepGroup{value, value, target, steps});
    }
    return groups;
}

std::string stepsTable(const Sweep& sweep, const std::vector<StepGroup>& groups) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> heading{sweep.name};
    for (int successes = 0; successes <= attemptsPerWindow; ++successes)
        heading.push_back(fmt::format("{}/{}", successes, attemptsPerWindow));
    heading.push_back("note");
    rows.push_back(heading);
    for (const StepGroup& group : groups) {
        std::vector<std::string> row{groupValues(group)};
        for (const int step : group.steps)
            row.push_back(stepText(step));
        row.push_back(noteOf(sweep, group));
        rows.push_back(row);
    }
    std::vector<std::size_t> widths(heading.size(), 3);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    std::vector<std::string> separator;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const bool step = c > 0 && c + 1 < widths.size();
        separator.push_back(step ? std::string(widths[c] - 1, '-') + ":" : std::string(widths[c], '-'));
    }
    std::string table = markdownRow(rows.front(), widths) + markdownRow(separator, widths);
    for (std::size_t r = 1; r < rows.size(); ++r)
        table += markdownRow(rows[r], widths);
    return table;
}

} // namespace kadenzo::study
