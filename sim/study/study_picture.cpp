// Drawing study.png as a scene for the picture writer (pictures/pictures.h).
//
// Index of this file:
// - Layout and colours
// - Axes: scaled to the data, with round ticks
// - The accuracy panel
// - The speed panel
// - The legend
#include "study/study_picture.h"

#include "number_text.h"
#include "pictures/chart_layout.h"
#include "pictures/chart_style.h"
#include "settings_table.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

namespace kadenzo::study {

namespace {

// ---- Layout and colours ------------------------------------------------------------------------

constexpr int pictureWidth = 1200;
constexpr int pictureHeight = 640;
constexpr float top = 80.0f;
constexpr float bottom = pictureHeight - 110.0f;
// The accuracy panel, square, and the speed panel beside it.
constexpr float accuracyLeft = 80.0f;
constexpr float accuracyRight = accuracyLeft + (bottom - top);
constexpr float speedLeft = accuracyRight + 150.0f;
constexpr float speedRight = pictureWidth - 40.0f;
// The panels' titles, and the names of their upright axes above them.
constexpr float titleY = 30.0f;
constexpr float axisNameY = top - 26.0f;
// A text line is about 16 pixels high; labels along an axis keep at least this much apart.
constexpr float leastLabelSpacing = 18.0f;
constexpr int mostTickIntervals = 6;
// Rows of the speed panel thinner than this show each speed's chance as a shade, not a bar.
constexpr float leastBarRow = 8.0f;
// The accuracy panel's axes start this far inside its frame, so that no point lies on the frame.
constexpr float inset = 14.0f;

using namespace sim::chart_style;

constexpr render::Color targetColor{255.0f, 80.0f, 80.0f, 255.0f};
constexpr render::Color workedOutColor{70.0f, 140.0f, 230.0f, 255.0f};
constexpr render::Color playedColor{255.0f, 200.0f, 60.0f, 255.0f};
constexpr render::Color balanceColor{120.0f, 220.0f, 140.0f, 255.0f};

// ---- Axes ----------------------------------------------------------------------------------------

// An axis over every value VALUES holds; one round tick interval or more.
sim::AxisScale axisOver(const std::vector<double>& values) {
    if (values.empty()) return sim::roundAxis(0.0, 1.0, mostTickIntervals);
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return sim::roundAxis(*low, *high, mostTickIntervals);
}

float along(const sim::AxisScale& axis, double value, float from, float to) {
    return from + static_cast<float>((value - axis.low) / (axis.high - axis.low)) * (to - from);
}

std::string percentLabel(double speed) {
    return shortestText(std::round(speed * 1e8) / 1e6) + "%";
}

// K, for labelling every K-th of rows SPACING apart: the least that keeps leastLabelSpacing between
// labels.
std::size_t labelEvery(float spacing) {
    return spacing >= leastLabelSpacing ? 1 : static_cast<std::size_t>(std::ceil(leastLabelSpacing / spacing));
}

class StudyPicture {
public:
    explicit StudyPicture(const StudyResult& result)
        : result(result), values(valueAxis(result)), accuracies(accuracyAxis(result)), speeds(speedAxis(result)) {
        // A sweep of the target puts accuracies on both axes: one scale, so that the diagonal lies at 45
        // degrees.
        if (sweepsTarget()) values = accuracies = axisOver({values.low, values.high, accuracies.low, accuracies.high});
    }

    render::Scene scene() {
        drawAccuracy();
        drawSpeeds();
        drawLegend();
        items.push_back(label(fmt::format("What each {} gives the simulated player: worked out, and played {} "
                                          "times x {} attempts",
                                          result.sweep.name, result.runs, result.attempts),
                              accuracyLeft, 6.0f, labelColor));
        render::Scene drawn;
        drawn.width = pictureWidth;
        drawn.height = pictureHeight;
        drawn.background = background;
        drawn.items = std::move(items);
        return drawn;
    }

private:
    static sim::AxisScale valueAxis(const StudyResult& result) {
        std::vector<double> all;
        for (const StudyPoint& point : result.points)
            all.push_back(point.value);
        return axisOver(all);
    }

    static sim::AxisScale accuracyAxis(const StudyResult& result) {
        std::vector<double> all;
        for (const StudyPoint& point : result.points) {
            const SimulatedPoint& played = point.simulated;
            all.insert(all.end(), {played.meanAccuracy - played.accuracyError,
                                   played.meanAccuracy + played.accuracyError,
                                   static_cast<double>(played.setup.targetAccuracy)});
            if (point.workedOut())
                all.insert(all.end(), {point.analysis.meanAccuracy, point.analysis.balanceAccuracy});
        }
        return axisOver(all);
    }

    static sim::AxisScale speedAxis(const StudyResult& result) {
        std::vector<double> all;
        for (const StudyPoint& point : result.points)
            if (!point.simulated.shareSpeeds.empty()) {
                all.push_back(point.simulated.shareSpeeds.front());
                all.push_back(point.simulated.shareSpeeds.back());
            }
        return axisOver(all);
    }

