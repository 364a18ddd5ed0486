#include "host_ui/host_interface.h"

#include "host_state.h"
#include "plugin_entry.h"
#include "render/current_imgui_context.h"

#include <imgui.h>

#include <cstddef>
#include <utility>

namespace kadenzo::sim {

namespace {

// Frames advance by a fixed step, so that what a script does takes the same time on every run.
constexpr float frameSeconds = 1.0f / 60.0f;

// Where new windows first appear and how large unless placeWindows says otherwise.
constexpr WindowPlace defaultSettingsPlace{40.0f, 40.0f, 640.0f, 420.0f};
constexpr WindowPlace defaultPluginWindowPlace{720.0f, 300.0f, 320.0f, 160.0f};
// The width of the page's widgets, so that the longest label fits beside its slider.
constexpr float pageItemWidthInFonts = 16.0f;

// The key indices the host reports Enter and Escape under.
constexpr int enterKey = ImGuiKey_Enter;
constexpr int escapeKey = ImGuiKey_Escape;

using CurrentContext = render::CurrentImGuiContext;

// Calls the plugin's window interface, marked as the entry point ENTRY (plugin_entry.h).
template <typename Call> auto callPlugin(const char* entry, Call&& call) {
    const halvex::host::PluginEntry running(entry);
    return call();
}

// The next window's first place and size.
void placeNextWindow(const WindowPlace& place) {
    ImGui::SetNextWindowPos(ImVec2(place.x, place.y), ImGuiCond_FirstUseEver);
    ImGui::SetNextWindowSize(ImVec2(place.width, place.height), ImGuiCond_FirstUseEver);
}

} // namespace

HostInterface::HostInterface(halvex::host::HostState& host)
    : host(host), settingsPlace(defaultSettingsPlace), pluginWindowPlace(defaultPluginWindowPlace) {
    CurrentContext current(nullptr);
    imgui = ImGui::CreateContext();
    ImGui::SetCurrentContext(imgui);
    ImGuiIO& io = ImGui::GetIO();
    // The host keeps no files of Dear ImGui's: window places last as long as the process.
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    io.KeyMap[ImGuiKey_Enter] = enterKey;
    io.KeyMap[ImGuiKey_Escape] = escapeKey;
    io.Fonts->AddFontDefault();
    unsigned char* texels = nullptr;
    int width = 0;
    int height = 0;
    io.Fonts->GetTexDataAsAlpha8(&texels, &width, &height);
    font.width = width;
    font.height = height;
    font.alpha.assign(texels, texels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    io.Fonts->SetTexID(&font);
}

const char* HostInterface::imguiRelease() {
    return ImGui::GetVersion();
}

// Dear ImGui leaves no context current when the one it destroys was.
HostInterface::~HostInterface() {
    ImGui::DestroyContext(imgui);
}

void HostInterface::attach(Halvex::Plugin::PluginSettingsWindow* settingsPage,
                           Halvex::Plugin::PluginWindow* pluginWindow) {
    page = settingsPage;
    window = pluginWindow;
    pluginMenuOpen = false;
    blocked = false;
    const auto address = reinterpret_cast<std::uintptr_t>(imgui);
    if (page) callPlugin("SetImGuiContext", [&] { page->SetImGuiContext(address); });
    if (window) callPlugin("SetImGuiContext", [&] { window->SetImGuiContext(address); });
}

// Without the plugin nothing wants the input any more: the game has it again.
void HostInterface::detach() {
    page = nullptr;
    window = nullptr;
    pluginMenuOpen = false;
    if (blocked) host.trace("host input passed");
    blocked = false;
}

bool HostInterface::toggleMenu(const std::string& name) {
    if (!window || callPlugin("GetMenuName", [this] { return window->GetMenuName(); }) != name) return false;
    pluginMenuOpen = !pluginMenuOpen;
    if (pluginMenuOpen)
        callPlugin("OnOpen", [this] { window->OnOpen(); });
    else
        callPlugin("OnClose", [this] { window->OnClose(); });
    return true;
}

const ImDrawData* HostInterface::drawData() const {
    if (!framed) return nullptr;
    CurrentContext current(imgui);
    return ImGui::GetDrawData();
}

void HostInterface::showInDesktopWindow(Vector2 displaySize, HostPanels hostPanels) {
    panels = std::move(hostPanels);
    desktopDisplay = DisplaySize{static_cast<float>(displaySize.X), static_cast<float>(displaySize.Y)};
}

// A desktop window's platform code maps Enter and Escape to key indices of its own; scripted frames use
// theirs and leave the platform's mapping as they found it.
void HostInterface::frame(Vector2 displaySize) {
    CurrentContext current(imgui);
    ImGuiIO& io = ImGui::GetIO();
    const int platformEnterKey = io.KeyMap[ImGuiKey_Enter];
    const int platformEscapeKey = io.KeyMap[ImGuiKey_Escape];
    io.KeyMap[ImGuiKey_Enter] = enterKey;
    io.KeyMap[ImGuiKey_Escape] = escapeKey;
    io.DisplaySize = desktopDisplay
                         ? ImVec2(desktopDisplay->width, desktopDisplay->height)
                         : ImVec2(static_cast<float>(displaySize.X), static_cast<float>(displaySize.Y));
    io.DeltaTime = frameSeconds;
    io.MousePos = ImVec2(pending.pointerX, pending.pointerY);
    io.MouseDown[0] = pending.leftButton;
    io.KeyCtrl = pending.ctrl;
    io.KeysDown[enterKey] = pending.enter;
    io.KeysDown[escapeKey] = pending.escape;
    io.AddInputCharactersUTF8(pending.typed.c_str());
    pending.typed.clear();
    pending.enter = false;
    pending.escape = false;

    drawFrame();
    io.KeysDown[enterKey] = false;
    io.KeysDown[escapeKey] = false;
    io.KeyMap[ImGuiKey_Enter] = platformEnterKey;
    io.KeyMap[ImGuiKey_Escape] = platformEscapeKey;
}

void HostInterface::frame(const std::function<void()>& platformInput) {
    CurrentContext current(imgui);
    platformInput();
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    if (desktopDisplay) desktopDisplay = DisplaySize{display.x, display.y};
    drawFrame();
}

void HostInterface::placeWindows(const WindowPlace& settings, const WindowPlace& pluginWindow) {
    settingsPlace = settings;
    pluginWindowPlace = pluginWindow;
}

void HostInterface::drawFrame() {
    if (panels.arrange) panels.arrange();
    ImGui::NewFrame();
    if (showSettings) drawSettingsWindow();
    if (pluginMenuOpen && window) drawPluginWindow();
    if (panels.draw) panels.draw();
    ImGui::Render();
    framed = true;
    askWhetherInputIsBlocked();
}

// The host's window; the plugin fills only the page of its tab.
void HostInterface::drawSettingsWindow() {
    placeNextWindow(settingsPlace);
    if (ImGui::Begin(settingsTitle, &showSettings) && page && ImGui::BeginTabBar("##plugins")) {
        const std::string name = callPlugin("GetPluginName", [this] { return page->GetPluginName(); });
        if (ImGui::BeginTabItem(name.c_str())) {
            ImGui::PushItemWidth(ImGui::GetFontSize() * pageItemWidthInFonts);
            callPlugin("RenderSettingsPanel", [this] { page->RenderSettingsPanel(); });
            ImGui::PopItemWidth();
            ImGui::EndTabItem();
        }
        ImGui::EndTabBar();
    }
    ImGui::End();
}

void HostInterface::drawPluginWindow() {
    placeNextWindow(pluginWindowPlace);
    callPlugin("RenderWindow", [this] { window->RenderWindow(); });
}

void HostInterface::askWhetherInputIsBlocked() {
    const bool wanted =
        window && callPlugin("ShouldBlockInput", [this] { return window->ShouldBlockInput(); });
    if (wanted == blocked) return;
    blocked = wanted;
    host.trace(blocked ? "host input blocked" : "host input passed");
}

} // namespace kadenzo::sim
