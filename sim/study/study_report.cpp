// Writing a study's points as a table, CSV and JSON.
//
// Index of this file:
// - The table
// - CSV
// - JSON
#include "study/study_report.h"

#include <fmt/format.h>

#include <algorithm>
#include <iterator>

namespace kadenzo::study {

namespace {

const char* flagOf(const Agreement& agreement) {
    return agreement.agrees ? "" : "differs";
}

// The table's last column, after its two spaces.
std::string flagColumn(const Agreement& agreement) {
    return agreement.agrees ? "" : std::string("  ") + flagOf(agreement);
}

} // namespace

// ---- The table ---------------------------------------------------------------------------------

std::string studyTable(const StudyResult& result) {
    fmt::memory_buffer text;
    auto out = std::back_inserter(text);
    fmt::format_to(
        out,
        "{} runs x {} attempts per point, the first {} of each run burn-in, played and not measured.\n"
        "balance, accuracy, speed, sd and p10-p90 are the chain's; simulated, the means of the runs with "
        "their\nstandard errors; dist, how far the chain lies from them in standard errors; settle, the "
        "attempts until\nthe speed first stands at its most likely value.\n",
        result.runs, result.attempts, result.burnIn);
    const std::size_t nameWidth = std::max<std::size_t>(result.sweep.name.size(), 6);
    fmt::format_to(
        out, "{:<{}}  {:>7}  {:>8}  {:>18}  {:>5}  {:>6}  {:>18}  {:>5}  {:>5}  {:>6}  {:>9}  {:>6}  flag\n",
        result.sweep.name, nameWidth, "balance", "accuracy", "simulated", "dist", "speed", "simulated",
        "dist", "sd", "sim sd", "p10-p90", "settle");
    for (const StudyPoint& point : result.points) {
        const SpeedAnalysis& chain = point.analysis;
        const SimulatedPoint& sim = point.simulated;
        fmt::format_to(
            out,
            "{:<{}}  {:>7.3f}  {:>8.3f}  {:>8.4f} +- {:.4f}  {:>+5.1f}  {:>6.3f}  {:>8.4f} +- {:.4f}  "
            "{:>+5.1f}  {:>5.3f}  {:>6.3f}  {:.2f}-{:.2f}  {:>6.0f}{}\n",
            sweepValueText(point.value), nameWidth, chain.balanceAccuracy, chain.meanAccuracy,
            sim.meanAccuracy, sim.accuracyError, point.agreement.accuracyDistance, chain.meanSpeed,
            sim.meanSpeed, sim.speedError, point.agreement.speedDistance, chain.speedSd, sim.speedSd,
            chain.speedP10, chain.speedP90, chain.attemptsToMostLikely, flagColumn(point.agreement));
    }
    const auto differing = std::count_if(result.points.begin(), result.points.end(),
                                         [](const StudyPoint& point) { return !point.agreement.agrees; });
    if (differing > 0)
        fmt::format_to(
            out,
            "{} of {} points differ: the analysis lies more than {} standard errors from the plugin "
            "played; the simulation is the judge (see kadenzo-sim study --help on the drift)\n",
            differing, result.points.size(), disagreementDistance);
    else
        fmt::format_to(
            out, "the analysis agrees with the plugin played at every point (within {} standard errors)\n",
            disagreementDistance);
    const auto unsettled =
        std::count_if(result.points.begin(), result.points.end(), [&result](const StudyPoint& point) {
            return point.analysis.attemptsToMostLikely > static_cast<double>(result.burnIn);
        });
    if (unsettled > 0)
        fmt::format_to(
            out,
            "{} of {} points settle later than the burn-in of {} attempts: more --attempts measure them "
            "nearer their long run\n",
            unsettled, result.points.size(), result.burnIn);
    return fmt::to_string(text);
}

// ---- CSV ---------------------------------------------------------------------------------------

std::string studyCsv(const StudyResult& result) {
    fmt::memory_buffer text;
    auto out = std::back_inserter(text);
    fmt::format_to(out,
                   "{},balance_accuracy,chain_accuracy,simulated_accuracy,accuracy_error,accuracy_distance,"
                   "chain_speed,simulated_speed,speed_error,speed_distance,chain_speed_sd,simulated_speed_sd,"
                   "chain_speed_p10,chain_speed_p90,attempts_to_most_likely,flag\n",
                   result.sweep.name);
    for (const StudyPoint& point : result.points) {
        const SpeedAnalysis& chain = point.analysis;
        const SimulatedPoint& sim = point.simulated;
        fmt::format_to(out,
                       "{},{:.6f},{:.6f},{:.6f},{:.6f},{:.3f},{:.6f},{:.6f},{:.6f},{:.3f},{:.6f},{:.6f},{:."
                       "6f},{:.6f},{:.1f},{}\n",
                       sweepValueText(point.value), chain.balanceAccuracy, chain.meanAccuracy,
                       sim.meanAccuracy, sim.accuracyError, point.agreement.accuracyDistance, chain.meanSpeed,
                       sim.meanSpeed, sim.speedError, point.agreement.speedDistance, chain.speedSd,
                       sim.speedSd, chain.speedP10, chain.speedP90, chain.attemptsToMostLikely,
                       flagOf(point.agreement));
    }
    return fmt::to_string(text);
}

// ---- JSON --------------------------------------------------------------------------------------

namespace {

// Names and flags hold only letters, digits and dashes: no character needs escaping.
void jsonDistribution(fmt::memory_buffer& text, const SpeedAnalysis& chain, const SimulatedPoint& sim) {
    auto out = std::back_inserter(text);
    fmt::format_to(out, "[");
    for (std::size_t index = 0; index < chain.speeds.size(); ++index)
        fmt::format_to(out, "{}{{\"speed\": {}, \"chain\": {:.6g}, \"simulated\": {:.6g}}}",
                       index == 0 ? "" : ", ", chain.speeds[index], chain.stationary[index],
                       index < sim.speedShares.size() ? sim.speedShares[index] : 0.0);
    fmt::format_to(out, "]");
}

} // namespace

std::string studyJson(const StudyResult& result) {
    fmt::memory_buffer text;
    auto out = std::back_inserter(text);
    fmt::format_to(out,
                   "{{\n  \"sweep\": {{\"name\": \"{}\", \"from\": {}, \"to\": {}, \"step\": {}}},\n"
                   "  \"runs\": {}, \"attempts\": {}, \"burn_in\": {}, \"disagreement_distance\": {},\n"
                   "  \"points\": [",
                   result.sweep.name, sweepValueText(result.sweep.from), sweepValueText(result.sweep.to),
                   sweepValueText(result.sweep.step), result.runs, result.attempts, result.burnIn,
                   disagreementDistance);
    for (std::size_t index = 0; index < result.points.size(); ++index) {
        const StudyPoint& point = result.points[index];
        const SpeedAnalysis& chain = point.analysis;
        const SimulatedPoint& sim = point.simulated;
        fmt::format_to(
            out,
            "{}\n    {{\"value\": {}, \"balance_accuracy\": {:.6f},\n"
            "     \"chain\": {{\"accuracy\": {:.6f}, \"speed\": {:.6f}, \"speed_sd\": {:.6f}, "
            "\"speed_p10\": {:.6f}, \"speed_p90\": {:.6f}, \"attempts_to_most_likely\": {:.1f}, "
            "\"residual\": {:.3g}, \"drift_sensitive_chance\": {:.3g}}},\n"
            "     \"simulated\": {{\"accuracy\": {:.6f}, \"accuracy_error\": {:.6f}, \"speed\": {:.6f}, "
            "\"speed_error\": {:.6f}, \"speed_sd\": {:.6f}}},\n"
            "     \"accuracy_distance\": {:.3f}, \"speed_distance\": {:.3f}, \"agrees\": {},\n"
            "     \"distribution\": ",
            index == 0 ? "" : ",", sweepValueText(point.value), chain.balanceAccuracy, chain.meanAccuracy,
            chain.meanSpeed, chain.speedSd, chain.speedP10, chain.speedP90, chain.attemptsToMostLikely,
            chain.residual, chain.driftSensitiveChance, sim.meanAccuracy, sim.accuracyError, sim.meanSpeed,
            sim.speedError, sim.speedSd, point.agreement.accuracyDistance, point.agreement.speedDistance,
            point.agreement.agrees ? "true" : "false");
        jsonDistribution(text, chain, sim);
        fmt::format_to(out, "}}");
    }
    fmt::format_to(out, "\n  ]\n}}\n");
    return fmt::to_string(text);
}

} // namespace kadenzo::study
