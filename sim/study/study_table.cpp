// Writing a study's points as the table it prints.
//
// Index of this file:
// - Cells: numbers as the tables show them, and columns lined up
// - The player's table
// - The analyst's table
// - The verdict
#include "study/study_table.h"

#include "number_text.h"
#include "study/readable_numbers.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <optional>
#include <vector>

namespace kadenzo::study {

namespace {

// ---- Cells -------------------------------------------------------------------------------------

struct Column {
    std::string heading;
    bool rightAligned;
};

// HEADINGS and ROWS lined up, two spaces between columns, no blanks at the end of a line.
std::string alignedTable(const std::vector<Column>& columns, const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const Column& column : columns)
        widths.push_back(column.heading.size());
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    const auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t c = 0; c < cells.size() && c < columns.size(); ++c) {
            const std::string padding(widths[c] - cells[c].size(), ' ');
            text += (c == 0 ? "" : "  ") + (columns[c].rightAligned ? padding + cells[c] : cells[c] + padding);
        }
        text.erase(text.find_last_not_of(' ') + 1);
        return text + '\n';
    };
    std::vector<std::string> headings;
    for (const Column& column : columns)
        headings.push_back(column.heading);
    std::string text = line(headings);
    for (const auto& row : rows)
        text += line(row);
    return text;
}

// SPEED in percent of normal speed, to the millionth of a speed it is taken in: "110%", "100.1%"; a speed
// beyond a million percent, or above 0 and below a millionth, in three significant digits ("1e+09%").
std::string percentText(double speed) {
    const double percent = std::round(speed * 1e6) / 1e4;
    if (std::fabs(percent) >= 1e6 || (percent == 0.0 && speed != 0.0))
        return fmt::format("{:.3g}%", speed * 100.0);
    return shortestText(percent) + "%";
}

// "90% to 110%", the first speed padded so that the words line up; one speed when they are the same.
std::string speedRangeText(double low, double high) {
    const std::string first = percentText(low);
    const std::string padded = std::string(first.size() < 4 ? 4 - first.size() : 0, ' ') + first;
    return first == percentText(high) ? padded : padded + " to " + percentText(high);
}

// The attempts of the analyst's table and the files: whole up to a million, else in exponent form.
std::string attemptsText(double attempts) {
    if (!std::isfinite(attempts)) return "never";
    return attempts < 1e6 ? fmt::format("{:.0f}", attempts) : fmt::format("{:.2e}", attempts);
}

std::string criticalText(double distance) {
    return distance < 100.0 ? fmt::format("{:.2f}", distance) : fmt::format("{:.0f}", distance);
}

// ---- The player's table ------------------------------------------------------------------------

std::vector<std::string> playerRow(const StudyPoint& point) {
    const std::string value = sweepValueText(point.value);
    if (point.workedOut()) {
        const SpeedAnalysis& chain = point.analysis;
        std::string note = point.agreement.verdict == Verdict::differs ? "differs from the plugin played" : "";
        return {value, fmt::format("{:.2f}", chain.meanAccuracy), speedRangeText(chain.speedP10, chain.speedP90),
                attemptsInWords(chain.attemptsToMostLikely), note};
    }
    const SimulatedPoint& played = point.simulated;
    const std::optional<float> low = sharePercentile(played, 0.1);
    const std::optional<float> high = sharePercentile(played, 0.9);
    return {value, fmt::format("{:.2f}", played.meanAccuracy), low && high ? speedRangeText(*low, *high) : "-",
            "-", "as played; cannot be worked out: " + point.failure};
}

std::string playerTable(const StudyResult& result) {
    const float start = result.points.empty() ? 1.0f : result.points.front().simulated.setup.startSpeed;
    std::vector<std::vector<std::string>> rows;
    for (const StudyPoint& point : result.points)
        rows.push_back(playerRow(point));
    return fmt::format("What the coach does over a long session for the simulated player, who starts at {} "
                       "speed:\n",
                       percentText(start)) +
           alignedTable({{result.sweep.name, false},
                         {"accuracy you train at", false},
                         {"the speed, 8 attempts in 10", false},
                         {"attempts to get there", false},
                         {"", false}},
                        rows);
}

// ---- The analyst's table -----------------------------------------------------------------------

std::string withError(double mean, double error) {
    return fmt::format("{:.4f} +- {:.4f}", mean, error);
}

std::string noteOf(const Agreement& agreement) {
    return agreement.verdict == Verdict::agrees ? "" : verdictText(agreement.verdict);
}