    bool sweepsTarget() const { return result.sweep.name == setting::idealAccuracy.name; }

    float valueX(double value) const { return along(values, value, accuracyLeft + inset, accuracyRight - inset); }
    float accuracyY(double accuracy) const { return along(accuracies, accuracy, bottom - inset, top + inset); }
    float speedX(double speed) const { return along(speeds, speed, speedLeft, speedRight); }

    void centred(const std::string& text, float x, float y) {
        items.push_back(label(text, x - textWidth(text) / 2.0f, y, labelColor));
    }

    // ---- The accuracy panel ------------------------------------------------------------------

    void drawAccuracyGrid() {
        for (const double at : values.ticks()) {
            items.push_back(render::Line{valueX(at), top, valueX(at), bottom, 1.0f, gridColor});
            centred(values.label(at), valueX(at), bottom + 8.0f);
        }
        for (const double at : accuracies.ticks()) {
            items.push_back(render::Line{accuracyLeft, accuracyY(at), accuracyRight, accuracyY(at), 1.0f, gridColor});
            const std::string text = accuracies.label(at);
            items.push_back(label(text, accuracyLeft - 8.0f - textWidth(text), accuracyY(at) - 8.0f, labelColor));
        }
    }

    // Where accuracy equals the target: the diagonal for a sweep of the target, else a level line at
    // the target all points share.
    void drawTarget() {
        if (result.points.empty()) return;
        if (sweepsTarget()) {
            items.push_back(render::Line{valueX(values.low), accuracyY(values.low), valueX(values.high),
                                         accuracyY(values.high), 2.0f, targetColor});
            return;
        }
        const float y = accuracyY(result.points.front().simulated.setup.targetAccuracy);
        items.push_back(render::Line{accuracyLeft, y, accuracyRight, y, 2.0f, targetColor});
    }

    // Markers shrink as points crowd, down to a few pixels.
    float markerHalf() const {
        const float spacing = (accuracyRight - accuracyLeft) / static_cast<float>(std::max<std::size_t>(result.points.size(), 1));
        return std::clamp(spacing * 0.4f, 1.5f, 5.0f);
    }

    void drawPoint(const StudyPoint& point, float half) {
        const float x = valueX(point.value);
        if (point.workedOut()) {
            const float balance = accuracyY(point.analysis.balanceAccuracy);
            items.push_back(render::Line{x - 1.8f * half, balance, x + 1.8f * half, balance, 2.0f, balanceColor});
            const float worked = accuracyY(point.analysis.meanAccuracy);
            items.push_back(render::Rectangle{x - half, worked - half, x + half, worked + half, workedOutColor, false});
        }
        const SimulatedPoint& played = point.simulated;
        const float y = accuracyY(played.meanAccuracy);
        items.push_back(render::Line{x, accuracyY(played.meanAccuracy + played.accuracyError), x,
                                     accuracyY(played.meanAccuracy - played.accuracyError), 2.0f, playedColor});
        items.push_back(render::Rectangle{x - half / 2.0f, y - half / 2.0f, x + half / 2.0f, y + half / 2.0f,
                                          playedColor, true});
    }

    void drawAccuracy() {
        drawAccuracyGrid();
        drawTarget();
        const float half = markerHalf();
        for (const StudyPoint& point : result.points)
            drawPoint(point, half);
        items.push_back(render::Rectangle{accuracyLeft, top, accuracyRight, bottom, frameColor, false});
        items.push_back(label("the accuracy you train at", accuracyLeft, titleY, labelColor));
        items.push_back(label("accuracy", accuracyLeft - 40.0f, axisNameY, labelColor));
        centred(result.sweep.name, (accuracyLeft + accuracyRight) / 2.0f, bottom + 32.0f);
    }

    // ---- The speed panel ---------------------------------------------------------------------

    // The least gap between two speeds of any point, for the width of the bars.
    float barWidth() const {
        float narrowest = (speedRight - speedLeft) / 20.0f;
        for (const StudyPoint& point : result.points) {
            const auto& at = point.simulated.shareSpeeds;
            for (std::size_t index = 1; index < at.size(); ++index)
                narrowest = std::min(narrowest, speedX(at[index]) - speedX(at[index - 1]));
        }
        return std::max(1.0f, narrowest * 0.8f);
    }

