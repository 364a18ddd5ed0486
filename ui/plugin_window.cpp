// The plugin's own window, its names, and the hand-over of the host's Dear ImGui context.
#include "Kadenzo.h"

#include <imgui.h>

namespace {
constexpr const char* toggleMenuCommand = "togglemenu ";
}

std::string Kadenzo::GetPluginName() {
    return pluginClassName;
}

std::string Kadenzo::GetMenuName() {
    return pluginClassName;
}

std::string Kadenzo::GetMenuTitle() {
    return menuTitle;
}

void Kadenzo::SetImGuiContext(std::uintptr_t context) {
    ImGui::SetCurrentContext(reinterpret_cast<ImGuiContext*>(context));
}

// Without a context there is nothing of the plugin's that could want the input.
bool Kadenzo::ShouldBlockInput() {
    if (!ImGui::GetCurrentContext()) return false;
    const ImGuiIO& io = ImGui::GetIO();
    return io.WantCaptureMouse || io.WantCaptureKeyboard;
}

bool Kadenzo::IsActiveOverlay() {
    return true;
}

void Kadenzo::OnOpen() {
    isWindowOpen = true;
}

void Kadenzo::OnClose() {
    isWindowOpen = false;
}

// An empty window; its close button asks the host to toggle the plugin's menu. Nothing is drawn
// before the host has handed over its context.
void Kadenzo::RenderWindow() {
    if (!ImGui::GetCurrentContext()) return;
    if (!ImGui::Begin(menuTitle.c_str(), &isWindowOpen, 0)) {
        ImGui::End();
        return;
    }
    ImGui::End();
    if (isWindowOpen) return;
    Halvex::Plugin::PluginWindow& window = *this;
    cvarManager->executeCommand(toggleMenuCommand + window.GetMenuName(), true);
}
