// Writing a study's points as CSV and JSON.
//
// Index of this file:
// - Cells
// - CSV
// - JSON
#include "study/study_report.h"

#include "number_text.h"

#include <fmt/format.h>

#include <iterator>
#include <optional>

namespace kadenzo::study {

namespace {

// ---- Cells -------------------------------------------------------------------------------------

// A CSV field: quoted, inner quotes doubled, when it holds a comma, a quote or a line break.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// A JSON string, quotes included: quotes, backslashes and control characters escaped.
std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += std::string("\\") + c;
        else if (static_cast<unsigned char>(c) < 0x20)
            quoted += fmt::format("\\u{:04x}", static_cast<unsigned char>(c));
        else
            quoted += c;
    }
    return quoted + "\"";
}

// The 10th and 90th percentile of the speeds as played, or empty cells when none were counted.
std::string playedPercentile(const SimulatedPoint& simulated, double p, const char* none) {
    const std::optional<float> speed = sharePercentile(simulated, p);
    return speed ? fmt::format("{:.6f}", *speed) : none;
}

} // namespace

// ---- CSV ---------------------------------------------------------------------------------------

std::string studyCsv(const StudyResult& result) {
    fmt::memory_buffer text;
    auto out = std::back_inserter(text);
    fmt::format_to(out,
                   "{},balance_accuracy,chain_accuracy,simulated_accuracy,accuracy_error,accuracy_distance,"
                   "chain_speed,simulated_speed,speed_error,speed_distance,chain_speed_sd,simulated_speed_sd,"
                   "chain_speed_p10,chain_speed_p90,simulated_speed_p10,simulated_speed_p90,"
                   "attempts_to_most_likely,verdict,reason\n",
                   result.sweep.name);
    for (const StudyPoint& point : result.points) {
        const SpeedAnalysis& chain = point.analysis;
        const SimulatedPoint& sim = point.simulated;
        const bool worked = point.workedOut();
        const auto chainCell = [worked](const std::string& cell) { return worked ? cell : ""; };
        fmt::format_to(out, "{},{},{},{:.6f},{:.6f},{},{},{:.6f},{:.6f},{},{},{:.6f},{},{},{},{},{},{},{}\n",
                       sweepValueText(point.value), chainCell(fmt::format("{:.6f}", chain.balanceAccuracy)),
                       chainCell(fmt::format("{:.6f}", chain.meanAccuracy)), sim.meanAccuracy,
                       sim.accuracyError, chainCell(fmt::format("{:.3f}", point.agreement.accuracyDistance)),
                       chainCell(fmt::format("{:.6f}", chain.meanSpeed)), sim.meanSpeed, sim.speedError,
                       chainCell(fmt::format("{:.3f}", point.agreement.speedDistance)),
                       chainCell(fmt::format("{:.6f}", chain.speedSd)), sim.speedSd,
                       chainCell(fmt::format("{:.6f}", chain.speedP10)),
                       chainCell(fmt::format("{:.6f}", chain.speedP90)), playedPercentile(sim, 0.1, ""),
                       playedPercentile(sim, 0.9, ""), chainCell(fmt::format("{:.6g}", chain.attemptsToMostLikely)),
                       verdictText(point.agreement.verdict), csvField(point.failure));
    }
    return fmt::to_string(text);
}

// ---- JSON --------------------------------------------------------------------------------------

