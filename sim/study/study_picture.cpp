// Drawing study.png as a scene for the picture writer (pictures/pictures.h).
#include "study/study_picture.h"

#include "pictures/chart_layout.h"
#include "pictures/chart_style.h"

#include <fmt/format.h>

#include <algorithm>

namespace kadenzo::study {

namespace {

constexpr int pictureWidth = 1200;
constexpr int pictureHeight = 640;
constexpr float top = 70.0f;
constexpr float bottom = pictureHeight - 100.0f;
// The accuracy panel, square, and the distribution panel beside it.
constexpr float accuracyLeft = 80.0f;
constexpr float accuracyRight = accuracyLeft + (bottom - top);
constexpr float speedLeft = accuracyRight + 150.0f;
constexpr float speedRight = pictureWidth - 40.0f;

using namespace sim::chart_style;

constexpr render::Color diagonalColor{255.0f, 80.0f, 80.0f, 255.0f};
constexpr render::Color chainColor{70.0f, 140.0f, 230.0f, 255.0f};
constexpr render::Color simulatedColor{255.0f, 200.0f, 60.0f, 255.0f};
constexpr render::Color balanceColor{120.0f, 220.0f, 140.0f, 255.0f};

class StudyPicture {
public:
    explicit StudyPicture(const StudyResult& result) : result(result), speeds(speedAxis(result)) {}

    render::Scene scene() {
        drawAccuracy();
        drawDistributions();
        items.push_back(label(fmt::format("{} runs x {} attempts per point, sweeping {}", result.runs,
                                          result.attempts, result.sweep.name),
                              accuracyLeft, 18.0f, labelColor));
        const float legend = bottom + 58.0f;
        items.push_back(label("chain (analysis)", accuracyLeft, legend, chainColor));
        items.push_back(
            label("simulated, +-1 standard error", accuracyLeft + 180.0f, legend, simulatedColor));
        items.push_back(label("balance point", accuracyLeft + 470.0f, legend, balanceColor));
        items.push_back(label("target = accuracy", accuracyLeft + 620.0f, legend, diagonalColor));
        render::Scene drawn;
        drawn.width = pictureWidth;
        drawn.height = pictureHeight;
        drawn.background = background;
        drawn.items = std::move(items);
        return drawn;
    }

private:
    static sim::AxisScale speedAxis(const StudyResult& result) {
        double low = 1.0, high = 1.0;
        for (const StudyPoint& point : result.points)
            if (!point.analysis.speeds.empty()) {
                low = std::min(low, static_cast<double>(point.analysis.speeds.front()));
                high = std::max(high, static_cast<double>(point.analysis.speeds.back()));
            }
        return sim::roundAxis(low, high, 6);
    }

    static float accuracyX(double accuracy) {
        return accuracyLeft + static_cast<float>(accuracy) * (accuracyRight - accuracyLeft);
    }
    static float accuracyY(double accuracy) { return bottom - static_cast<float>(accuracy) * (bottom - top); }
    float speedX(double speed) const {
        return speedLeft + static_cast<float>((speed - speeds.low) / (speeds.high - speeds.low)) *
                               (speedRight - speedLeft);
    }

