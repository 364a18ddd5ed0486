// The 2-D canvas handed to drawables once per rendered frame. Valid only during that call.
#pragma once

#include "halvex/export.h"
#include "halvex/types.h"

#include <string>

class HALVEX_SDK_API CanvasWrapper {
public:
    explicit CanvasWrapper(halvex::host::Canvas* canvas);

    Vector2 GetSize() const;
    // Where the next text starts (its top-left corner).
    void SetPosition(Vector2 position);
    // Colour of the next text; (255, 255, 255, 255) is opaque white.
    void SetColor(unsigned char red, unsigned char green, unsigned char blue, unsigned char alpha);
    void SetColor(LinearColor color);
    void DrawString(std::string text, float xScale, float yScale, bool dropShadow, bool wrapText);

private:
    halvex::host::Canvas* canvas = nullptr;
};
