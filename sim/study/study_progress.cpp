// Timing and wording a sweep's progress lines.
#include "study/study_progress.h"

#include "study/readable_numbers.h"
#include "study/study_sweep.h"

#include <fmt/format.h>

#include <utility>

namespace kadenzo::study {

SweepProgress::SweepProgress(std::string name, std::size_t points, long long attemptsPerPoint,
                             ProgressTiming timing)
    : name(std::move(name)), points(points), attemptsPerPoint(attemptsPerPoint), timing(std::move(timing)),
      lastLine(this->timing.now()) {}

std::optional<std::string> SweepProgress::playing(std::size_t index, double value, long long played) {
    const auto now = timing.now();
    if (now - lastLine < timing.interval) return std::nullopt;
    lastLine = now;
    return fmt::format("study: point {} of {} ({} {}): {} of {} attempts played", index + 1, points, name,
                       sweepValueText(value), groupedDigits(static_cast<double>(played)),
                       groupedDigits(static_cast<double>(attemptsPerPoint)));
}

std::string SweepProgress::pointDone(std::size_t index, double value) {
    lastLine = timing.now();
    return fmt::format("study: {} of {} points ({} {})", index + 1, points, name, sweepValueText(value));
}

} // namespace kadenzo::study
