// The first places of the desktop window's panels and of the host's windows.
#include "window/window_layout.h"

#include <algorithm>

namespace kadenzo::sim {

namespace {

// The space between two windows and around the display's edges.
constexpr float gap = 6.0f;
// The settings window as wide as the plugin's page needs for its longest label beside its slider, and
// tall enough for all of its rows.
constexpr float settingsWidth = 600.0f;
constexpr float settingsMostWidth = 640.0f;
constexpr float settingsHeight = 420.0f;
// The Training panel: wide enough for its rows of buttons and the sliders' labels, and tall enough for
// everything it holds with the smallest chart.
constexpr float trainingLeastWidth = 380.0f;
constexpr float trainingShare = 0.3f;
constexpr float trainingLeastHeight = 490.0f;
// The Console keeps room for a few lines of its log and its command line; beside the plugin's window,
// which shows no more than its title, it is wide enough for the log's lines of ten-attempt windows.
constexpr float consoleLeastHeight = 180.0f;
// The plugin's window: a quarter of the left column, within these bounds.
constexpr float pluginWindowShare = 0.25f;
constexpr float pluginWindowLeastWidth = 160.0f;
constexpr float pluginWindowMostWidth = 320.0f;
constexpr float pluginWindowHeight = 160.0f;
// The overlay's lines end a quarter of the way down the canvas (ui/status_overlay.cpp).
constexpr float overlayBottomShare = 0.25f;
// The chart's plots grow with the display, within these bounds.
constexpr float chartShare = 0.07f;
constexpr float chartLeastHeight = 40.0f;
constexpr float chartMostHeight = 80.0f;

float atLeastZero(float value) {
    return std::max(0.0f, value);
}

} // namespace

WindowLayout layoutWindow(float width, float height, const ViewRect& canvas) {
    const float top = menuBarHeight + gap;
    const float bottom = height - gap;
    const float trainingWidth = atLeastZero(
        std::min(width - 3 * gap - settingsWidth, std::max(trainingLeastWidth, width * trainingShare)));
    const float leftWidth = atLeastZero(width - 3 * gap - trainingWidth);

    WindowLayout layout;
    layout.settings =
        WindowPlace{gap, top, std::min(leftWidth, settingsMostWidth),
                    atLeastZero(std::min(settingsHeight, bottom - top - gap - consoleLeastHeight))};

    const float rowTop = top + layout.settings.height + gap;
    const float rowHeight = atLeastZero(bottom - rowTop);
    const float pluginWidth = std::min(
        leftWidth, std::clamp(leftWidth * pluginWindowShare, pluginWindowLeastWidth, pluginWindowMostWidth));
    layout.pluginWindow = WindowPlace{gap + leftWidth - pluginWidth, rowTop, pluginWidth,
                                      std::min(pluginWindowHeight, rowHeight)};
    layout.console = WindowPlace{gap, rowTop, atLeastZero(leftWidth - pluginWidth - gap), rowHeight};

    const float belowOverlay = canvas.y + canvas.height * overlayBottomShare;
    const float trainingTop = std::max(top, std::min(belowOverlay, bottom - trainingLeastHeight));
    layout.training =
        WindowPlace{2 * gap + leftWidth, trainingTop, trainingWidth, atLeastZero(bottom - trainingTop)};
    layout.chartHeight = std::clamp(height * chartShare, chartLeastHeight, chartMostHeight);
    return layout;
}

} // namespace kadenzo::sim
