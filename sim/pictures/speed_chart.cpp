// The session chart: the accuracy of each bar's windows against the target line, game speed as a line
// on top, axes in round numbers and the attempts along the bottom. A bar shows one ten-attempt window
// while they fit, else a round number of them together, with the range of their own accuracies as a
// thin line over it.
#include "pictures/chart_layout.h"
#include "pictures/chart_style.h"
#include "pictures/pictures.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

namespace kadenzo::sim {

namespace {

constexpr int chartWidth = 1200;
constexpr int chartHeight = 600;
constexpr float left = 90.0f;
constexpr float right = chartWidth - 90.0f;
constexpr float top = 70.0f;
constexpr float bottom = chartHeight - 90.0f;
// A bar's slot is never narrower than this, so that bars stay a few pixels wide with a gap between.
constexpr float narrowestSlot = 12.0f;
constexpr int mostSpeedIntervals = 6;
constexpr int mostAttemptIntervals = 10;
using namespace chart_style;

constexpr render::Color speedColor{255.0f, 200.0f, 60.0f, 255.0f};
constexpr render::Color targetColor{255.0f, 80.0f, 80.0f, 255.0f};
constexpr render::Color accuracyColor{70.0f, 140.0f, 230.0f, 200.0f};
constexpr render::Color rangeColor{180.0f, 210.0f, 255.0f, 160.0f};

// The windows of each bar: the kept groups summed WINDOWS_PER_BAR windows at a time.
std::vector<WindowGroup> barsOf(const TenAttemptWindows& windows, std::size_t windowsPerBar) {
    std::vector<WindowGroup> bars;
    const std::size_t groupsPerBar = windowsPerBar / windows.windowsPerGroup();
    const std::vector<WindowGroup>& groups = windows.groups();
    for (std::size_t index = 0; index < groups.size(); ++index) {
        if (index % groupsPerBar == 0)
            bars.push_back(groups[index]);
        else
            bars.back().add(groups[index]);
    }
    return bars;
}

// The speed axis: the finite speeds seen (1.0 when none was), with a little room, in round ticks. In
// double, so that the largest float speeds cannot overflow.
AxisScale speedAxis(const std::vector<WindowGroup>& bars) {
    double low = 1.0;
    double high = 1.0;
    for (const WindowGroup& bar : bars)
        if (bar.lowestSpeed <= bar.highestSpeed) {
            low = std::min(low, bar.lowestSpeed);
            high = std::max(high, bar.highestSpeed);
        }
    const double room = (high - low) * 0.05;
    const double floor = low - room;
    return roundAxis(low >= 0.0 ? std::max(0.0, floor) : floor, high + room, mostSpeedIntervals);
}

class SpeedChart {
public:
    SpeedChart(const TenAttemptWindows& windows, float targetAccuracy)
        : windows(windows), targetAccuracy(targetAccuracy),
          perBar(windowsPerBar(windows.total(), windows.windowsPerGroup(), right - left, narrowestSlot)),
          bars(barsOf(windows, perBar)), speeds(speedAxis(bars)),
          attempts(roundAxis(0.0, static_cast<double>(std::max<std::size_t>(windows.total(), 1)) * 10.0,
                             mostAttemptIntervals, false)) {}

    render::Scene scene() {
        render::Scene drawn;
        drawn.width = chartWidth;
        drawn.height = chartHeight;
        drawn.background = background;
        drawGrid();
        drawBars();
        if (std::isfinite(targetAccuracy))
            items.push_back(render::Line{left, accuracyY(targetAccuracy), right, accuracyY(targetAccuracy),
                                         2.0f, targetColor});
        drawSpeed();
        items.push_back(render::Rectangle{left, top, right, bottom, frameColor, false});
        drawAxes();
        drawTitles();
        drawn.items = std::move(items);
        return drawn;
    }

private:
    float attemptX(double attempt) const {
        return left + static_cast<float>(attempt / attempts.high) * (right - left);
    }
    static float accuracyY(double fraction) { return bottom - static_cast<float>(fraction) * (bottom - top); }
    float speedY(double speed) const {
        return static_cast<float>(bottom -
                                  (speed - speeds.low) / (speeds.high - speeds.low) * (bottom - top));
    }
    // The attempts before bar INDEX and after it.
    double barStart(std::size_t index) const { return static_cast<double>(index * perBar) * 10.0; }
    double barEnd(std::size_t index) const {
        return barStart(index) + static_cast<double>(bars[index].windows) * 10.0;
    }

