// Reading back what a frame of the host's interface showed: glyphs into text, shapes into separators,
// boxes and check marks, and each window's rows.
//
// Index of this file:
// - Glyphs
// - Shapes
// - One window
// - Check boxes
#include "host_ui/ui_readback.h"

#include "platform/terminal_text.h"
#include "render/current_imgui_context.h"

#include <fmt/format.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace kadenzo::sim {

namespace {

// ---- Glyphs ------------------------------------------------------------------------------------

// A glyph found in a draw list: its character and where its pen position was.
struct PlacedGlyph {
    unsigned int codepoint;
    float originX, originY; // the pen position the glyph was drawn at
    float advance;          // pixels to the next pen position
    float height;           // the line height at the size it was drawn
};

// Maps the texture corner of every glyph of every font back to the glyph.
class GlyphTable {
public:
    explicit GlyphTable(const ImFontAtlas& atlas) {
        for (const ImFont* font : atlas.Fonts)
            for (const ImFontGlyph& glyph : font->Glyphs)
                if (glyph.Visible) byCorner.emplace(std::make_pair(glyph.U0, glyph.V0), Entry{&glyph, font});
    }

    // The glyph whose quad starts at vertex `first`, if the four vertices there are one.
    bool match(const ImDrawVert* first, PlacedGlyph& placed) const {
        const auto found = byCorner.find(std::make_pair(first[0].uv.x, first[0].uv.y));
        if (found == byCorner.end()) return false;
        const ImFontGlyph& glyph = *found->second.glyph;
        const ImDrawVert* v = first;
        if (v[1].uv.x != glyph.U1 || v[1].uv.y != glyph.V0 || v[2].uv.x != glyph.U1 ||
            v[2].uv.y != glyph.V1 || v[3].uv.x != glyph.U0 || v[3].uv.y != glyph.V1)
            return false;
        const float glyphHeight = glyph.Y1 - glyph.Y0;
        const float scale = glyphHeight > 0 ? (v[2].pos.y - v[0].pos.y) / glyphHeight : 1.0f;
        placed.codepoint = glyph.Codepoint;
        placed.originX = v[0].pos.x - glyph.X0 * scale;
        placed.originY = v[0].pos.y - glyph.Y0 * scale;
        placed.advance = glyph.AdvanceX * scale;
        placed.height = found->second.font->FontSize * scale;
        return true;
    }

private:
    struct Entry {
        const ImFontGlyph* glyph;
        const ImFont* font;
    };
    std::map<std::pair<float, float>, Entry> byCorner;
};

// A font holds glyphs of ImWchar code points only.
void appendUtf8(std::string& text, unsigned int codepoint) {
    const ImWchar character[] = {static_cast<ImWchar>(codepoint), 0};
    char bytes[8] = {};
    ImTextStrToUtf8(bytes, static_cast<int>(sizeof bytes), character, nullptr);
    text += bytes;
}

// ---- Shapes ------------------------------------------------------------------------------------

// The colours the shapes of interest are drawn in, in this frame's style.
struct StyleColors {
    ImU32 separator;
    ImU32 frames[3];
    ImU32 grabs[2];
    ImU32 checkMark;
};

StyleColors styleColors() {
    return StyleColors{
        ImGui::GetColorU32(ImGuiCol_Separator),
        {ImGui::GetColorU32(ImGuiCol_FrameBg), ImGui::GetColorU32(ImGuiCol_FrameBgHovered),
         ImGui::GetColorU32(ImGuiCol_FrameBgActive)},
        {ImGui::GetColorU32(ImGuiCol_SliderGrab), ImGui::GetColorU32(ImGuiCol_SliderGrabActive)},
        ImGui::GetColorU32(ImGuiCol_CheckMark)};
}

// A plain filled rectangle: four vertices on the white texel, one colour, corners in drawing order.
bool isFilledRectangle(const ImDrawVert* v, ImVec2 whitePixel, Box& box) {
    for (int corner = 0; corner < 4; ++corner)
        if (v[corner].uv.x != whitePixel.x || v[corner].uv.y != whitePixel.y || v[corner].col != v[0].col)
            return false;
    if (v[1].pos.y != v[0].pos.y || v[2].pos.x != v[1].pos.x || v[3].pos.y != v[2].pos.y ||
        v[3].pos.x != v[0].pos.x || !(v[2].pos.x > v[0].pos.x) || !(v[2].pos.y > v[0].pos.y))
        return false;
    box = Box{v[0].pos.x, v[0].pos.y, v[2].pos.x, v[2].pos.y};
    return true;
}

// An open horizontal line a pixel thick, as Dear ImGui draws it with anti-aliasing: at each end a vertex
// in the line's colour, then two fringe vertices a pixel above and below it in the same colour without
// alpha, all six on the white texel. The fringes come from a normal that is computed, so they are level
// only to within rounding.
constexpr int lineVertices = 6;

bool isHorizontalLine(const ImDrawVert* v, ImU32 color, ImVec2 whitePixel, float& y, float& x0, float& x1) {
    constexpr float level = 0.01f;
    const ImU32 fringe = color & ~IM_COL32_A_MASK;
    for (int index = 0; index < lineVertices; ++index)
        if (v[index].uv.x != whitePixel.x || v[index].uv.y != whitePixel.y ||
            v[index].col != (index % 3 == 0 ? color : fringe))
            return false;
    for (const ImDrawVert* end : {v, v + 3}) {
        if (std::fabs(end[1].pos.x - end[0].pos.x) > level ||
            std::fabs(end[2].pos.x - end[0].pos.x) > level ||
            !((end[1].pos.y - end[0].pos.y) * (end[2].pos.y - end[0].pos.y) < 0.0f))
            return false;
    }
    if (std::fabs(v[0].pos.y - v[3].pos.y) > level || !(std::fabs(v[0].pos.x - v[3].pos.x) > 1.0f))
        return false;
    y = v[0].pos.y;
    x0 = std::min(v[0].pos.x, v[3].pos.x);
    x1 = std::max(v[0].pos.x, v[3].pos.x);
    return true;
}

// A vertex of a shape drawn in COLOR (not of its transparent fringe), on the white texel.
bool isInk(const ImDrawVert& vertex, ImU32 color, ImVec2 whitePixel) {
    return vertex.col == color && vertex.uv.x == whitePixel.x && vertex.uv.y == whitePixel.y;
}

bool clipContains(const ImVec4& clip, float x, float y) {
    return x >= clip.x && x < clip.z && y >= clip.y && y < clip.w;
}

// ---- One window --------------------------------------------------------------------------------

struct SeparatorLine {
    float y;
};

class WindowReader {
public:
    WindowReader(const GlyphTable& glyphs, const StyleColors& colors, ImVec2 whitePixel)
        : glyphs(glyphs), colors(colors), whitePixel(whitePixel) {}

