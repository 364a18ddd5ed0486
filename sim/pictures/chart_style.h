// The look every chart of kadenzo-sim shares (the session's speed chart, the study's picture): the
// colours of the background, frame, grid and labels, and text in the picture writer's font. What a
// chart plots keeps colours of its own.
#pragma once

#include "render/scene.h"

#include <string>

namespace kadenzo::sim::chart_style {

inline constexpr render::Color background{24.0f, 28.0f, 34.0f, 255.0f};
inline constexpr render::Color frameColor{120.0f, 128.0f, 140.0f, 255.0f};
inline constexpr render::Color gridColor{60.0f, 66.0f, 76.0f, 255.0f};
inline constexpr render::Color labelColor{220.0f, 224.0f, 230.0f, 255.0f};

// The width of one character of the picture writer's font at scale 1.
inline constexpr float characterWidth = 8.5f;

inline render::Text label(const std::string& text, float x, float y, render::Color color) {
    return render::Text{text, x, y, 1.0f, 1.0f, color};
}

inline float textWidth(const std::string& text) {
    return characterWidth * static_cast<float>(text.size());
}

} // namespace kadenzo::sim::chart_style
