// Edge functions over each triangle's bounding box, with the top-left rule, so that triangles sharing an
// edge cover each pixel along it exactly once.
#include "render/triangle_rasterizer.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace kadenzo::render {

namespace {

struct Vertex {
    float x, y;
    float u, v;
    float red, green, blue, alpha; // 0 to 1
};

Vertex toVertex(const ImDrawVert& vertex) {
    auto channel = [&](int shift) { return static_cast<float>((vertex.col >> shift) & 0xFFu) / 255.0f; };
    return Vertex{vertex.pos.x,
                  vertex.pos.y,
                  vertex.uv.x,
                  vertex.uv.y,
                  channel(IM_COL32_R_SHIFT),
                  channel(IM_COL32_G_SHIFT),
                  channel(IM_COL32_B_SHIFT),
                  channel(IM_COL32_A_SHIFT)};
}

// Twice the signed area of a, b, p; positive when p lies to the right of a→b on a screen whose y grows
// downwards, which is the inside of a triangle wound a, b, c with a positive area.
float edgeFunction(const Vertex& a, const Vertex& b, float x, float y) {
    return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
}

// For a positively wound triangle, the edges whose pixels it owns when a centre lies exactly on them.
bool isTopOrLeftEdge(const Vertex& a, const Vertex& b) {
    float dx = b.x - a.x;
    float dy = b.y - a.y;
    return (dy == 0.0f && dx > 0.0f) || dy < 0.0f;
}

bool covers(float weight, bool topOrLeft) {
    return weight > 0.0f || (weight == 0.0f && topOrLeft);
}

struct ClipBox {
    int left, top, right, bottom; // right and bottom exclusive
};

float sampleBilinear(const AlphaTexture& texture, float u, float v) {
    float x = u * static_cast<float>(texture.width) - 0.5f;
    float y = v * static_cast<float>(texture.height) - 0.5f;
    float column = std::floor(x);
    float row = std::floor(y);
    float fractionX = x - column;
    float fractionY = y - row;
    auto texel = [&](float atColumn, float atRow) {
        int clampedColumn = std::clamp(static_cast<int>(atColumn), 0, texture.width - 1);
        int clampedRow = std::clamp(static_cast<int>(atRow), 0, texture.height - 1);
        std::size_t index = static_cast<std::size_t>(clampedRow) * static_cast<std::size_t>(texture.width) +
                            static_cast<std::size_t>(clampedColumn);
        return static_cast<float>(texture.alpha[index]) / 255.0f;
    };
    float top = texel(column, row) * (1.0f - fractionX) + texel(column + 1.0f, row) * fractionX;
    float bottom =
        texel(column, row + 1.0f) * (1.0f - fractionX) + texel(column + 1.0f, row + 1.0f) * fractionX;
    return top * (1.0f - fractionY) + bottom * fractionY;
}

std::uint8_t toByte(float value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

void blendPixel(std::uint8_t* pixel, float red, float green, float blue, float alpha) {
    auto blend = [&](std::uint8_t& target, float source, float sourceFactor) {
        float destination = static_cast<float>(target) / 255.0f;
        target = toByte(source * sourceFactor + destination * (1.0f - alpha));
    };
    blend(pixel[0], red, alpha);
    blend(pixel[1], green, alpha);
    blend(pixel[2], blue, alpha);
    blend(pixel[3], alpha, 1.0f);
}

void drawTriangle(Vertex a, Vertex b, Vertex c, const AlphaTexture* texture, const ClipBox& clip,
                  Image& target) {
    float area = edgeFunction(a, b, c.x, c.y);
    if (!(std::fabs(area) > 0.0f)) return;
    if (area < 0.0f) {
        std::swap(b, c);
        area = -area;
    }
    float lowestX = std::min({a.x, b.x, c.x});
    float highestX = std::max({a.x, b.x, c.x});
    float lowestY = std::min({a.y, b.y, c.y});
    float highestY = std::max({a.y, b.y, c.y});
    if (!std::isfinite(lowestX + highestX + lowestY + highestY)) return;
    // Pixel columns whose centres may lie inside, within the clip box.
    int left = std::max(clip.left, static_cast<int>(std::floor(std::max(lowestX - 0.5f, -1.0f))));
    int right = std::min(clip.right, static_cast<int>(std::ceil(std::min(highestX + 0.5f, 1.0e8f))));
    int top = std::max(clip.top, static_cast<int>(std::floor(std::max(lowestY - 0.5f, -1.0f))));
    int bottom = std::min(clip.bottom, static_cast<int>(std::ceil(std::min(highestY + 0.5f, 1.0e8f))));

    bool ownsBC = isTopOrLeftEdge(b, c);
    bool ownsCA = isTopOrLeftEdge(c, a);
    bool ownsAB = isTopOrLeftEdge(a, b);
    std::size_t rowBytes = static_cast<std::size_t>(target.width) * 4;
    for (int row = top; row < bottom; ++row) {
        float y = static_cast<float>(row) + 0.5f;
        std::uint8_t* line = target.rgba.data() + rowBytes * static_cast<std::size_t>(row);
        for (int column = left; column < right; ++column) {
            float x = static_cast<float>(column) + 0.5f;
            float weightA = edgeFunction(b, c, x, y);
            float weightB = edgeFunction(c, a, x, y);
            float weightC = edgeFunction(a, b, x, y);
            if (!covers(weightA, ownsBC) || !covers(weightB, ownsCA) || !covers(weightC, ownsAB)) continue;
            weightA /= area;
            weightB /= area;
            weightC /= area;
            auto mix = [&](float Vertex::*field) {
                return a.*field * weightA + b.*field * weightB + c.*field * weightC;
            };
            float alpha = mix(&Vertex::alpha);
            if (texture) alpha *= sampleBilinear(*texture, mix(&Vertex::u), mix(&Vertex::v));
            blendPixel(line + static_cast<std::size_t>(column) * 4, mix(&Vertex::red), mix(&Vertex::green),
                       mix(&Vertex::blue), std::clamp(alpha, 0.0f, 1.0f));
        }
    }
}

ClipBox clipBoxOf(const ImDrawCmd& command, const ImVec2& origin, const Image& target) {
    // The scissor box a graphics backend would set: whole pixels, inside the image.
    auto clampTo = [](float value, int limit) {
        if (!(value > 0.0f)) return 0;
        return value < static_cast<float>(limit) ? static_cast<int>(value) : limit;
    };
    return ClipBox{clampTo(command.ClipRect.x - origin.x, target.width),
                   clampTo(command.ClipRect.y - origin.y, target.height),
                   clampTo(command.ClipRect.z - origin.x, target.width),
                   clampTo(command.ClipRect.w - origin.y, target.height)};
}

} // namespace

void rasterize(const ImDrawData& drawData, const AlphaTexture& texture, Image& target) {
    const ImVec2 origin = drawData.DisplayPos;
    for (int listIndex = 0; listIndex < drawData.CmdListsCount; ++listIndex) {
        const ImDrawList& list = *drawData.CmdLists[listIndex];
        for (const ImDrawCmd& command : list.CmdBuffer) {
            if (command.UserCallback) {
                // Only ImGui's own "reset render state" marker can appear; there is no state to reset.
                continue;
            }
            ClipBox clip = clipBoxOf(command, origin, target);
            if (clip.left >= clip.right || clip.top >= clip.bottom) continue;
            const AlphaTexture* sampled =
                static_cast<const void*>(command.TextureId) == &texture ? &texture : nullptr;
            const ImDrawIdx* indices = list.IdxBuffer.Data + command.IdxOffset;
            const ImDrawVert* vertices = list.VtxBuffer.Data + command.VtxOffset;
            for (unsigned int index = 0; index + 2 < command.ElemCount; index += 3) {
                auto vertexAt = [&](unsigned int offset) {
                    Vertex vertex = toVertex(vertices[indices[index + offset]]);
                    vertex.x -= origin.x;
                    vertex.y -= origin.y;
                    return vertex;
                };
                drawTriangle(vertexAt(0), vertexAt(1), vertexAt(2), sampled, clip, target);
            }
        }
    }
}

} // namespace kadenzo::render
