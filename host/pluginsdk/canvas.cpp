#include "canvas.h"

#include "host_state.h"
#include "number_text.h"

#include <fmt/format.h>

#include <utility>

namespace halvex::host {

Canvas::Canvas(HostState& host, Vector2 size) : host(host), canvasSize(size) {}

void Canvas::setPosition(Vector2 newPosition) {
    position = newPosition;
    if (host.tracing()) host.trace(fmt::format("canvas SetPosition {} {}", position.X, position.Y));
}

void Canvas::setColor(unsigned char red, unsigned char green, unsigned char blue, unsigned char alpha) {
    color = LinearColor{static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue),
                        static_cast<float>(alpha)};
    if (host.tracing())
        host.trace(fmt::format("canvas SetColor {} {} {} {}", int{red}, int{green}, int{blue}, int{alpha}));
}

void Canvas::setColor(LinearColor newColor) {
    color = newColor;
    if (host.tracing())
        host.trace(fmt::format("canvas SetColor {} {} {} {}", kadenzo::shortest(color.R), kadenzo::shortest(color.G),
                               kadenzo::shortest(color.B), kadenzo::shortest(color.A)));
}

void Canvas::drawString(const std::string& text, float xScale, float yScale) {
    drawnTexts.push_back(CanvasText{text, position, color, xScale, yScale});
    if (host.tracing()) traceLastText();
}

void Canvas::drawString(std::string&& text, float xScale, float yScale) {
    drawnTexts.push_back(CanvasText{std::move(text), position, color, xScale, yScale});
    if (host.tracing()) traceLastText();
}

void Canvas::traceLastText() const {
    const CanvasText& last = drawnTexts.back();
    host.trace(fmt::format("canvas DrawString \"{}\" {} {}", last.text, kadenzo::shortest(last.xScale),
                           kadenzo::shortest(last.yScale)));
}

} // namespace halvex::host
