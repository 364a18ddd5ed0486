// Scripted pointer and keyboard input over real frames, as a person would give it: move, hover,
// click, Ctrl+click a slider and type a value, close or collapse a window. Widgets and windows are
// found from what the last frame showed (see ui_readback.h), never from pixel positions a script
// would have to know.
//
// Index of this file:
// - UiError: input that cannot be given
// - UiDriver
#pragma once

#include "host_ui/host_interface.h"
#include "host_ui/ui_readback.h"

#include <functional>
#include <stdexcept>
#include <string>

namespace kadenzo::sim {

// A label or window that is not shown, a widget of the wrong kind; the message names it.
class UiError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class UiDriver {
public:
    // runFrame renders one whole host frame (the game's and the interface's) and runs what the frame
    // queued; every step of the input below is one such frame.
    UiDriver(HostInterface& ui, std::function<void()> runFrame);

    // Moves the pointer; the next frame sees it there.
    void movePointer(float x, float y);
    // Moves the pointer and renders until what it hovers has shown (a tooltip needs two frames).
    void hover(float x, float y);
    // Moves the pointer, then presses and releases the left button over frames of their own.
    void click(float x, float y);

    // The same on the visible widget labelled LABEL.
    void hoverLabel(const std::string& label);
    void clickLabel(const std::string& label);
    // Ctrl+click on the slider labelled LABEL, type VALUE, press Enter. VALUE must fit the slider's
    // field (31 characters) and its type: an integer slider (Dear ImGui's SliderInt) takes a whole
    // number that an int holds, else UiError, and the slider is left as it was. A value of its type
    // beyond the slider's own limits is typed as it is: Dear ImGui 1.77 hands it on unclamped, and
    // the variable behind the slider clamps it to its range.
    void slide(const std::string& label, const std::string& value);

    // Clicks the close or collapse button of the window titled TITLE. closeWindow throws UiError when
    // the window is still shown in the frame after the click (the plugin may keep it open).
    void closeWindow(const std::string& title);
    void collapseWindow(const std::string& title);

private:
    struct Widget {
        float x, y;
        bool slider;
    };

    Widget locate(const std::string& label);
    bool probe(float x, float y, const ShownWindow& window);
    void startTypedInput(const std::string& label);
    bool typesRealNumbers(const std::string& label);
    void pressThenRelease(bool ctrl);
    void pressAndRelease();
    struct TitleBarButton {
        const char* id;   // the name Dear ImGui hashes into the button's id
        const char* name; // for messages
        bool atLeft;
    };
    void clickTitleBarButton(const std::string& title, const TitleBarButton& button);

    HostInterface& ui;
    std::function<void()> runFrame;
};

} // namespace kadenzo::sim
