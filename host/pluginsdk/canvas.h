// The host side of one frame's canvas: its size, the drawing state a plugin sets, and the texts it
// drew, kept so that the frame can be pictured afterwards.
#pragma once

#include "halvex/export.h"
#include "halvex/types.h"

#include <string>
#include <vector>

namespace halvex::host {

class HostState;

struct CanvasText {
    std::string text;
    Vector2 position;
    LinearColor color;
    float xScale = 1.0f;
    float yScale = 1.0f;
};

class HALVEX_SDK_API Canvas {
public:
    Canvas(HostState& host, Vector2 size);

    HostState& owningHost() const { return host; }
    Vector2 size() const { return canvasSize; }
    const std::vector<CanvasText>& texts() const { return drawnTexts; }

    void setPosition(Vector2 position);
    void setColor(unsigned char red, unsigned char green, unsigned char blue, unsigned char alpha);
    void setColor(LinearColor color);
    // Records the text with the position and colour set last: a copy of it, or the text itself when it
    // is handed over.
    void drawString(const std::string& text, float xScale, float yScale);
    void drawString(std::string&& text, float xScale, float yScale);

private:
    void traceLastText() const;

    HostState& host;
    Vector2 canvasSize;
    Vector2 position;
    LinearColor color{255.0f, 255.0f, 255.0f, 255.0f};
    std::vector<CanvasText> drawnTexts;
};

} // namespace halvex::host
