// Scenes become ImGui draw lists, which ImGui's own OpenGL2 backend draws into an OSMesa buffer in memory.
#include "offscreen_renderer.h"

#include <GL/gl.h>
#include <GL/osmesa.h>
#include <backends/imgui_impl_opengl2.h>
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

// The backend draws with 16-bit indices, and this build of ImGui aborts on a frame of more than 65535
// vertices; the scene is split over as many frames as it needs, each drawn over the last.
constexpr int mostVerticesPerFrame = 65535;

// A glyph is a quad, so longer texts could not fit in one frame; they are cut short.
constexpr std::size_t longestText = 16000;

constexpr int largestSupportedSize = 16384;

class CurrentImGuiContext {
public:
    explicit CurrentImGuiContext(ImGuiContext* context) : previous(ImGui::GetCurrentContext()) {
        ImGui::SetCurrentContext(context);
    }
    ~CurrentImGuiContext() { ImGui::SetCurrentContext(previous); }
    CurrentImGuiContext(const CurrentImGuiContext&) = delete;
    CurrentImGuiContext& operator=(const CurrentImGuiContext&) = delete;

private:
    ImGuiContext* previous;
};

ImU32 toImGuiColor(const Color& color) {
    return ImGui::ColorConvertFloat4ToU32(
        ImVec4(color.red / 255.0f, color.green / 255.0f, color.blue / 255.0f, color.alpha / 255.0f));
}

// The backend blends alpha like colour, which leaves antialiased edges partly transparent on an opaque
// background; this draw callback, run after the backend's state setup, composites alpha properly.
void useCompositingBlend(const ImDrawList*, const ImDrawCmd* command) {
    auto blendFunctionSeparate = *static_cast<PFNGLBLENDFUNCSEPARATEPROC*>(command->UserCallbackData);
    blendFunctionSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
}

// An upper bound of the vertices an item adds; outlines and lines need a few dozen at most.
int mostVertices(const Item& item) {
    if (const Text* text = std::get_if<Text>(&item))
        return 4 * static_cast<int>(std::min(text->text.size(), longestText));
    return 64;
}

} // namespace

struct OffscreenRenderer::State {
    OSMesaContext context = nullptr;
    ImGuiContext* imgui = nullptr;
    bool backendInitialised = false;
    // OSMesa renders straight into this buffer, bottom row first.
    std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(4);
    int bufferWidth = 1, bufferHeight = 1;
    int maximumSize = 0;
    PFNGLBLENDFUNCSEPARATEPROC blendFunctionSeparate = nullptr;

    State() = default;
    State(const State&) = delete;
    State& operator=(const State&) = delete;

    bool makeCurrent() {
        return OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, bufferWidth, bufferHeight) != 0;
    }

    // The backend deletes its font texture, so the GL context must still exist and be current then.
    ~State() {
        if (imgui) {
            if (context) makeCurrent();
            CurrentImGuiContext current(imgui);
            if (backendInitialised) ImGui_ImplOpenGL2_Shutdown();
            ImGui::DestroyContext(imgui);
        }
        if (context) OSMesaDestroyContext(context);
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
    state->context = OSMesaCreateContextExt(OSMESA_RGBA, 0, 0, 0, nullptr);
    if (!state->context) {
        error = "OSMesa could not create an OpenGL context";
        return nullptr;
    }
    if (!state->makeCurrent()) {
        error = "OSMesa could not make its OpenGL context current";
        return nullptr;
    }
    GLint maximumWidth = 0;
    GLint maximumHeight = 0;
    OSMesaGetIntegerv(OSMESA_MAX_WIDTH, &maximumWidth);
    OSMesaGetIntegerv(OSMESA_MAX_HEIGHT, &maximumHeight);
    state->maximumSize =
        std::min({static_cast<int>(maximumWidth), static_cast<int>(maximumHeight), largestSupportedSize});
    if (state->maximumSize < 1) {
        error = "OSMesa reports no usable buffer size";
        return nullptr;
    }
    state->blendFunctionSeparate =
        reinterpret_cast<PFNGLBLENDFUNCSEPARATEPROC>(OSMesaGetProcAddress("glBlendFuncSeparate"));

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
    if (!ImGui_ImplOpenGL2_Init()) {
        error = "ImGui's OpenGL2 backend could not be initialised";
        return nullptr;
    }
    state->backendInitialised = true;
    if (!ImGui_ImplOpenGL2_CreateDeviceObjects()) {
        error = "ImGui's OpenGL2 backend could not create the font texture";
        return nullptr;
    }
    return std::make_unique<OffscreenRenderer>(Key{}, std::move(state));
}

OffscreenRenderer::OffscreenRenderer(Key, std::unique_ptr<State> state) : state(std::move(state)) {}

OffscreenRenderer::~OffscreenRenderer() = default;

int OffscreenRenderer::maximumSize() const {
    return state->maximumSize;
}

Image OffscreenRenderer::render(const Scene& scene) {
    if (scene.width < 1 || scene.height < 1 || scene.width > state->maximumSize ||
        scene.height > state->maximumSize)
        return Image{};
    std::size_t rowBytes = static_cast<std::size_t>(scene.width) * 4;
    state->pixels.assign(rowBytes * static_cast<std::size_t>(scene.height), 0);
    state->bufferWidth = scene.width;
    state->bufferHeight = scene.height;
    if (!state->makeCurrent()) return Image{};

    CurrentImGuiContext current(state->imgui);
    ImGuiIO& io = ImGui::GetIO();
    ImVec2 displaySize(static_cast<float>(scene.width), static_cast<float>(scene.height));
    io.DisplaySize = displaySize;

    glViewport(0, 0, scene.width, scene.height);
    const Color& background = scene.background;
    glClearColor(background.red / 255.0f, background.green / 255.0f, background.blue / 255.0f,
                 background.alpha / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    std::size_t next = 0;
    do {
        ImGui_ImplOpenGL2_NewFrame();
        ImGui::NewFrame();
        ImDrawList& list = *ImGui::GetBackgroundDrawList();
        if (state->blendFunctionSeparate)
            list.AddCallback(useCompositingBlend, &state->blendFunctionSeparate);
        for (; next < scene.items.size(); ++next) {
            const Item& item = scene.items[next];
            if (list.VtxBuffer.Size > 0 && list.VtxBuffer.Size + mostVertices(item) > mostVerticesPerFrame)
                break;
            std::visit([&](const auto& shape) { drawItem(list, shape, displaySize); }, item);
        }
        ImGui::Render();
        ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
    } while (next < scene.items.size());
    glFinish();

    Image image;
    image.width = scene.width;
    image.height = scene.height;
    image.rgba.resize(state->pixels.size());
    for (int row = 0; row < scene.height; ++row) {
        const std::uint8_t* source = state->pixels.data() + rowBytes * static_cast<std::size_t>(row);
        std::uint8_t* target =
            image.rgba.data() + rowBytes * static_cast<std::size_t>(scene.height - 1 - row);
        std::memcpy(target, source, rowBytes);
    }
    return image;
}

} // namespace kadenzo::render