    ShownWindow read(ImGuiWindow& window) {
        ShownWindow shown;
        shown.title = window.Name;
        shown.box =
            Box{window.Pos.x, window.Pos.y, window.Pos.x + window.Size.x, window.Pos.y + window.Size.y};
        if (!(window.Flags & ImGuiWindowFlags_NoTitleBar)) {
            const ImRect bar = window.TitleBarRect();
            shown.titleBar = Box{bar.Min.x, bar.Min.y, bar.Max.x, bar.Max.y};
        }
        shown.collapsed = window.Collapsed;
        shown.takesInput = !(window.Flags & (ImGuiWindowFlags_NoInputs | ImGuiWindowFlags_Tooltip));
        shown.id = window.ID;
        placed.clear();
        separators.clear();
        checkInk.clear();
        readDrawList(*window.DrawList, shown);
        shown.rows = arrangeRows();
        labelCheckBoxes(shown);
        return shown;
    }

private:
    void readDrawList(const ImDrawList& list, ShownWindow& shown) {
        for (const ImDrawCmd& command : list.CmdBuffer) {
            if (command.UserCallback || command.ElemCount == 0) continue;
            // The vertices a command draws follow each other in the buffer.
            unsigned int first = ~0u, last = 0;
            for (unsigned int element = 0; element < command.ElemCount; ++element) {
                const unsigned int vertex = command.VtxOffset + list.IdxBuffer[command.IdxOffset + element];
                first = std::min(first, vertex);
                last = std::max(last, vertex);
            }
            readVertices(list, first, last + 1, command.ClipRect, shown);
        }
    }