std::vector<std::string> analystRow(const StudyPoint& point) {
    const SpeedAnalysis& chain = point.analysis;
    const SimulatedPoint& sim = point.simulated;
    const Agreement& agreement = point.agreement;
    const bool worked = point.workedOut();
    const auto chainCell = [worked](const std::string& text) { return worked ? text : "-"; };
    return {sweepValueText(point.value),
            chainCell(fmt::format("{:.3f}", chain.balanceAccuracy)),
            chainCell(fmt::format("{:.3f}", chain.meanAccuracy)),
            withError(sim.meanAccuracy, sim.accuracyError),
            chainCell(fmt::format("{:+.1f}", agreement.accuracyDistance)),
            chainCell(fmt::format("{:.3f}", chain.meanSpeed)),
            withError(sim.meanSpeed, sim.speedError),
            chainCell(fmt::format("{:+.1f}", agreement.speedDistance)),
            chainCell(fmt::format("{:.3f}", chain.speedSd)),
            fmt::format("{:.3f}", sim.speedSd),
            chainCell(fmt::format("{:.2f}-{:.2f}", chain.speedP10, chain.speedP90)),
            chainCell(attemptsText(chain.attemptsToMostLikely)),
            noteOf(agreement)};
}

std::string analystTable(const StudyResult& result) {
    const int runs = std::max(result.runs, 2);
    std::vector<std::vector<std::string>> rows;
    for (const StudyPoint& point : result.points)
        rows.push_back(analystRow(point));
    return fmt::format(
               "{} runs x {} attempts per point, the first {} of each run burn-in, played and not measured.\n"
               "balance, accuracy, speed, sd and p10-p90 are the chain's; simulated, the means of the runs "
               "with their\nstandard errors; dist, how far the chain lies from them in standard errors "
               "(flagged beyond {});\nsettle, the attempts until the speed first stands at its most likely "
               "value.\n",
               result.runs, result.attempts, result.burnIn, criticalText(criticalDistance(runs))) +
           alignedTable({{result.sweep.name, false},
                         {"balance", true},
                         {"accuracy", true},
                         {"simulated", true},
                         {"dist", true},
                         {"speed", true},
                         {"simulated", true},
                         {"dist", true},
                         {"sd", true},
                         {"sim sd", true},
                         {"p10-p90", true},
                         {"settle", true},
                         {"flag", false}},
                        rows);
}

std::string burnInNote(const StudyResult& result) {
    const auto unsettled =
        std::count_if(result.points.begin(), result.points.end(), [&result](const StudyPoint& point) {
            return point.workedOut() && point.analysis.attemptsToMostLikely > static_cast<double>(result.burnIn);
        });
    if (unsettled == 0) return "";
    return fmt::format("{} of {} points settle later than the burn-in of {} attempts: more --attempts measure "
                       "them nearer their long run\n",
                       unsettled, result.points.size(), result.burnIn);
}

} // namespace

std::string attemptsInWords(double attempts) {
    if (!std::isfinite(attempts)) return "never";
    if (attempts >= 1e6) return "over a million";
    double unit = 1.0;
    while (attempts >= unit * 100.0)
        unit *= 10.0;
    return groupedDigits(std::round(attempts / unit) * unit);
}

std::string studyTable(const StudyResult& result, bool details) {
    std::string text = playerTable(result);
    if (details) text += "\n" + analystTable(result) + "\n";
    return text + studyVerdict(result) + burnInNote(result);
}

// ---- The verdict -------------------------------------------------------------------------------

std::string studyVerdict(const StudyResult& result) {
    const auto count = [&result](Verdict verdict) {
        return std::count_if(result.points.begin(), result.points.end(),
                             [verdict](const StudyPoint& point) { return point.agreement.verdict == verdict; });
    };
    const auto points = static_cast<std::ptrdiff_t>(result.points.size());
    const std::ptrdiff_t failed = count(Verdict::notWorkedOut);
    const std::ptrdiff_t differing = count(Verdict::differs);
    const std::ptrdiff_t judged = points - failed;
    if (judged == 0) return "Verdict: no point can be worked out, so none is checked against the plugin played.\n";
    const std::string bound = criticalText(criticalDistance(std::max(result.runs, 2)));
    const std::string failures =
        failed == 0 ? "" : fmt::format("{} of {} points cannot be worked out; ", failed, points);
    if (differing > 0)
        return fmt::format("Verdict: {}{} of {} points worked out differ from the plugin played: their figures "
                           "lie more than {} standard errors of {} runs from it (see --help on the drift).\n",
                           failures, differing, judged, bound, result.runs);
    if (result.runs < leastRunsToJudge)
        return fmt::format("Verdict: {}too few runs to judge: {} runs flag only a point more than {} standard "
                           "errors from the plugin played, and none is; {} runs or more judge.\n",
                           failures, result.runs, bound, leastRunsToJudge);
    return fmt::format("Verdict: {}the figures worked out agree with the plugin played at every {}point "
                       "(within {} standard errors of {} runs).\n",
                       failures, failed == 0 ? "" : "other ", bound, result.runs);
}

} // namespace kadenzo::study
