// What a picture shows, as plain data: shapes and texts in canvas coordinates, drawn in order.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace kadenzo::render {

// 0 to 255 per channel, like the game canvas, so canvas colours carry over unchanged.
struct Color {
    float red, green, blue, alpha;
};

// x, y is the top-left corner of the text. At scale 1.0 a character is about 8.5 pixels wide, as on the
// canvas.
struct Text {
    std::string text;
    float x, y;
    float scaleX, scaleY;
    Color color;
};

struct Line {
    float x0, y0, x1, y1;
    float thickness;
    Color color;
};

// Corners in pixels; an outline is one pixel thick.
struct Rectangle {
    float x0, y0, x1, y1;
    Color color;
    bool filled;
};

using Item = std::variant<Rectangle, Line, Text>;

struct Scene {
    int width = 0, height = 0;
    Color background;
    std::vector<Item> items;
};

// Four bytes per pixel in red, green, blue, alpha order; the top row comes first.
struct Image {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;
};

} // namespace kadenzo::render