namespace {

// Each speed the runs were counted at, with the chain's long-run chance of it when worked out.
void jsonDistribution(fmt::memory_buffer& text, const StudyPoint& point) {
    auto out = std::back_inserter(text);
    const SimulatedPoint& sim = point.simulated;
    fmt::format_to(out, "[");
    for (std::size_t index = 0; index < sim.shareSpeeds.size(); ++index) {
        fmt::format_to(out, "{}{{\"speed\": {}, ", index == 0 ? "" : ", ", shortest(sim.shareSpeeds[index]));
        if (point.workedOut() && index < point.analysis.stationary.size())
            fmt::format_to(out, "\"chain\": {:.6g}, ", point.analysis.stationary[index]);
        fmt::format_to(out, "\"simulated\": {:.6g}}}", sim.speedShares[index]);
    }
    fmt::format_to(out, "]");
}

void jsonChain(fmt::memory_buffer& text, const StudyPoint& point) {
    auto out = std::back_inserter(text);
    if (!point.workedOut()) {
        fmt::format_to(out, "\"balance_accuracy\": null, \"chain\": null, \"reason\": {},\n",
                       jsonString(point.failure));
        return;
    }
    const SpeedAnalysis& chain = point.analysis;
    fmt::format_to(out,
                   "\"balance_accuracy\": {:.6f},\n"
                   "     \"chain\": {{\"accuracy\": {:.6f}, \"speed\": {:.6f}, \"speed_sd\": {:.6f}, "
                   "\"speed_p10\": {:.6f}, \"speed_p90\": {:.6f}, \"attempts_to_most_likely\": {:.6g}, "
                   "\"residual\": {:.3g}, \"drift_bound\": {:.3g}, \"drift_sensitive_chance\": {:.3g}}},\n",
                   chain.balanceAccuracy, chain.meanAccuracy, chain.meanSpeed, chain.speedSd, chain.speedP10,
                   chain.speedP90, chain.attemptsToMostLikely, chain.residual, chain.driftBound,
                   chain.driftSensitiveChance);
}

} // namespace

std::string studyJson(const StudyResult& result) {
    fmt::memory_buffer text;
    auto out = std::back_inserter(text);
    fmt::format_to(out,
                   "{{\n  \"sweep\": {{\"name\": \"{}\", \"from\": {}, \"to\": {}, \"step\": {}}},\n"
                   "  \"runs\": {}, \"attempts\": {}, \"burn_in\": {}, \"false_alarm_chance\": {:.4g}, "
                   "\"critical_distance\": {:.4g}, \"least_runs_to_judge\": {},\n"
                   "  \"points\": [",
                   result.sweep.name, sweepValueText(result.sweep.from), sweepValueText(result.sweep.to),
                   sweepValueText(result.sweep.step), result.runs, result.attempts, result.burnIn,
                   falseAlarmChance(), criticalDistance(std::max(result.runs, 2)), leastRunsToJudge);
    for (std::size_t index = 0; index < result.points.size(); ++index) {
        const StudyPoint& point = result.points[index];
        const SimulatedPoint& sim = point.simulated;
        fmt::format_to(out, "{}\n    {{\"value\": {}, ", index == 0 ? "" : ",", sweepValueText(point.value));
        jsonChain(text, point);
        fmt::format_to(out,
                       "     \"simulated\": {{\"accuracy\": {:.6f}, \"accuracy_error\": {:.6f}, \"speed\": {:.6f}, "
                       "\"speed_error\": {:.6f}, \"speed_sd\": {:.6f}, \"speed_p10\": {}, \"speed_p90\": {}}},\n",
                       sim.meanAccuracy, sim.accuracyError, sim.meanSpeed, sim.speedError, sim.speedSd,
                       playedPercentile(sim, 0.1, "null"), playedPercentile(sim, 0.9, "null"));
        if (point.workedOut())
            fmt::format_to(out, "     \"accuracy_distance\": {:.3f}, \"speed_distance\": {:.3f}, ",
                           point.agreement.accuracyDistance, point.agreement.speedDistance);
        else
            fmt::format_to(out, "     \"accuracy_distance\": null, \"speed_distance\": null, ");
        fmt::format_to(out, "\"verdict\": \"{}\",\n     \"distribution\": ", verdictText(point.agreement.verdict));
        jsonDistribution(text, point);
        fmt::format_to(out, "}}");
    }
    fmt::format_to(out, "\n  ]\n}}\n");
    return fmt::to_string(text);
}

} // namespace kadenzo::study
