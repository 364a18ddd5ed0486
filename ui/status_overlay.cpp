// The status overlay: streak, the ten markers of the current window, game speed and accuracies,
// painted on the game canvas every frame of a training run.
//
// Index of this file:
// - Layout
// - Drawing
#include "status_overlay.h"

#include "Kadenzo.h"
#include "halvex/game_functions.h"
#include "speed_controller.h"

#include <fmt/format.h>

#include <cmath>
#include <limits>
#include <string>

namespace status_overlay {

// ---- Layout ------------------------------------------------------------------------------------

std::int32_t truncateToInt(float value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483648.0f) return std::numeric_limits<std::int32_t>::max();
    if (value < -2147483648.0f) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

Anchors computeAnchors(Vector2 canvasSize) {
    const float width = static_cast<float>(canvasSize.X);
    const float height = static_cast<float>(canvasSize.Y);
    Anchors anchors;
    const int seventyPercent = truncateToInt(width * 70.0f / 100.0f);
    anchors.x0 = (seventyPercent / 400) * 400;
    anchors.shift = truncateToInt(width * 0.5f - static_cast<float>(anchors.x0 / 2));
    anchors.y0 = truncateToInt(height * 10.0f / 100.0f);
    return anchors;
}

int lineStart(const Anchors& anchors, std::size_t characters) {
    const int offset = static_cast<int>(static_cast<double>(characters) * 8.5 - 10.0);
    return anchors.x0 - offset + anchors.shift;
}

std::int32_t speedPercent(float speed) {
    // Rationale: below 2 x 10^7 the millionths divided by 10^4 stay within 32 bits.
    if (std::isfinite(speed) && std::fabs(speed) < 2e7f) {
        const std::optional<std::int64_t> millionths = speedMillionths(speed);
        if (millionths) return static_cast<std::int32_t>(*millionths / 10000);
    }
    return truncateToInt(speed * 100.0f);
}

std::int32_t percentOf(std::int32_t successes, std::int32_t shots) {
    if (shots <= 0) return 0;
    return static_cast<std::int32_t>(static_cast<std::int64_t>(successes) * 100 / shots);
}

} // namespace status_overlay

// ---- Drawing -----------------------------------------------------------------------------------

namespace {

using status_overlay::Anchors;

constexpr int lineSpacing = 20;
constexpr int markerSpacing = 15;

// Lays out the items top to bottom; a hidden item takes no room.
struct Column {
    const Anchors& anchors;
    int rowOffset = -60;

    int y() const { return anchors.y0 + rowOffset; }
    void advance(bool shown) { rowOffset += shown ? lineSpacing : 0; }
};

void drawLine(CanvasWrapper& canvas, Column& column, const std::string& text, bool shown) {
    canvas.SetColor(255, 255, 255, 255);
    canvas.SetPosition(Vector2{status_overlay::lineStart(column.anchors, text.size()), column.y()});
    if (shown) canvas.DrawString(text, 1.0f, 1.0f, true, false);
    column.advance(shown);
}

} // namespace

void Kadenzo::renderStatus(CanvasWrapper canvas) {
    const bool inTraining = gameWrapper->IsInCustomTraining();
    if (!*slowMoEnabled || !trainingLoaded || !inTraining) return;

    const Anchors anchors = status_overlay::computeAnchors(canvas.GetSize());
    Column column{anchors};

    const std::string streak = fmt::format("Streak: {0}", currentStreak);
    const int streakX = status_overlay::lineStart(anchors, streak.size());
    drawLine(canvas, column, streak, *showCurrStreak);

    for (std::size_t marker = 0; marker < statusColors.size(); ++marker) {
        canvas.SetColor(statusColors[marker]);
        canvas.SetPosition(Vector2{streakX + markerSpacing * static_cast<int>(marker), column.y()});
        if (*showStatus) canvas.DrawString("*", 1.5f, 1.5f, true, false);
    }
    column.advance(*showStatus);

    const float speed = moduleCvarManager->getCvar(gameSpeedVariable).getFloatValue();
    drawLine(canvas, column, fmt::format("Game speed: {0}%", status_overlay::speedPercent(speed)),
             *showGameSpeed);
    drawLine(canvas, column,
             fmt::format("Previous Accuracy: {0}%", status_overlay::truncateToInt(previousAccuracy * 100.0f)),
             *showPrevAccu);
    drawLine(canvas, column, fmt::format("Total Shots: {0}", totalShots), *showTotalCount);
    const std::int32_t totalAccuracy = status_overlay::percentOf(totalSuccesses, totalShots);
    drawLine(canvas, column, fmt::format("Total Accuracy: {0}%", totalAccuracy), *showtotalAccu);
    const std::int32_t lastHundred = totalShots > 100 ? countLastShotsSuccesses() : totalAccuracy;
    drawLine(canvas, column, fmt::format("Last 100 Shots Accuracy: {0}%", lastHundred), *showLastShotsAccu);
}