    void readVertices(const ImDrawList& list, unsigned int begin, unsigned int end, const ImVec4& clip,
                      ShownWindow& shown) {
        unsigned int index = begin;
        while (index + 4 <= end) {
            const ImDrawVert* v = &list.VtxBuffer[static_cast<int>(index)];
            PlacedGlyph glyph{};
            Box box;
            float y = 0, x0 = 0, x1 = 0;
            if (index + lineVertices <= end && isHorizontalLine(v, colors.separator, whitePixel, y, x0, x1)) {
                if (clipContains(clip, (x0 + x1) / 2, y)) separators.push_back(SeparatorLine{y});
                index += lineVertices;
                continue;
            }
            if (glyphs.match(v, glyph)) {
                const float centerX = (v[0].pos.x + v[2].pos.x) / 2, centerY = (v[0].pos.y + v[2].pos.y) / 2;
                if (clipContains(clip, centerX, centerY)) placed.push_back(glyph);
            } else if (isFilledRectangle(v, whitePixel, box)) {
                if (std::find(std::begin(colors.frames), std::end(colors.frames), v[0].col) !=
                    std::end(colors.frames))
                    shown.frames.push_back(box);
                else if (std::find(std::begin(colors.grabs), std::end(colors.grabs), v[0].col) !=
                         std::end(colors.grabs))
                    shown.grabs.push_back(box);
                else if (v[0].col == colors.checkMark && clipContains(clip, box.centerX(), box.centerY()))
                    checkInk.push_back(ImVec2(box.centerX(), box.centerY()));
            } else {
                // A check mark is a thick line drawn as a strip of triangles: its vertices one by one.
                if (isInk(*v, colors.checkMark, whitePixel) && clipContains(clip, v->pos.x, v->pos.y))
                    checkInk.push_back(v->pos);
                ++index;
                continue;
            }
            index += 4;
        }
    }

    // Glyphs whose pens stand on one line form a row; rows and separators go top to bottom.
    std::vector<ShownRow> arrangeRows() {
        std::sort(placed.begin(), placed.end(), [](const PlacedGlyph& a, const PlacedGlyph& b) {
            return a.originY != b.originY ? a.originY < b.originY : a.originX < b.originX;
        });
        std::vector<std::vector<PlacedGlyph>> lines;
        for (const PlacedGlyph& glyph : placed) {
            if (lines.empty() || glyph.originY - lines.back().front().originY > glyph.height / 2)
                lines.emplace_back();
            lines.back().push_back(glyph);
        }
        std::vector<ShownRow> rows;
        for (std::vector<PlacedGlyph>& line : lines) {
            std::sort(line.begin(), line.end(),
                      [](const PlacedGlyph& a, const PlacedGlyph& b) { return a.originX < b.originX; });
            rows.push_back(textRow(line));
        }
        for (const SeparatorLine& separator : separators)
            rows.push_back(ShownRow{true, separator.y, {}});
        std::stable_sort(rows.begin(), rows.end(),
                         [](const ShownRow& a, const ShownRow& b) { return a.y < b.y; });
        return rows;
    }

    static ShownRow textRow(const std::vector<PlacedGlyph>& line) {
        ShownRow row;
        row.y = line.front().originY;
        for (std::size_t index = 0; index < line.size(); ++index) {
            const PlacedGlyph& glyph = line[index];
            long blanks = -1;
            if (index > 0) {
                const PlacedGlyph& previous = line[index - 1];
                // Blanks are not drawn; the gap they leave tells how many there were.
                const float gap = glyph.originX - (previous.originX + previous.advance);
                blanks = std::lround(gap / previous.advance);
            }
            if (blanks < 0 || blanks > maximumBlanksInRun) {
                row.runs.push_back(TextRun{
                    "", Box{glyph.originX, glyph.originY, glyph.originX, glyph.originY + glyph.height}});
            } else {
                row.runs.back().text.append(static_cast<std::size_t>(blanks), ' ');
            }
            appendUtf8(row.runs.back().text, glyph.codepoint);
            row.runs.back().box.x1 = glyph.originX + glyph.advance;
        }
        return row;
    }

