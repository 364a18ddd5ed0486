#include "halvex/canvas_wrapper.h"

#include "canvas.h"
#include "host_state.h"

#include <utility>

CanvasWrapper::CanvasWrapper(halvex::host::Canvas* canvas) : canvas(canvas) {}

Vector2 CanvasWrapper::GetSize() const {
    if (!canvas->owningHost().contract().allowsOnThisThread("GetSize")) return Vector2{};
    return canvas->size();
}

void CanvasWrapper::SetPosition(Vector2 position) {
    if (!canvas->owningHost().contract().allowsOnThisThread("SetPosition")) return;
    canvas->setPosition(position);
}

void CanvasWrapper::SetColor(unsigned char red, unsigned char green, unsigned char blue,
                             unsigned char alpha) {
    if (!canvas->owningHost().contract().allowsOnThisThread("SetColor")) return;
    canvas->setColor(red, green, blue, alpha);
}

void CanvasWrapper::SetColor(LinearColor color) {
    if (!canvas->owningHost().contract().allowsOnThisThread("SetColor")) return;
    canvas->setColor(color);
}

void CanvasWrapper::DrawString(std::string text, float xScale, float yScale, bool /*dropShadow*/,
                               bool /*wrapText*/) {
    if (!canvas->owningHost().contract().allowsOnThisThread("DrawString")) return;
    canvas->drawString(std::move(text), xScale, yScale);
}