    void drawGrid() {
        for (const double speed : speeds.ticks())
            items.push_back(render::Line{left, speedY(speed), right, speedY(speed), 1.0f, gridColor});
    }

    void drawBars() {
        for (std::size_t index = 0; index < bars.size(); ++index) {
            const float x0 = attemptX(barStart(index));
            const float x1 = attemptX(barEnd(index));
            const float gap = (x1 - x0) * 0.2f;
            const WindowGroup& bar = bars[index];
            items.push_back(render::Rectangle{x0 + gap / 2.0f, accuracyY(bar.accuracy()), x1 - gap / 2.0f,
                                              bottom, accuracyColor, true});
            if (bar.fewestSuccesses == bar.mostSuccesses) continue;
            const float middle = (x0 + x1) / 2.0f;
            items.push_back(render::Line{middle, accuracyY(bar.mostSuccesses / 10.0), middle,
                                         accuracyY(bar.fewestSuccesses / 10.0), 1.5f, rangeColor});
        }
    }

    // A step for each bar at its mean speed, joined to the next.
    void drawSpeed() {
        for (std::size_t index = 0; index < bars.size(); ++index) {
            if (!bars[index].hasSpeed()) continue;
            const float y = speedY(bars[index].meanSpeed());
            const float x1 = attemptX(barEnd(index));
            items.push_back(render::Line{attemptX(barStart(index)), y, x1, y, 3.0f, speedColor});
            if (index + 1 < bars.size() && bars[index + 1].hasSpeed())
                items.push_back(
                    render::Line{x1, y, x1, speedY(bars[index + 1].meanSpeed()), 3.0f, speedColor});
        }
    }

    void drawAxes() {
        for (const double speed : speeds.ticks()) {
            const std::string text = speeds.label(speed);
            items.push_back(
                label(text, std::max(2.0f, left - 8.0f - textWidth(text)), speedY(speed) - 8.0f, speedColor));
        }
        const AxisScale percents = roundAxis(0.0, 100.0, 4);
        for (const double percent : percents.ticks())
            items.push_back(label(percents.label(percent) + "%", right + 8.0f,
                                  accuracyY(percent / 100.0) - 8.0f, accuracyColor));
        for (const double attempt : attempts.ticks()) {
            const float x = attemptX(attempt);
            items.push_back(render::Line{x, bottom, x, bottom + 5.0f, 1.0f, frameColor});
            const std::string text = attempts.label(attempt);
            items.push_back(label(text, x - textWidth(text) / 2.0f, bottom + 8.0f, labelColor));
        }
        const std::string attemptsTitle = "attempts";
        items.push_back(label(attemptsTitle, (left + right - textWidth(attemptsTitle)) / 2.0f, bottom + 30.0f,
                              labelColor));
        items.push_back(label("game speed", left - 60.0f, top - 24.0f, speedColor));
        const std::string accuracyTitle = "accuracy";
        items.push_back(
            label(accuracyTitle, right + 60.0f - textWidth(accuracyTitle), top - 24.0f, accuracyColor));
    }

    void drawTitles() {
        const std::string title =
            perBar == 1
                ? std::string("Game speed and accuracy per ten-attempt window")
                : fmt::format("Game speed and accuracy per {} attempts ({} windows)", perBar * 10, perBar);
        items.push_back(label(title, left, 18.0f, labelColor));
        const float legend = bottom + 58.0f;
        items.push_back(label(perBar == 1 ? "game speed" : "game speed (mean)", left, legend, speedColor));
        items.push_back(label(perBar == 1 ? "accuracy" : "accuracy, with the range of its windows",
                              left + 190.0f, legend, accuracyColor));
        items.push_back(label(fmt::format("target {:.0f}%", targetAccuracy * 100.0f), right - 250.0f, legend,
                              targetColor));
        const std::string count = fmt::format("{} windows", windows.total());
        items.push_back(label(count, right - textWidth(count), legend, labelColor));
    }

    const TenAttemptWindows& windows;
    float targetAccuracy;
    std::size_t perBar;
    std::vector<WindowGroup> bars;
    AxisScale speeds;
    AxisScale attempts;
    std::vector<render::Item> items;
};

} // namespace

render::Scene speedChartScene(const TenAttemptWindows& windows, float targetAccuracy) {
    return SpeedChart(windows, targetAccuracy).scene();
}

} // namespace kadenzo::sim
