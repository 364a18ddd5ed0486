// Renders scenes without a display or graphics card: Dear ImGui builds the triangles, which are drawn in
// memory, so that the same scene gives the same pixels on every platform.
#pragma once

#include "render/scene.h"

#include <memory>
#include <string>

namespace kadenzo::render {

class OffscreenRenderer {
    struct Key {
        explicit Key() = default;
    };

public:
    // Null, with the cause in error, when the font cannot be set up.
    static std::unique_ptr<OffscreenRenderer> create(std::string& error);

    // Only create() can construct, through its private key.
    struct State;
    OffscreenRenderer(Key, std::unique_ptr<State> state);
    ~OffscreenRenderer();
    OffscreenRenderer(const OffscreenRenderer&) = delete;
    OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

    // The scene's pixels, top row first. An empty image when the scene's size is not positive or exceeds
    // what the renderer supports (see maximumSize()). The ImGui context current before the call is current
    // again after it, so that another copy of ImGui in the process keeps its own state. Texts longer than
    // 16000 bytes are cut short.
    Image render(const Scene& scene);

    // The largest width and height render() accepts.
    static constexpr int largestSize = 16384;
    int maximumSize() const { return largestSize; }

private:
    std::unique_ptr<State> state;
};

} // namespace kadenzo::render