    // Rationale: one blank, though a text may hold more. Dear ImGui puts its item spacing and a frame's
    // padding (two blanks of the default font) between the labels of two widgets on one line, as
    // between buttons or menus; runs cut there are each one widget's label, the text that click and
    // hover find. The text form joins runs by two blanks, so it reads the same either way.
    static constexpr long maximumBlanksInRun = 1;

    // ---- Check boxes -------------------------------------------------------------------------------

    // A check box is a square frame with its label beside it, to the right on the same line; it is ticked
    // when something in the check mark's colour was drawn inside the frame.
    void labelCheckBoxes(ShownWindow& shown) const {
        for (const Box& frame : shown.frames) {
            if (std::fabs((frame.x1 - frame.x0) - (frame.y1 - frame.y0)) > squareWithin) continue;
            TextRun* label = labelBeside(shown.rows, frame);
            if (!label) continue;
            const bool ticked = std::any_of(checkInk.begin(), checkInk.end(), [&frame](const ImVec2& point) {
                return frame.contains(point.x, point.y);
            });
            label->checkBox = ticked ? CheckBox::ticked : CheckBox::unticked;
        }
    }

    // The run of text that starts right of FRAME, within the frame's width of it, on its line.
    static TextRun* labelBeside(std::vector<ShownRow>& rows, const Box& frame) {
        const float side = frame.x1 - frame.x0;
        for (ShownRow& row : rows)
            for (TextRun& run : row.runs)
                if (run.box.x0 >= frame.x1 && run.box.x0 <= frame.x1 + side &&
                    frame.contains(frame.centerX(), run.box.centerY()))
                    return &run;
        return nullptr;
    }

    // Pixels a check box's frame may be off square: none, as Dear ImGui draws it.
    static constexpr float squareWithin = 0.5f;

    const GlyphTable& glyphs;
    const StyleColors& colors;
    ImVec2 whitePixel;
    std::vector<PlacedGlyph> placed;
    std::vector<SeparatorLine> separators;
    std::vector<ImVec2> checkInk; // points drawn in the check mark's colour
};

bool isShown(const ImGuiWindow& window) {
    return window.Active && !window.Hidden;
}

} // namespace

std::vector<ShownWindow> shownWindows(ImGuiContext* context) {
    render::CurrentImGuiContext current(context);
    const ImGuiContext& g = *context;
    const GlyphTable glyphs(*g.IO.Fonts);
    const StyleColors colors = styleColors();
    WindowReader reader(glyphs, colors, g.IO.Fonts->TexUvWhitePixel);
    // Dear ImGui draws its windows in list order, tooltips in a layer above all others.
    std::vector<ImGuiWindow*> order;
    for (ImGuiWindow* window : g.Windows)
        if (isShown(*window)) order.push_back(window);
    std::stable_partition(order.begin(), order.end(), [](const ImGuiWindow* window) {
        return !(window->Flags & ImGuiWindowFlags_Tooltip);
    });
    std::vector<ShownWindow> windows;
    for (ImGuiWindow* window : order)
        windows.push_back(reader.read(*window));
    return windows;
}

std::string rowText(const ShownRow& row) {
    if (row.separator) return "---";
    std::string line;
    for (const TextRun& run : row.runs) {
        if (!line.empty()) line += "  ";
        if (run.checkBox != CheckBox::none) line += run.checkBox == CheckBox::ticked ? "[x] " : "[ ] ";
        line += run.text;
    }
    return line;
}

std::string describeWindows(const std::vector<ShownWindow>& windows) {
    std::string text;
    for (const ShownWindow& window : windows) {
        text += fmt::format("window \"{}\" {} {} {} {}{}\n", platform::terminalText(window.title),
                            std::lround(window.box.x0), std::lround(window.box.y0),
                            std::lround(window.box.x1 - window.box.x0),
                            std::lround(window.box.y1 - window.box.y0), window.collapsed ? " collapsed" : "");
        for (const ShownRow& row : window.rows)
            text += "  " + platform::terminalText(rowText(row)) + "\n";
    }
    return text;
}

} // namespace kadenzo::sim
