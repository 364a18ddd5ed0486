// Scenes become ImGui draw lists, which the triangle rasterizer draws into an image in memory.
#include "render/offscreen_renderer.h"

#include "render/current_imgui_context.h"
#include "render/triangle_rasterizer.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace kadenzo::render {

namespace {

// ProggyClean, ImGui's default font, is 13 pixels high and 7 wide per character at its native size; the
// canvas allows about 8.5 pixels per character at scale 1.0, so text is drawn 8.5 / 7 larger than native.
constexpr float nativeFontHeight = 13.0f;
constexpr float fontHeightPerScale = nativeFontHeight * 8.5f / 7.0f;

// The font is baked at twice the height of scale-1.0 text and sampled down: the pixel font then keeps square
// strokes instead of the smear that magnifying the 13 pixel bitmap gives.
constexpr float fontBakeHeight = 2.0f * fontHeightPerScale;

// Draw lists have 16-bit indices, and this build of ImGui aborts on a frame of more than 65535 vertices; the
// scene is split over as many frames as it needs, each drawn over the last.
constexpr int mostVerticesPerFrame = 65535;

// A glyph is a quad, so longer texts could not fit in one frame; they are cut short.
constexpr std::size_t longestText = 16000;

ImU32 toImGuiColor(const Color& color) {
    return ImGui::ColorConvertFloat4ToU32(
        ImVec4(color.red / 255.0f, color.green / 255.0f, color.blue / 255.0f, color.alpha / 255.0f));
}

std::uint8_t toChannel(float value) {
    if (!(value > 0.0f)) return 0;
    return value < 255.0f ? static_cast<std::uint8_t>(std::lround(value)) : 255;
}

// An upper bound of the vertices an item adds; outlines and lines need a few dozen at most.
int mostVertices(const Item& item) {
    if (const Text* text = std::get_if<Text>(&item))
        return 4 * static_cast<int>(std::min(text->text.size(), longestText));
    return 64;
}

} // namespace

struct OffscreenRenderer::State {
    ImGuiContext* imgui = nullptr;
    AlphaTexture font;

    State() = default;
    State(const State&) = delete;
    State& operator=(const State&) = delete;
    ~State() {
        if (imgui) {
            CurrentImGuiContext current(imgui);
            ImGui::DestroyContext(imgui);
        }
    }
};

namespace {

void drawItem(ImDrawList& list, const Rectangle& rectangle, const ImVec2&) {
    ImVec2 topLeft(std::min(rectangle.x0, rectangle.x1), std::min(rectangle.y0, rectangle.y1));
    ImVec2 bottomRight(std::max(rectangle.x0, rectangle.x1), std::max(rectangle.y0, rectangle.y1));
    if (rectangle.filled)
        list.AddRectFilled(topLeft, bottomRight, toImGuiColor(rectangle.color));
    else
        list.AddRect(topLeft, bottomRight, toImGuiColor(rectangle.color));
}

void drawItem(ImDrawList& list, const Line& line, const ImVec2&) {
    list.AddLine(ImVec2(line.x0, line.y0), ImVec2(line.x1, line.y1), toImGuiColor(line.color),
                 line.thickness);
}

// ImGui only scales text uniformly, so the text is drawn at its vertical scale and its vertices are then
// stretched sideways to the horizontal scale.
void drawItem(ImDrawList& list, const Text& text, const ImVec2& displaySize) {
    if (text.text.empty() || !(text.scaleX > 0.0f) || !(text.scaleY > 0.0f)) return;
    ImFont* font = ImGui::GetFont();
    float stretch = text.scaleX / text.scaleY;
    // ImGui puts text at whole pixels, so stretch from where it actually starts.
    float originX = std::floor(text.x);
    // Glyphs are culled against this rectangle before stretching, so give it in unstretched coordinates.
    float unstretchedLeft = originX + (0.0f - originX) / stretch;
    float unstretchedRight = originX + (displaySize.x - originX) / stretch;
    ImVec4 cullRectangle(std::min(0.0f, unstretchedLeft), 0.0f, std::max(displaySize.x, unstretchedRight),
                         displaySize.y);
    int firstVertex = list.VtxBuffer.Size;
    font->RenderText(&list, fontHeightPerScale * text.scaleY, ImVec2(text.x, text.y),
                     toImGuiColor(text.color), cullRectangle, text.text.data(),
                     text.text.data() + std::min(text.text.size(), longestText));
    if (stretch == 1.0f) return;
    for (int index = firstVertex; index < list.VtxBuffer.Size; ++index) {
        ImDrawVert& vertex = list.VtxBuffer[index];
        vertex.pos.x = originX + (vertex.pos.x - originX) * stretch;
    }
}

} // namespace