    // The tenths, the diagonal, and each point at its target.
    void drawAccuracy() {
        for (int tenth = 0; tenth <= 10; ++tenth) {
            const double at = tenth / 10.0;
            items.push_back(render::Line{accuracyX(at), top, accuracyX(at), bottom, 1.0f, gridColor});
            items.push_back(
                render::Line{accuracyLeft, accuracyY(at), accuracyRight, accuracyY(at), 1.0f, gridColor});
            if (tenth % 2 != 0) continue;
            const std::string text = fmt::format("{:.1f}", at);
            items.push_back(label(text, accuracyX(at) - textWidth(text) / 2.0f, bottom + 8.0f, labelColor));
            items.push_back(
                label(text, accuracyLeft - 8.0f - textWidth(text), accuracyY(at) - 8.0f, labelColor));
        }
        items.push_back(render::Line{accuracyX(0.0), accuracyY(0.0), accuracyX(1.0), accuracyY(1.0), 2.0f,
                                     diagonalColor});
        for (const StudyPoint& point : result.points) {
            const float x = accuracyX(point.simulated.setup.targetAccuracy);
            const float balance = accuracyY(point.analysis.balanceAccuracy);
            items.push_back(render::Line{x - 9.0f, balance, x + 9.0f, balance, 2.0f, balanceColor});
            const float chain = accuracyY(point.analysis.meanAccuracy);
            items.push_back(
                render::Rectangle{x - 5.0f, chain - 5.0f, x + 5.0f, chain + 5.0f, chainColor, false});
            const SimulatedPoint& simulated = point.simulated;
            const float y = accuracyY(simulated.meanAccuracy);
            items.push_back(render::Line{x, accuracyY(simulated.meanAccuracy + simulated.accuracyError), x,
                                         accuracyY(simulated.meanAccuracy - simulated.accuracyError), 2.0f,
                                         simulatedColor});
            items.push_back(render::Rectangle{x - 2.5f, y - 2.5f, x + 2.5f, y + 2.5f, simulatedColor, true});
        }
        items.push_back(render::Rectangle{accuracyLeft, top, accuracyRight, bottom, frameColor, false});
        items.push_back(label("mean accuracy against the target", accuracyLeft, top - 24.0f, labelColor));
        const std::string axis = "target (idealAccuracy)";
        items.push_back(
            label(axis, (accuracyLeft + accuracyRight - textWidth(axis)) / 2.0f, bottom + 30.0f, labelColor));
    }

    // A row per point: the chain's chance of each speed as a bar, the simulation's share as a tick.
    void drawDistributions() {
        const std::size_t rows = std::max<std::size_t>(result.points.size(), 1);
        const float rowHeight = (bottom - top) / static_cast<float>(rows);
        double highest = 0.0;
        for (const StudyPoint& point : result.points)
            for (double chance : point.analysis.stationary)
                highest = std::max(highest, chance);
        for (const double speed : speeds.ticks()) {
            items.push_back(render::Line{speedX(speed), top, speedX(speed), bottom, 1.0f, gridColor});
            const std::string text = speeds.label(speed);
            items.push_back(label(text, speedX(speed) - textWidth(text) / 2.0f, bottom + 8.0f, labelColor));
        }
        for (std::size_t row = 0; row < result.points.size(); ++row) {
            const StudyPoint& point = result.points[row];
            const float base = top + rowHeight * static_cast<float>(row + 1) - 2.0f;
            const float height = rowHeight - 6.0f;
            const std::string name = sweepValueText(point.value);
            items.push_back(
                label(name, speedLeft - 10.0f - textWidth(name), base - rowHeight / 2.0f - 6.0f, labelColor));
            const auto& chain = point.analysis;
            const float width =
                chain.speeds.size() > 1
                    ? std::max(1.0f, (speedX(chain.speeds[1]) - speedX(chain.speeds[0])) * 0.8f)
                    : 4.0f;
            for (std::size_t index = 0; index < chain.speeds.size(); ++index) {
                const float x = speedX(chain.speeds[index]);
                if (highest > 0.0 && chain.stationary[index] > 0.0)
                    items.push_back(render::Rectangle{
                        x - width / 2.0f,
                        base - height * static_cast<float>(chain.stationary[index] / highest),
                        x + width / 2.0f, base, chainColor, true});
                const auto& shares = point.simulated.speedShares;
                if (highest > 0.0 && index < shares.size() && shares[index] > 0.0) {
                    const float y =
                        base - height * static_cast<float>(std::min(1.0, shares[index] / highest));
                    items.push_back(
                        render::Line{x - width / 2.0f, y, x + width / 2.0f, y, 2.0f, simulatedColor});
                }
            }
            items.push_back(render::Line{speedLeft, base, speedRight, base, 1.0f, frameColor});
        }
        items.push_back(render::Rectangle{speedLeft, top, speedRight, bottom, frameColor, false});
        items.push_back(label(fmt::format("where the speed stays, per {}", result.sweep.name), speedLeft,
                              top - 24.0f, labelColor));
        const std::string axis = "game speed";
        items.push_back(
            label(axis, (speedLeft + speedRight - textWidth(axis)) / 2.0f, bottom + 30.0f, labelColor));
    }

    const StudyResult& result;
    sim::AxisScale speeds;
    std::vector<render::Item> items;
};

} // namespace

render::Scene studyScene(const StudyResult& result) {
    return StudyPicture(result).scene();
}

} // namespace kadenzo::study
