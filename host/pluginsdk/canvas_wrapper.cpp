#include "halvex/canvas_wrapper.h"

#include "canvas.h"

CanvasWrapper::CanvasWrapper(halvex::host::Canvas* canvas) : canvas(canvas) {}

Vector2 CanvasWrapper::GetSize() const {
    return canvas->size();
}

void CanvasWrapper::SetPosition(Vector2 position) {
    canvas->setPosition(position);
}

void CanvasWrapper::SetColor(unsigned char red, unsigned char green, unsigned char blue,
                             unsigned char alpha) {
    canvas->setColor(red, green, blue, alpha);
}

void CanvasWrapper::SetColor(LinearColor color) {
    canvas->setColor(color);
}

void CanvasWrapper::DrawString(std::string text, float xScale, float yScale, bool /*dropShadow*/,
                               bool /*wrapText*/) {
    canvas->drawString(text, xScale, yScale);
}