std::unique_ptr<OffscreenRenderer> OffscreenRenderer::create(std::string& error) {
    auto state = std::make_unique<State>();
    // CreateContext makes the new context current only when none is; the guard makes that uniform.
    CurrentImGuiContext current(nullptr);
    state->imgui = ImGui::CreateContext();
    ImGui::SetCurrentContext(state->imgui);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    ImFontConfig fontConfig;
    fontConfig.SizePixels = fontBakeHeight;
    fontConfig.OversampleH = 2;
    fontConfig.OversampleV = 2;
    fontConfig.PixelSnapH = false;
    if (!io.Fonts->AddFontDefault(&fontConfig)) {
        error = "ImGui could not load its default font";
        return nullptr;
    }
    unsigned char* texels = nullptr;
    int width = 0;
    int height = 0;
    io.Fonts->GetTexDataAsAlpha8(&texels, &width, &height);
    if (!texels || width < 1 || height < 1) {
        error = "ImGui could not build its font atlas";
        return nullptr;
    }
    state->font.width = width;
    state->font.height = height;
    state->font.alpha.assign(texels,
                             texels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    io.Fonts->SetTexID(&state->font);
    return std::make_unique<OffscreenRenderer>(Key{}, std::move(state));
}

OffscreenRenderer::OffscreenRenderer(Key, std::unique_ptr<State> state) : state(std::move(state)) {}

OffscreenRenderer::~OffscreenRenderer() = default;

Image OffscreenRenderer::render(const Scene& scene) {
    if (scene.width < 1 || scene.height < 1 || scene.width > largestSize ||
        scene.height > largestSize)
        return Image{};
    Image image;
    image.width = scene.width;
    image.height = scene.height;
    const Color& background = scene.background;
    const std::uint8_t clear[4] = {toChannel(background.red), toChannel(background.green),
                                   toChannel(background.blue), toChannel(background.alpha)};
    std::size_t pixelCount = static_cast<std::size_t>(scene.width) * static_cast<std::size_t>(scene.height);
    image.rgba.resize(pixelCount * 4);
    for (std::size_t pixel = 0; pixel < pixelCount; ++pixel)
        std::memcpy(image.rgba.data() + pixel * 4, clear, 4);

    CurrentImGuiContext current(state->imgui);
    ImGuiIO& io = ImGui::GetIO();
    ImVec2 displaySize(static_cast<float>(scene.width), static_cast<float>(scene.height));
    io.DisplaySize = displaySize;
    io.DeltaTime = 1.0f / 60.0f;

    std::size_t next = 0;
    do {
        ImGui::NewFrame();
        ImDrawList& list = *ImGui::GetBackgroundDrawList();
        for (; next < scene.items.size(); ++next) {
            const Item& item = scene.items[next];
            if (list.VtxBuffer.Size > 0 && list.VtxBuffer.Size + mostVertices(item) > mostVerticesPerFrame)
                break;
            std::visit([&](const auto& shape) { drawItem(list, shape, displaySize); }, item);
        }
        ImGui::Render();
        rasterize(*ImGui::GetDrawData(), state->font, image);
    } while (next < scene.items.size());
    return image;
}

} // namespace kadenzo::render
