// The session chart: window accuracy as bars against the target line, game speed as a line on top.
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
constexpr float top = 60.0f;
constexpr float bottom = chartHeight - 60.0f;

constexpr render::Color background{24.0f, 28.0f, 34.0f, 255.0f};
constexpr render::Color frameColor{120.0f, 128.0f, 140.0f, 255.0f};
constexpr render::Color labelColor{220.0f, 224.0f, 230.0f, 255.0f};
constexpr render::Color speedColor{255.0f, 200.0f, 60.0f, 255.0f};
constexpr render::Color targetColor{255.0f, 80.0f, 80.0f, 255.0f};
constexpr render::Color accuracyColor{70.0f, 140.0f, 230.0f, 200.0f};

render::Text label(const std::string& text, float x, float y, render::Color color) {
    return render::Text{text, x, y, 1.0f, 1.0f, color};
}

// Speed axis bounds: the finite speeds seen, widened to whole tenths with some room. In double, so that
// the largest float speeds cannot overflow; the slack keeps a float speed such as 0.9, a hair below its
// decimal, in its own tenth.
std::pair<double, double> speedBounds(const std::vector<TenAttemptWindow>& windows) {
    double low = 1.0;
    double high = 1.0;
    for (const TenAttemptWindow& window : windows)
        for (const float speed : {window.speedDuring, window.speedAfter})
            if (std::isfinite(speed)) {
                low = std::min(low, static_cast<double>(speed));
                high = std::max(high, static_cast<double>(speed));
            }
    constexpr double slack = 1e-6;
    const double floor = std::floor(low * 10.0 - 1.0 + slack) / 10.0;
    return {low >= 0.0 ? std::max(0.0, floor) : floor, std::ceil(high * 10.0 + 1.0 - slack) / 10.0};
}

// Two decimals for the speeds a game has; huge ones in exponent form, so that the label stays short.
std::string speedLabel(double speed) {
    return std::fabs(speed) < 1e4 ? fmt::format("{:.2f}", speed) : fmt::format("{:.1e}", speed);
}

// Left of the frame: where the usual four-character labels start, further left for longer ones so that
// they end before the frame (a character is about 8.5 pixels wide).
float speedLabelX(const std::string& text) {
    return std::min(left - 52.0f, left - 6.0f - 8.5f * static_cast<float>(text.size()));
}

} // namespace

render::Scene speedChartScene(const TenAttemptWindows& samples, float targetAccuracy) {
    render::Scene scene;
    scene.width = chartWidth;
    scene.height = chartHeight;
    scene.background = background;
    auto& items = scene.items;
    const std::vector<TenAttemptWindow>& windows = samples.kept();

    const std::size_t count = std::max<std::size_t>(windows.size(), 1);
    const float slot = (right - left) / static_cast<float>(count);
    const auto accuracyY = [](float fraction) { return bottom - fraction * (bottom - top); };
    const auto [lowSpeed, highSpeed] = speedBounds(windows);
    const auto speedY = [&, lowSpeed = lowSpeed, highSpeed = highSpeed](double speed) {
        return static_cast<float>(bottom - (speed - lowSpeed) / (highSpeed - lowSpeed) * (bottom - top));
    };

    for (std::size_t index = 0; index < windows.size(); ++index) {
        const float x0 = left + slot * static_cast<float>(index);
        const float fraction = static_cast<float>(windows[index].successes) / 10.0f;
        items.push_back(render::Rectangle{x0 + slot * 0.15f, accuracyY(fraction), x0 + slot * 0.85f, bottom,
                                          accuracyColor, true});
    }
    if (std::isfinite(targetAccuracy))
        items.push_back(render::Line{left, accuracyY(targetAccuracy), right, accuracyY(targetAccuracy), 2.0f,
                                     targetColor});
    for (std::size_t index = 0; index < windows.size(); ++index) {
        const float x0 = left + slot * static_cast<float>(index);
        const float x1 = x0 + slot;
        const float speed = windows[index].speedDuring;
        if (!std::isfinite(speed)) continue;
        items.push_back(render::Line{x0, speedY(speed), x1, speedY(speed), 3.0f, speedColor});
        if (index + 1 < windows.size() && std::isfinite(windows[index + 1].speedDuring))
            items.push_back(render::Line{x1, speedY(speed), x1, speedY(windows[index + 1].speedDuring), 3.0f,
                                         speedColor});
    }
    items.push_back(render::Rectangle{left, top, right, bottom, frameColor, false});

    for (int tick = 0; tick <= 4; ++tick) {
        const float fraction = static_cast<float>(tick) / 4.0f;
        items.push_back(label(fmt::format("{:.0f}%", fraction * 100.0f), right + 8.0f,
                              accuracyY(fraction) - 8.0f, accuracyColor));
        const double speed = lowSpeed + (highSpeed - lowSpeed) * fraction;
        const std::string text = speedLabel(speed);
        items.push_back(label(text, speedLabelX(text), speedY(speed) - 8.0f, speedColor));
    }
    items.push_back(label("Game speed and accuracy per ten-attempt window", left, 20.0f, labelColor));
    items.push_back(label("game speed", left, bottom + 12.0f, speedColor));
    items.push_back(label("window accuracy", left + 120.0f, bottom + 12.0f, accuracyColor));
    items.push_back(label(fmt::format("target {:.0f}%", targetAccuracy * 100.0f), left + 290.0f,
                          bottom + 12.0f, targetColor));
    items.push_back(
        label(fmt::format("{} windows", samples.total()), right - 100.0f, bottom + 12.0f, labelColor));
    return scene;
}

} // namespace kadenzo::sim
