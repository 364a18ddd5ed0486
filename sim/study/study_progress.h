// The progress a long sweep shows on standard error: a line when each point is done, and within a point,
// however long, a line whenever a few seconds of a steady clock have passed since the last one.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace kadenzo::study {

// How a sweep's progress is timed: a line within a point once INTERVAL has passed on NOW since the last
// line. A test gives a clock of its own rather than waiting for seconds.
struct ProgressTiming {
    std::chrono::steady_clock::duration interval = std::chrono::seconds(2);
    std::function<std::chrono::steady_clock::time_point()> now = [] {
        return std::chrono::steady_clock::now();
    };
};

class SweepProgress {
public:
    // A sweep of NAME with POINTS points, each of ATTEMPTSPERPOINT attempts over its runs. The clock is
    // first read here, so the first line within a point comes an interval after the sweep starts.
    SweepProgress(std::string name, std::size_t points, long long attemptsPerPoint, ProgressTiming timing);

    // Within point INDEX (from 0), at VALUE, with PLAYED of its attempts played so far: "study: point 1
    // of 9 (idealAccuracy 0.5): 4,096 of 200,000 attempts played" when the interval has passed since the
    // last line, else nothing. Reads the clock once.
    std::optional<std::string> playing(std::size_t index, double value, long long played);

    // Point INDEX, at VALUE, done: "study: 1 of 9 points (idealAccuracy 0.5)", always; the interval
    // starts again from it.
    std::string pointDone(std::size_t index, double value);

private:
    std::string name;
    std::size_t points;
    long long attemptsPerPoint;
    ProgressTiming timing;
    std::chrono::steady_clock::time_point lastLine;
};

} // namespace kadenzo::study