    // The worked-out chance of each speed as a bar, the share played as a tick over it; both scaled to
    // the largest chance of the picture.
    void drawRow(const StudyPoint& point, float base, float height, float width, double highest) {
        const SimulatedPoint& played = point.simulated;
        for (std::size_t index = 0; index < played.shareSpeeds.size(); ++index) {
            const float x = speedX(played.shareSpeeds[index]);
            const auto& chances = point.analysis.stationary;
            if (point.workedOut() && index < chances.size() && chances[index] > 0.0)
                items.push_back(render::Rectangle{x - width / 2.0f,
                                                  base - height * static_cast<float>(chances[index] / highest),
                                                  x + width / 2.0f, base, workedOutColor, true});
            if (played.speedShares[index] > 0.0) {
                const float y = base - height * static_cast<float>(std::min(1.0, played.speedShares[index] / highest));
                items.push_back(render::Line{x - width / 2.0f, y, x + width / 2.0f, y, 2.0f, playedColor});
            }
        }
    }

    // A row too thin for bars: each speed a cell of the row's height, the worked-out chance (the share
    // played, for a point not worked out) as its strength against the row's largest.
    void drawThinRow(const StudyPoint& point, float rowTop, float height, float width) {
        const SimulatedPoint& played = point.simulated;
        const std::vector<double>& chances = point.workedOut() ? point.analysis.stationary : played.speedShares;
        const render::Color color = point.workedOut() ? workedOutColor : playedColor;
        const double largest = chances.empty() ? 0.0 : *std::max_element(chances.begin(), chances.end());
        for (std::size_t index = 0; index < played.shareSpeeds.size() && index < chances.size(); ++index) {
            if (!(chances[index] > 0.0 && largest > 0.0)) continue;
            const float x = speedX(played.shareSpeeds[index]);
            render::Color shade = color;
            shade.alpha = 255.0f * static_cast<float>(chances[index] / largest);
            items.push_back(render::Rectangle{x - width / 2.0f, rowTop, x + width / 2.0f, rowTop + height, shade, true});
        }
    }

    double highestChance() const {
        double highest = 0.0;
        for (const StudyPoint& point : result.points) {
            for (const double chance : point.analysis.stationary)
                highest = std::max(highest, chance);
            for (const double share : point.simulated.speedShares)
                highest = std::max(highest, share);
        }
        return highest > 0.0 ? highest : 1.0;
    }

    void drawSpeeds() {
        for (const double speed : speeds.ticks()) {
            items.push_back(render::Line{speedX(speed), top, speedX(speed), bottom, 1.0f, gridColor});
            centred(percentLabel(speed), speedX(speed), bottom + 8.0f);
        }
        const std::size_t rows = std::max<std::size_t>(result.points.size(), 1);
        const float rowHeight = (bottom - top) / static_cast<float>(rows);
        const float gap = std::min(6.0f, rowHeight * 0.25f);
        const std::size_t every = labelEvery(rowHeight);
        const float width = barWidth();
        const double highest = highestChance();
        for (std::size_t row = 0; row < result.points.size(); ++row) {
            const StudyPoint& point = result.points[row];
            const float rowTop = top + rowHeight * static_cast<float>(row);
            const float base = rowTop + rowHeight - gap / 2.0f;
            if (rowHeight >= leastBarRow) {
                drawRow(point, base, rowHeight - gap, width, highest);
                items.push_back(render::Line{speedLeft, base, speedRight, base, 1.0f, frameColor});
            } else {
                drawThinRow(point, rowTop, rowHeight, width);
            }
            if (row % every != 0) continue;
            const std::string name = sweepValueText(point.value);
            const float middle = top + rowHeight * (static_cast<float>(row) + 0.5f);
            items.push_back(label(name, speedLeft - 10.0f - textWidth(name), middle - 8.0f, labelColor));
        }
        items.push_back(render::Rectangle{speedLeft, top, speedRight, bottom, frameColor, false});
        items.push_back(label(result.sweep.name, speedLeft - 10.0f - textWidth(result.sweep.name), axisNameY,
                              labelColor));
        items.push_back(label("where the speed sits: the share of attempts at each speed", speedLeft, titleY,
                              labelColor));
        centred("game speed, percent of normal", (speedLeft + speedRight) / 2.0f, bottom + 32.0f);
    }

    // ---- The legend ----------------------------------------------------------------------------

    void drawLegend() {
        struct Entry {
            const char* text;
            render::Color color;
        };
        const Entry entries[] = {
            {"worked out", workedOutColor},
            {"played, +-1 standard error", playedColor},
            {"balance: a step up as likely as down", balanceColor},
            {"accuracy = target", targetColor},
        };
        float x = accuracyLeft;
        const float y = bottom + 66.0f;
        for (const Entry& entry : entries) {
            items.push_back(render::Rectangle{x, y + 3.0f, x + 10.0f, y + 13.0f, entry.color, true});
            items.push_back(label(entry.text, x + 16.0f, y, entry.color));
            x += 16.0f + textWidth(entry.text) + 36.0f;
        }
    }

    const StudyResult& result;
    sim::AxisScale values;
    sim::AxisScale accuracies;
    sim::AxisScale speeds;
    std::vector<render::Item> items;
};

} // namespace

render::Scene studyScene(const StudyResult& result) {
    return StudyPicture(result).scene();
}

} // namespace kadenzo::study
