// The plugin module's virtual tables as the host walks them (Visual C++'s ABI): Kadenzo.dll loaded as
// the host loads it, its object taken from getPlugin's handle, and every slot of both window
// interfaces called through a function pointer read from the table, in the host's slot order. Also
// an exception crossing both DLLs back to the host.
//
// Index of this file:
// - The host's declarations have exactly these slots
// - The plugin's tables
// - Exceptions
#include "host_abi.h"
#include "host_ui/ui_readback.h"
#include "loader/dynamic_library.h"

#include "halvex/plugin.h"
#include "halvex/plugin_record.h"
#include "host_state.h"

#include <gtest/gtest.h>
#include <imgui.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

using Halvex::Plugin::HalvexPlugin;
using Halvex::Plugin::PluginSettingsWindow;
using Halvex::Plugin::PluginWindow;

std::string builtPlugin() {
    const char* path = std::getenv("KADENZO_PLUGIN");
    return path ? path : "Kadenzo.dll";
}

// A slot of an object's virtual table. On x64, Visual C++ passes `this` first, then the address of
// a returned class object, then the arguments.
void* slot(void* object, std::size_t index) {
    return (*static_cast<void***>(object))[index];
}
template <typename Result, typename... Arguments>
Result call(void* object, std::size_t index, Arguments... arguments) {
    return reinterpret_cast<Result (*)(void*, Arguments...)>(slot(object, index))(object, arguments...);
}
std::string callReturningString(void* object, std::size_t index) {
    alignas(std::string) unsigned char storage[sizeof(std::string)];
    std::string* const result = call<std::string*>(object, index, reinterpret_cast<std::string*>(storage));
    std::string value = std::move(*result);
    result->~basic_string();
    return value;
}

namespace settings_slot {
constexpr std::size_t scalarDeletingDestructor = 0, renderSettingsPanel = 1, getPluginName = 2,
                      setImGuiContext = 3;
}
namespace window_slot {
constexpr std::size_t renderWindow = 0, getMenuName = 1, getMenuTitle = 2, setImGuiContext = 3,
                      shouldBlockInput = 4, isActiveOverlay = 5, onOpen = 6, onClose = 7;
}

// ---- The host's declarations have exactly these slots -------------------------------------------
// A class that adds a virtual function after an interface's own gets it in the slot after the last.

class SettingsProbe final : public PluginSettingsWindow {
public:
    void RenderSettingsPanel() override {}
    std::string GetPluginName() override { return {}; }
    void SetImGuiContext(std::uintptr_t) override {}
    virtual int nextSlot() { return 4; }
};

class WindowProbe final : public PluginWindow {
public:
    void RenderWindow() override {}
    std::string GetMenuName() override { return {}; }
    std::string GetMenuTitle() override { return {}; }
    void SetImGuiContext(std::uintptr_t) override {}
    bool ShouldBlockInput() override { return false; }
    bool IsActiveOverlay() override { return false; }
    void OnOpen() override {}
    void OnClose() override {}
    virtual int nextSlot() { return 8; }
};

TEST(PluginTables, TheSettingsInterfaceHasFourSlotsAndTheWindowInterfaceEight) {
    SettingsProbe settings;
    EXPECT_EQ(call<int>(static_cast<PluginSettingsWindow*>(&settings), 4), 4);
    WindowProbe window;
    EXPECT_EQ(call<int>(static_cast<PluginWindow*>(&window), 8), 8);
}

// ---- The plugin's tables -----------------------------------------------------------------------

// Kadenzo.dll loaded and its object set up as the host does, with a Dear ImGui context of the host's.
class LoadedModule : public ::testing::Test {
public:
    void SetUp() override {
        record = static_cast<const halvex::PluginRecord*>(library.symbol("exports"));
        ASSERT_TRUE(record);
        handle = reinterpret_cast<std::shared_ptr<HalvexPlugin>*>(record->getPlugin());
        plugin = handle->get();
        ASSERT_TRUE(plugin);
        plugin->cvarManager = host.makeCvarManager(id);
        plugin->gameWrapper = host.makeGameWrapper(id);
        host.startPlugin(id);
        plugin->onLoad();
        settings = dynamic_cast<PluginSettingsWindow*>(plugin);
        window = dynamic_cast<PluginWindow*>(plugin);
        ASSERT_TRUE(settings && window);
        host.setCommandHandler([this](const std::string& command) { commands.push_back(command); });
        context = ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.DisplaySize = ImVec2(1280, 720);
        io.IniFilename = nullptr;
        unsigned char* pixels = nullptr;
        int width = 0, height = 0;
        io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    }

    void TearDown() override {
        if (plugin) {
            plugin->onUnload();
            host.dropPlugin(id);
        }
        record->deleteMe();
        ImGui::DestroyContext(context);
    }

    // The windows the second of two frames showed, as the host reads them back (Dear ImGui shows a new
    // window from its second frame on).
    std::vector<kadenzo::sim::ShownWindow> frames(void (*draw)(LoadedModule&)) {
        for (int frame = 0; frame < 2; ++frame) {
            ImGui::NewFrame();
            draw(*this);
            ImGui::Render();
        }
        return kadenzo::sim::shownWindows(context);
    }

