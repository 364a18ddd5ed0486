// The console's commands for the host's interface: the settings window, menus, the pointer and the
// keyboard, and reading back what the last frame showed.
#include "console/console.h"

#include "render/offscreen_renderer.h"

#include <fmt/format.h>

#include <ostream>

namespace kadenzo::sim {

namespace {

// Pixels of the largest canvas there is.
float pointerCoordinate(const std::string& text, const char* what) {
    return static_cast<float>(requireWholeNumber(text, 0, render::OffscreenRenderer::largestSize, what,
                                                 "a whole number of pixels"));
}

// Rationale: only digits, one point and a leading minus. A slider's text field drops the other
// characters of a number as they are typed ("1e2" would arrive as 12) and reads a leading sign or
// operator as arithmetic on the value it had ("+70" adds 70).
bool isPlainDecimal(const std::string& text) {
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::string digits = text.substr(start);
    const std::size_t point = digits.find('.');
    const bool onePointAtMost =
        point == std::string::npos || digits.find('.', point + 1) == std::string::npos;
    return onePointAtMost && digits.find_first_not_of("0123456789.") == std::string::npos &&
           digits.find_first_of("0123456789") != std::string::npos;
}

// Input errors name what was not found; they are the script's errors like any other.
template <typename Action> void giveInput(Action&& action) {
    try {
        action();
    } catch (const UiError& error) {
        throw ConsoleError(error.what());
    }
}

} // namespace

void Console::settingsCommand(const std::vector<std::string>& words) {
    simulator.ui.setSettingsShown(parseOnOff(words, "settings on|off"));
}

void Console::toggleMenuCommand(const std::vector<std::string>& words) {
    expectArguments(words, 1, 1, "togglemenu NAME");
    if (!simulator.ui.toggleMenu(words[1]))
        throw ConsoleError(fmt::format("no menu is named \"{}\"", words[1]));
}

// mouse X Y | hover X Y | hover LABEL | click X Y | click LABEL
void Console::pointerCommand(const std::vector<std::string>& words) {
    const std::string& command = words[0];
    const bool isMouse = command == "mouse";
    const std::string usage = isMouse ? "mouse X Y" : command + " X Y | " + command + " LABEL";
    expectArguments(words, isMouse ? 2 : 1, 2, usage.c_str());
    if (words.size() == 2) {
        giveInput([&] { command == "hover" ? driver.hoverLabel(words[1]) : driver.clickLabel(words[1]); });
        return;
    }
    const float x = pointerCoordinate(words[1], "the pointer's x");
    const float y = pointerCoordinate(words[2], "the pointer's y");
    if (isMouse)
        driver.movePointer(x, y);
    else if (command == "hover")
        driver.hover(x, y);
    else
        driver.click(x, y);
}

void Console::slideCommand(const std::vector<std::string>& words) {
    expectArguments(words, 2, 2, "slide LABEL VALUE");
    if (!isPlainDecimal(words[2]))
        throw ConsoleError(fmt::format(
            "\"{}\" is not a plain decimal number (slide types digits, a point and a leading minus)",
            words[2]));
    giveInput([&] { driver.slide(words[1], words[2]); });
}

// close TITLE | collapse TITLE
void Console::windowButtonCommand(const std::vector<std::string>& words) {
    const std::string usage = words[0] + " TITLE";
    expectArguments(words, 1, 1, usage.c_str());
    giveInput([&] { words[0] == "close" ? driver.closeWindow(words[1]) : driver.collapseWindow(words[1]); });
}

void Console::describeInterface(const std::vector<std::string>& words) {
    expectArguments(words, 0, 0, "ui");
    renderedFrame();
    out << describeWindows(shownWindows(simulator.ui.context()));
}

} // namespace kadenzo::sim
