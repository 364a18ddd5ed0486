#include "host_ui/ui_driver.h"

#include "render/current_imgui_context.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <charconv>
#include <limits>
#include <string>
#include <utility>

namespace kadenzo::sim {

namespace {

// How far left of a label its widget's frame may end: Dear ImGui puts the label one inner spacing
// after the frame.
constexpr float labelGapInSpacings = 3.0f;

const ShownWindow* frontmostShown(const std::vector<ShownWindow>& windows, const std::string& title) {
    for (auto window = windows.rbegin(); window != windows.rend(); ++window)
        if (window->title == title) return &*window;
    return nullptr;
}

// The characters a slider's typed-input field holds: Dear ImGui 1.77 types into a buffer of 32 bytes
// (TempInputScalar), one of them the terminating zero; more is cut off.
constexpr std::size_t longestSliderText = 31;

// Whether TEXT (a plain decimal: digits, a point, a leading minus) is a whole number that an int holds.
// Rationale: Dear ImGui 1.77 reads an integer slider's text with sscanf's %d, which wraps what an int
// does not hold (2147483648 arrives as -2147483648).
bool fitsIntegerSlider(const std::string& text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool hasGrabInside(const ShownWindow& window, const Box& frame) {
    for (const Box& grab : window.grabs)
        if (frame.contains(grab.centerX(), grab.centerY())) return true;
    return false;
}

} // namespace

UiDriver::UiDriver(HostInterface& ui, std::function<void()> runFrame)
    : ui(ui), runFrame(std::move(runFrame)) {}

void UiDriver::movePointer(float x, float y) {
    ui.input().pointerX = x;
    ui.input().pointerY = y;
}

void UiDriver::hover(float x, float y) {
    movePointer(x, y);
    runFrame();
    runFrame();
}

void UiDriver::click(float x, float y) {
    movePointer(x, y);
    runFrame();
    pressAndRelease();
}

void UiDriver::hoverLabel(const std::string& label) {
    locate(label);
    runFrame();
}

void UiDriver::clickLabel(const std::string& label) {
    locate(label);
    pressAndRelease();
}

void UiDriver::slide(const std::string& label, const std::string& value) {
    if (!locate(label).slider) throw UiError("\"" + label + "\" is not a slider");
    if (value.size() > longestSliderText)
        throw UiError("\"" + value + "\" is longer than the " + std::to_string(longestSliderText) +
                      " characters a slider's field takes");
    // Only a value that no integer slider takes needs the slider's type, which costs frames to find.
    if (!fitsIntegerSlider(value) && !typesRealNumbers(label))
        throw UiError("\"" + value + "\" does not fit the integer slider \"" + label +
                      "\": it takes a whole number from " + std::to_string(std::numeric_limits<int>::min()) +
                      " to " + std::to_string(std::numeric_limits<int>::max()));
    startTypedInput(label);
    ui.input().typed = value;
    runFrame();
    ui.input().enter = true;
    runFrame();
    runFrame();
}

// Ctrl+click on the slider under the pointer, which then takes typed input, all of its text selected.
void UiDriver::startTypedInput(const std::string& label) {
    pressThenRelease(true);
    render::CurrentImGuiContext current(ui.context());
    if (ui.context()->TempInputId == 0)
        throw UiError("the slider \"" + label + "\" did not take typed input");
}

// Dear ImGui keeps no slider's type once a frame is over, so it is asked as a person would find out:
// an 'e' typed over the selected text stays in a field of real numbers (they take exponents) and is
// dropped by one of whole numbers. Escape then leaves the slider as it was.
bool UiDriver::typesRealNumbers(const std::string& label) {
    startTypedInput(label);
    ui.input().typed = "e";
    runFrame();
    bool real = false;
    {
        render::CurrentImGuiContext current(ui.context());
        const ImGuiInputTextState& field = ui.context()->InputTextState;
        for (int index = 0; index < field.CurLenW && index < field.TextW.Size; ++index)
            real = real || field.TextW[index] == 'e';
    }
    ui.input().escape = true;
    runFrame();
    runFrame(); // the slider drawn as a slider again, its grab in the frame
    return real;
}

// Rationale: the plugin decides whether its window closes (it may ignore the button, as it does while
// the window is collapsed), so the click is judged by the frame after it, not taken as done.
void UiDriver::closeWindow(const std::string& title) {
    clickTitleBarButton(title, TitleBarButton{"#CLOSE", "close", false});
    if (frontmostShown(shownWindows(ui.context()), title))
        throw UiError("the window \"" + title + "\" is still open after its close button was clicked");
}

void UiDriver::collapseWindow(const std::string& title) {
    clickTitleBarButton(title, TitleBarButton{"#COLLAPSE", "collapse", true});
}

// Dear ImGui puts the collapse button at the left end of the title bar and the close button at the
// right end, each a font size wide plus the frame padding. That is checked by hovering: the hovered
// item must be the window's button of that name.
void UiDriver::clickTitleBarButton(const std::string& title, const TitleBarButton& button) {
    const std::vector<ShownWindow> windows = shownWindows(ui.context());
    const ShownWindow* window = frontmostShown(windows, title);
    if (!window) throw UiError("no window \"" + title + "\" is shown");
    if (window->titleBar.y1 <= window->titleBar.y0)
        throw UiError("the window \"" + title + "\" has no title bar");
    float fromEnd = 0;
    {
        render::CurrentImGuiContext current(ui.context());
        fromEnd = ImGui::GetStyle().FramePadding.x + ImGui::GetFontSize() / 2;
    }
    movePointer(button.atLeft ? window->titleBar.x0 + fromEnd : window->titleBar.x1 - fromEnd,
                window->titleBar.centerY());
    runFrame();
    {
        render::CurrentImGuiContext current(ui.context());
        if (ui.context()->HoveredId != ImHashStr(button.id, 0, window->id))
            throw UiError("the window \"" + title + "\" has no " + button.name + " button");
    }
    pressAndRelease();
}

// The left button pressed in one frame (with Ctrl held when asked) and released in the next.
void UiDriver::pressThenRelease(bool ctrl) {
    ui.input().ctrl = ctrl;
    ui.input().leftButton = true;
    runFrame();
    ui.input().leftButton = false;
    ui.input().ctrl = false;
    runFrame();
}

// A click, and one frame more for what it set off (a window collapsing, a menu the plugin asked to
// close) to show.
void UiDriver::pressAndRelease() {
    pressThenRelease(false);
    runFrame();
}

// The label's text is looked for in the windows that take input, front to back, outside their title
// bars. A widget whose label is part of it (a check box, a tab) is hovered on the label; a widget
// whose label stands beside it (a slider) on its frame, left of the label. The pointer stays there.
UiDriver::Widget UiDriver::locate(const std::string& label) {
    float spacing = 0;
    {
        render::CurrentImGuiContext current(ui.context());
        spacing = ImGui::GetStyle().ItemInnerSpacing.x;
    }
    const std::vector<ShownWindow> windows = shownWindows(ui.context());
    bool seen = false;
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        if (!window->takesInput) continue;
        for (const ShownRow& row : window->rows)
            for (const TextRun& run : row.runs) {
                if (run.text != label || window->titleBar.contains(run.box.centerX(), run.box.centerY()))
                    continue;
                seen = true;
                if (probe(run.box.centerX(), run.box.centerY(), *window))
                    return Widget{run.box.centerX(), run.box.centerY(), false};
                for (const Box& frame : window->frames) {
                    const bool beside =
                        frame.x1 <= run.box.x0 && frame.x1 >= run.box.x0 - labelGapInSpacings * spacing;
                    if (!beside || !frame.contains(frame.centerX(), run.box.centerY())) continue;
                    if (probe(frame.centerX(), frame.centerY(), *window))
                        return Widget{frame.centerX(), frame.centerY(), hasGrabInside(*window, frame)};
                }
            }
    }
    if (seen) throw UiError("\"" + label + "\" is shown, but no widget there answers to the pointer");
    throw UiError("no visible widget is labelled \"" + label + "\"");
}

// Moves the pointer to the point and renders a frame: true when Dear ImGui then reports an item of
// that window as hovered.
bool UiDriver::probe(float x, float y, const ShownWindow& window) {
    movePointer(x, y);
    runFrame();
    render::CurrentImGuiContext current(ui.context());
    const ImGuiContext& g = *ui.context();
    return g.HoveredId != 0 && g.HoveredWindow && g.HoveredWindow->RootWindow &&
           g.HoveredWindow->RootWindow->ID == window.id;
}

} // namespace kadenzo::sim
