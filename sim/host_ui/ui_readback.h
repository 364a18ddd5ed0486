// What the last Dear ImGui frame showed, read back from the frame itself: the windows in display
// order and, from each window's draw list, its rows of text (each glyph quad mapped back to its
// character through the font's glyph table), its separators, the framed boxes of its widgets, and
// whether each check box has a check mark in it. Nothing here knows which widgets a plugin meant to
// draw, or the values behind them; it sees only what was drawn.
//
// Index of this file:
// - Box, TextRun, ShownRow, ShownWindow: what was shown
// - shownWindows(): reading a context back
// - describeWindows(): the text form the console prints
#pragma once

#include <string>
#include <vector>

struct ImGuiContext;

namespace kadenzo::sim {

// ---- What was shown ----------------------------------------------------------------------------

// A rectangle in screen pixels.
struct Box {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool contains(float x, float y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
    float centerX() const { return (x0 + x1) / 2; }
    float centerY() const { return (y0 + y1) / 2; }
};

// What the square frame just left of a run of text shows, when there is one: the run is a check box's
// label, and the box is ticked when something is drawn in it in the check mark's colour.
enum class CheckBox { none, unticked, ticked };

// Glyphs drawn one after the other on a line, with single blanks between words; a wider gap starts
// another run, so that the labels of two widgets side by side (buttons, menus) are two runs.
struct TextRun {
    std::string text;
    Box box;
    CheckBox checkBox = CheckBox::none;
};

// One line of a window, top to bottom: a row of text runs left to right, or a separator.
struct ShownRow {
    bool separator = false;
    float y = 0;
    std::vector<TextRun> runs;
};

struct ShownWindow {
    std::string title; // the window's name as Dear ImGui knows it
    Box box;
    Box titleBar; // empty when the window has none
    bool collapsed = false;
    bool takesInput = true; // false for tooltips and other windows that let the pointer through
    unsigned int id = 0;    // Dear ImGui's id of the window, the seed of its widgets' ids
    std::vector<ShownRow> rows;
    std::vector<Box> frames; // the framed backgrounds of widgets (check boxes, sliders, ...)
    std::vector<Box> grabs;  // slider grabs
};

// ---- Reading back ------------------------------------------------------------------------------

// Every window visible in the context's last frame, back to front. Only glyphs inside their draw
// command's clip rectangle count as shown.
std::vector<ShownWindow> shownWindows(ImGuiContext* context);

// ---- Text form ---------------------------------------------------------------------------------

// A row's runs joined by two blanks, a check box's label after `[x] ` or `[ ] `, or `---` for a
// separator.
std::string rowText(const ShownRow& row);

// One line `window "TITLE" X Y W H` (with ` collapsed`) per window, then one indented line per row;
// the plugin's titles and text through platform::terminalText.
std::string describeWindows(const std::vector<ShownWindow>& windows);

} // namespace kadenzo::sim