    halvex::host::HostState host;
    halvex::host::PluginId id = host.addPlugin();
    kadenzo::sim::DynamicLibrary library{builtPlugin()};
    const halvex::PluginRecord* record = nullptr;
    std::shared_ptr<HalvexPlugin>* handle = nullptr;
    HalvexPlugin* plugin = nullptr;
    PluginSettingsWindow* settings = nullptr;
    PluginWindow* window = nullptr;
    std::vector<std::string> commands;
    ImGuiContext* context = nullptr;
};

TEST_F(LoadedModule, TheObjectIsItsHostBasePart) {
    EXPECT_EQ(dynamic_cast<void*>(plugin), static_cast<void*>(plugin)) << "the complete object starts there";
    EXPECT_NE(static_cast<void*>(settings), static_cast<void*>(plugin));
    EXPECT_NE(static_cast<void*>(window), static_cast<void*>(plugin));
}

TEST_F(LoadedModule, WindowSlotsInTheHostsOrder) {
    using namespace window_slot;
    EXPECT_EQ(callReturningString(window, getMenuName), "Kadenzo");
    std::string title = callReturningString(window, getMenuTitle);
    title += " changed";
    EXPECT_EQ(callReturningString(window, getMenuTitle), "Kadenzo") << "the caller owns a copy";
    EXPECT_TRUE(call<bool>(window, isActiveOverlay));

    // Before the host hands over a context the plugin wants no input and draws nothing.
    EXPECT_FALSE(call<bool>(window, shouldBlockInput));
    call<void>(window, renderWindow);
    EXPECT_TRUE(commands.empty());

    call<void>(window, setImGuiContext, reinterpret_cast<std::uintptr_t>(context));
    ImGui::GetIO().WantCaptureMouse = true;
    EXPECT_TRUE(call<bool>(window, shouldBlockInput)) << "the plugin's Dear ImGui reads the host's context";
    ImGui::GetIO().WantCaptureMouse = false;
    EXPECT_FALSE(call<bool>(window, shouldBlockInput));

    // Open, the window draws itself and asks for nothing; closed, it asks the host to close its menu.
    call<void>(window, onOpen);
    const auto shown = frames([](LoadedModule& test) { call<void>(test.window, renderWindow); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Kadenzo");
    EXPECT_TRUE(commands.empty());
    call<void>(window, onClose);
    ImGui::NewFrame();
    call<void>(window, renderWindow);
    ImGui::EndFrame();
    EXPECT_EQ(commands, std::vector<std::string>{"togglemenu Kadenzo"});
}

TEST_F(LoadedModule, SettingsSlotsInTheHostsOrder) {
    using namespace settings_slot;
    EXPECT_EQ(callReturningString(settings, getPluginName), "Kadenzo");
    call<void>(settings, renderSettingsPanel); // before a context: nothing, and no crash

    call<void>(settings, setImGuiContext, reinterpret_cast<std::uintptr_t>(context));
    const auto shown = frames([](LoadedModule& test) {
        ImGui::Begin("Settings");
        call<void>(test.settings, renderSettingsPanel);
        ImGui::End();
    });
    ASSERT_EQ(shown.size(), 1u);
    std::vector<std::string> rows;
    for (const auto& row : shown[0].rows)
        rows.push_back(kadenzo::sim::rowText(row));
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[1], "Kadenzo plugin settings");
    EXPECT_EQ(rows[2], "[ ] Enable plugin");

    // The settings interface's context call sets the same context as the window's.
    ImGui::GetIO().WantCaptureKeyboard = true;
    EXPECT_TRUE(call<bool>(window, window_slot::shouldBlockInput));
}

TEST_F(LoadedModule, TheScalarDeletingDestructorDestroysTheWholeObject) {
    const std::weak_ptr<GameWrapper> game = plugin->gameWrapper; // held by the base part only
    plugin->onUnload();
    host.dropPlugin(id);
    // The host gives up the module's handle without destroying the object (its control block is
    // left behind), so that the object's only owner is the call below.
    new (handle) std::shared_ptr<HalvexPlugin>();
    plugin = nullptr;
    EXPECT_FALSE(game.expired());
    using ScalarDeletingDestructor = void* (*)(void* self, unsigned int flags);
    reinterpret_cast<ScalarDeletingDestructor>(slot(settings, settings_slot::scalarDeletingDestructor))(
        settings, 1);
    EXPECT_TRUE(game.expired()) << "the base part, at another address, was destroyed too";
}

// ---- Exceptions --------------------------------------------------------------------------------

TEST_F(LoadedModule, AnExceptionOfTheHostsCrossesBothModulesBack) {
    host.setCommandHandler([](const std::string&) { throw std::bad_alloc(); });
    call<void>(window, window_slot::setImGuiContext, reinterpret_cast<std::uintptr_t>(context));
    ImGui::NewFrame();
    // The plugin's window, closed, issues its command through pluginsdk.dll, whose handler throws.
    EXPECT_THROW(call<void>(window, window_slot::renderWindow), std::bad_alloc);
    ImGui::EndFrame();
}

} // namespace
