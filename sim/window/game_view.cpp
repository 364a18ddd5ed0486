// The canvas as pixels, placed in the window.
#include "window/game_view.h"

#include "pictures/pictures.h"
#include "render/offscreen_renderer.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kadenzo::sim {

namespace {

bool sameColor(const LinearColor& left, const LinearColor& right) {
    return left.R == right.R && left.G == right.G && left.B == right.B && left.A == right.A;
}

bool sameText(const halvex::host::CanvasText& left, const halvex::host::CanvasText& right) {
    return left.text == right.text && left.position.X == right.position.X &&
           left.position.Y == right.position.Y && sameColor(left.color, right.color) &&
           left.xScale == right.xScale && left.yScale == right.yScale;
}

bool sameTexts(const std::vector<halvex::host::CanvasText>& left,
               const std::vector<halvex::host::CanvasText>& right) {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), sameText);
}

} // namespace

ViewRect fitCanvas(Vector2 canvasSize, ImVec2 displaySize) {
    if (canvasSize.X < 1 || canvasSize.Y < 1 || !(displaySize.x > 0.0f) || !(displaySize.y > 0.0f))
        return ViewRect{};
    const float canvasWidth = static_cast<float>(canvasSize.X);
    const float canvasHeight = static_cast<float>(canvasSize.Y);
    const float scale = std::min(displaySize.x / canvasWidth, displaySize.y / canvasHeight);
    const float width = canvasWidth * scale;
    const float height = canvasHeight * scale;
    return ViewRect{(displaySize.x - width) / 2.0f, (displaySize.y - height) / 2.0f, width, height};
}

GameView::GameView() = default;
GameView::~GameView() = default;

const render::Image* GameView::update(const halvex::host::Canvas& canvas) {
    const Vector2 size = canvas.size();
    if (rendered && size.X == renderedSize.X && size.Y == renderedSize.Y &&
        sameTexts(canvas.texts(), renderedTexts))
        return nullptr;
    if (!renderer) {
        std::string error;
        renderer = render::OffscreenRenderer::create(error);
        if (!renderer) throw std::runtime_error("cannot show the game: " + error);
    }
    pixels = renderer->render(canvasScene(size, canvas.texts()));
    rendered = true;
    renderedSize = size;
    renderedTexts = canvas.texts();
    return &pixels;
}

ImDrawData* GameView::drawData(ImTextureID texture, ImVec2 displaySize, ImVec2 framebufferScale) {
    if (!list) list = std::make_unique<ImDrawList>(ImGui::GetDrawListSharedData());
    list->_ResetForNewFrame();
    list->PushClipRect(ImVec2(0.0f, 0.0f), displaySize);
    list->PushTextureID(texture);
    const ViewRect view = fitCanvas(renderedSize, displaySize);
    if (rendered && view.width > 0.0f)
        list->AddImage(texture, ImVec2(view.x, view.y), ImVec2(view.x + view.width, view.y + view.height));

    lists[0] = list.get();
    data.Clear();
    data.Valid = true;
    data.CmdLists = lists;
    data.CmdListsCount = 1;
    data.TotalVtxCount = list->VtxBuffer.Size;
    data.TotalIdxCount = list->IdxBuffer.Size;
    data.DisplayPos = ImVec2(0.0f, 0.0f);
    data.DisplaySize = displaySize;
    data.FramebufferScale = framebufferScale;
    return &data;
}

TextureIdSwap::TextureIdSwap(ImDrawData& drawData, ImTextureID from, ImTextureID to)
    : drawData(drawData), original(from), replacement(to) {
    replace(original, replacement);
}

TextureIdSwap::~TextureIdSwap() {
    replace(replacement, original);
}

void TextureIdSwap::replace(ImTextureID from, ImTextureID to) {
    for (int listIndex = 0; listIndex < drawData.CmdListsCount; ++listIndex)
        for (ImDrawCmd& command : drawData.CmdLists[listIndex]->CmdBuffer)
            if (command.TextureId == from) command.TextureId = to;
}

} // namespace kadenzo::sim
